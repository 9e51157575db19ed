#include "entries/AccountEditor.h"

#include "dialogkit/DatePicker.h"
#include "dialogkit/EditorFrame.h"
#include "document/Money.h"
#include "document/Session.h"
#include "entries/Balances.h"
#include "entries/ListEditor.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kHelpPage = QStringLiteral("Html\\d_de.htm");

} // namespace

AccountEditor::AccountEditor(int mode, int editIndex, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_editIndex(editIndex)
{
    setObjectName(QStringLiteral("FrmAddDE"));
    setWindowTitle(DialogCaption(mode == EditorAdd ? 901 : 902));

    const CalendarDocument& doc = Session::Get().CurrentDocument;
    const QList<DebtSavingDef>& accounts = doc.DE.DebtsSavings;
    const bool editing = mode == EditorEdit && editIndex >= 0 && editIndex < accounts.size();
    const DebtFormValues values = editing ? DebtFormForEdit(accounts[editIndex]) : DebtFormForAdd(doc);

    auto* tabs = new QTabWidget(this);
    auto* page = new QWidget;
    tabs->addTab(page, Str(504));

    auto* frame = new QGroupBox(Str(233), page);
    auto* debt = new QCheckBox(Str(903), frame);
    auto* savings = new QCheckBox(Str(904), frame);
    debt->setObjectName(QStringLiteral("ChkGen0"));
    savings->setObjectName(QStringLiteral("ChkGen1"));
    m_kind = new QButtonGroup(this);
    m_kind->setExclusive(true);
    m_kind->addButton(debt, 0);
    m_kind->addButton(savings, 1);
    (values.IsSavings ? savings : debt)->setChecked(true);

    m_name = FilteredTextBox(QStringLiteral("TxtGen0"), frame);
    m_name->setText(values.Name);
    m_name->setMaxLength(kNameWidth);
    m_amount = AmountTextBox(QStringLiteral("TxtGen1"), AmountSign::Absolute, frame);
    m_amount->setText(values.Amount);
    m_startLabel = new QLabel(frame);
    m_startLabel->setObjectName(QStringLiteral("LblStart"));

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(debt);
    kinds->addWidget(savings);
    kinds->addStretch();
    auto* frameLayout = new QFormLayout(frame);
    frameLayout->addRow(kinds);
    frameLayout->addRow(Str(714), m_name);
    frameLayout->addRow(m_startLabel, m_amount);

    auto* range = new QGroupBox(Str(807), page);
    m_date = DatePicker(QStringLiteral("DtGen"), values.Start, range);
    auto* rangeLayout = new QFormLayout(range);
    rangeLayout->addRow(Str(905), m_date);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(frame);
    pageLayout->addWidget(range);
    pageLayout->addStretch();

    const EditorButtons buttons = LayOutEditor(this, tabs);

    connect(m_date, &QDateEdit::dateChanged, this, &AccountEditor::OnDateChanged);
    connect(buttons.Ok, &QPushButton::clicked, this, &AccountEditor::OnOk);
    connect(buttons.Help, &QToolButton::clicked, this, [] { ShowHelpTopic(kHelpPage); });
    const auto guardOk = [this, ok = buttons.Ok] { HoldOk(ok, NameMissing(Values()), 20004); };
    connect(m_name, &QLineEdit::textChanged, this, guardOk);
    guardOk();
    OnDateChanged();
    m_name->setFocus();
}

void AccountEditor::OnDateChanged()
{
    m_startLabel->setText(DatedLabel(718, PickedDate(m_date)));
}

DebtFormValues AccountEditor::Values() const
{
    DebtFormValues values;
    values.IsSavings = m_kind->checkedId() == 1;
    values.Name = m_name->text();
    values.Amount = m_amount->text();
    values.Start = PickedDate(m_date);
    return values;
}

void AccountEditor::OnOk()
{
    m_result = SaveDebtForm(m_mode, m_editIndex, Values());
    accept();
}

int RunDebtEditor(QWidget* parent, int mode, int editIndex)
{
    return RunListEditor<AccountEditor>(parent, mode, editIndex,
                                        Session::Get().CurrentDocument.DE.DebtsSavings.size());
}
