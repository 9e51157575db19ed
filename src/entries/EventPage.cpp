#include "entries/EventPage.h"

#include "dialogkit/EditorFrame.h"
#include "document/AmountText.h"
#include "document/Session.h"
#include "resources/Strings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Sets a box only when the text differs, so that two boxes following each other settle.
void SetIfDifferent(QLineEdit* box, const QString& text)
{
    if (box->text() != text) box->setText(text);
}

const CalendarDocument& Doc()
{
    return Session::Get().CurrentDocument;
}

} // namespace

EventPage::EventPage(bool balancePreview, QWidget* parent) : QWidget(parent), m_balancePreview(balancePreview)
{
    auto* frame = new QGroupBox(Str(708), this);

    m_type = new QButtonGroup(this);
    m_type->setExclusive(true);
    auto* types = new QHBoxLayout;
    const int typeTexts[] = {711, 712, 713};
    for (int i = 0; i < 3; ++i) {
        QCheckBox* box = NamedCheckBox(typeTexts[i], QStringLiteral("ChkEV%1").arg(i), frame);
        m_type->addButton(box, i);
        types->addWidget(box);
    }
    types->addStretch();
    m_description = FilteredTextBox(QStringLiteral("TxtEV0"), frame);
    m_amount = AmountTextBox(QStringLiteral("TxtEV1"), AmountSign::Kept, frame);
    m_warning = Named(new QLabel(frame), QStringLiteral("LblWarning"));
    m_warning->setWordWrap(true);
    m_warning->hide();

    m_linked = NamedCheckBox(710, QStringLiteral("ChkGen"), frame);
    m_accountPanel = Named(new QWidget(frame), QStringLiteral("FraDE"));
    m_accounts = Named(new QComboBox(m_accountPanel), QStringLiteral("CmbDE"));
    m_direction = new QButtonGroup(this);
    m_direction->setExclusive(true);
    auto* directions = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        QCheckBox* box = NamedCheckBox(716 + i, QStringLiteral("ChkDE%1").arg(i), m_accountPanel);
        m_direction->addButton(box, i);
        directions->addWidget(box);
    }
    directions->addStretch();
    m_moveAmount = AmountTextBox(QStringLiteral("TxtDE0"), AmountSign::Absolute, m_accountPanel);
    auto* account = new QFormLayout(m_accountPanel);
    account->setContentsMargins(20, 0, 0, 0);
    account->addRow(m_accounts);
    account->addRow(directions);
    account->addRow(Str(715), m_moveAmount);
    if (m_balancePreview) {
        m_before = FilteredTextBox(QStringLiteral("TxtDE1"), m_accountPanel);
        m_after = FilteredTextBox(QStringLiteral("TxtDE2"), m_accountPanel);
        m_before->setReadOnly(true);
        m_after->setReadOnly(true);
        m_beforeLabel = Named(new QLabel(m_accountPanel), QStringLiteral("LblDE1"));
        m_afterLabel = Named(new QLabel(m_accountPanel), QStringLiteral("LblDE2"));
        account->addRow(m_beforeLabel, m_before);
        account->addRow(m_afterLabel, m_after);
    }
    m_hint = Named(new QLabel(Str(720), frame), QStringLiteral("LblDE"));
    m_hint->setWordWrap(true);
    m_hint->hide();

    auto* form = new QFormLayout(frame);
    form->addRow(types);
    form->addRow(Str(714), m_description);
    form->addRow(Str(715), m_amount);
    form->addRow(m_warning);
    form->addRow(m_linked);
    form->addRow(m_accountPanel);
    form->addRow(m_hint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addStretch();

    m_accounts->addItems(AccountLines(Doc()));
    connect(m_type, &QButtonGroup::idClicked, this, &EventPage::OnTypeChosen);
    connect(m_description, &QLineEdit::textChanged, this, &EventPage::OnDescriptionChanged);
    // The boxes' own amount filter has run when these read them.
    connect(m_amount, &QLineEdit::textEdited, this, &EventPage::OnAmountEdited);
    connect(m_moveAmount, &QLineEdit::textEdited, this, &EventPage::OnMoveAmountEdited);
    // While Show fills the boxes their signals wait: Show brings the page up to date once at the end.
    connect(m_linked, &QCheckBox::toggled, this, [this] {
        if (!m_showing) UpdateStates();
    });
    connect(m_accounts, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showing) UpdatePreview();
    });
    connect(m_direction, &QButtonGroup::idClicked, this, [this] { UpdatePreview(); });
    Show(EventPageValues());
}

void EventPage::Show(const EventPageValues& v)
{
    m_showing = true;
    m_linkKey = v.LinkKey;
    const int warning = GeneratedWarning(v.LinkKey);
    m_locked = warning != 0;
    m_warning->setText(m_locked ? Str(warning) : QString());
    m_warning->setVisible(m_locked);
    m_type->button(v.Choice)->setChecked(true);
    m_description->setMaxLength(DescriptionLimit(v.Choice, int(v.Description.size())));
    m_description->setText(v.Description);
    m_amount->setText(v.Amount);
    m_moveAmount->setText(v.MoveAmount);
    if (v.Account < m_accounts->count()) m_accounts->setCurrentIndex(v.Account);
    m_direction->button(v.Direction)->setChecked(true);
    m_linked->setChecked(v.Linked);
    m_showing = false;
    UpdateStates();
}

EventPageValues EventPage::Values() const
{
    EventPageValues v;
    v.Choice = m_type->checkedId();
    v.Description = m_description->text();
    v.Amount = m_amount->text();
    v.Linked = m_linked->isChecked();
    v.Account = m_accounts->currentIndex();
    v.Direction = m_direction->checkedId();
    v.MoveAmount = m_moveAmount->text();
    v.LinkKey = m_linkKey;
    return v;
}

void EventPage::GuardOk(QPushButton* ok)
{
    m_ok = ok;
    connect(m_description, &QLineEdit::textChanged, this, &EventPage::UpdateOk);
    connect(m_accounts, &QComboBox::currentIndexChanged, this, &EventPage::UpdateOk);
    UpdateOk();
}

void EventPage::SetPreviewDay(int month, int cell, const DateRec& date, int leftOut)
{
    m_month = month;
    m_cell = cell;
    m_date = date;
    m_leftOut = leftOut;
    UpdatePreview();
}

void EventPage::OnTypeChosen(int choice)
{
    m_description->setMaxLength(DescriptionLimit(choice, int(m_description->text().size())));
    SetIfDifferent(m_description, DescriptionForChoice(choice, m_description->text()));
    UpdateStates();
}

void EventPage::OnDescriptionChanged(const QString& text)
{
    if (m_showing || m_locked || m_linked->isChecked()) return;
    const int account = AccountNamed(Doc(), text);
    if (account < 0) return;
    m_accounts->setCurrentIndex(account);
    // The movement follows the income or expense already chosen: an expense named like a debt
    // pays it down.
    if (const int choice = m_type->checkedId(); choice != ChoiceEvent) {
        const bool savings = Doc().DE.DebtsSavings[account].IsSavings;
        const qint32 type = choice == ChoiceIncome ? EntryIncome : EntryExpense;
        m_direction->button(DirectionOfEntry(savings, type))->setChecked(true);
    }
    m_linked->setChecked(true); // typing an account's name ties the entry to it
}

void EventPage::OnAmountEdited()
{
    SetIfDifferent(m_moveAmount, AbsoluteAmountText(m_amount->text()));
    UpdatePreview();
}

void EventPage::OnMoveAmountEdited()
{
    SetIfDifferent(m_amount, AbsoluteAmountText(m_moveAmount->text()));
    UpdatePreview();
}

void EventPage::UpdateStates()
{
    const bool money = m_type->checkedId() != ChoiceEvent;
    const bool linked = m_linked->isChecked();
    const bool noAccount = m_accounts->count() == 0;
    for (QAbstractButton* box : m_type->buttons()) box->setEnabled(!m_locked);
    m_description->setEnabled(!m_locked);
    m_amount->setEnabled(money && !m_locked);
    m_linked->setEnabled(!m_locked);
    m_hint->setVisible(linked && noAccount);
    m_accountPanel->setVisible(!(linked && noAccount));
    m_accounts->setEnabled(linked && !m_locked);
    for (QAbstractButton* box : m_direction->buttons()) box->setEnabled(linked && !m_locked);
    m_moveAmount->setEnabled(linked && !m_locked);
    if (m_balancePreview) {
        m_before->setEnabled(linked);
        m_after->setEnabled(linked);
    }
    UpdatePreview();
    UpdateOk();
}

void EventPage::UpdateOk()
{
    if (m_ok && !m_showing) HoldOk(m_ok, NameMissing(Doc(), Values()), 20003);
}

void EventPage::UpdatePreview()
{
    if (!m_balancePreview) return;
    const bool linked = m_linked->isChecked();
    const BalancePreview p =
        PreviewBalance(Doc(), m_month, m_cell, m_date, linked ? m_accounts->currentIndex() : -1, m_leftOut,
                       m_moveAmount->text(), m_direction->checkedId());
    m_beforeLabel->setText(p.BeforeLabel);
    m_afterLabel->setText(p.AfterLabel);
    m_before->setText(p.Before);
    m_after->setText(p.After);
}
