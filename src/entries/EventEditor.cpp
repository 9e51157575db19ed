#include "entries/EventEditor.h"

#include "calfile/CalFile.h"
#include "document/ColourValue.h"
#include "document/Session.h"
#include "entries/AlarmControls.h"
#include "entries/AmountText.h"
#include "entries/EditorFrame.h"
#include "help/Help.h"
#include "pictures/ChoosePicture.h"
#include "platform/CommonDialogs.h"
#include "resources/Strings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

// The help page of each tab.
const char* const kHelpPages[] = {"Html\\d_addev_gen.htm", "Html\\d_addev_disp.htm", "Html\\d_addev_al.htm"};

// Sets a box only when the text differs, so that two boxes following each other settle.
void SetIfDifferent(QLineEdit* box, const QString& text)
{
    if (box->text() != text) box->setText(text);
}

} // namespace

EventEditor::EventEditor(int mode, int editIndex, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_editIndex(editIndex)
{
    setObjectName(QStringLiteral("FrmAddEV"));
    setWindowTitle(DialogCaption(mode == EditorAdd ? 701 : 702));
    const Session& s = Session::Get();
    m_month = s.Selected.Month;
    m_cell = s.Selected.Cell;
    m_date = s.Selected.Date;

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TbAddEV"));
    m_tabs->addTab(BuildGeneralPage(), Str(504));
    m_tabs->addTab(BuildDisplayPage(), Str(706));
    m_tabs->addTab(BuildAlarmPage(), Str(707));

    const EditorButtons buttons = LayOutEditor(this, m_tabs);

    const DayCell* day = s.Selected.Valid() ? &s.CurrentDocument.Month(m_month).Cell(m_cell) : nullptr;
    const bool editing = mode == EditorEdit && day && editIndex >= 0 && editIndex < day->Entries.size();
    ShowValues(editing ? EventFormForEdit(s.CurrentDocument, day->Entries[editIndex]) : EventFormForAdd());

    connect(m_type, &QButtonGroup::idClicked, this, &EventEditor::OnTypeChosen);
    connect(m_description, &QLineEdit::textChanged, this, &EventEditor::OnDescriptionChanged);
    // The boxes' own amount filter has run when these read them.
    connect(m_amount, &QLineEdit::textEdited, this, &EventEditor::OnAmountEdited);
    connect(m_moveAmount, &QLineEdit::textEdited, this, &EventEditor::OnMoveAmountEdited);
    connect(m_linked, &QCheckBox::toggled, this, [this] { UpdateStates(); });
    connect(m_accounts, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    connect(m_direction, &QButtonGroup::idClicked, this, [this] { UpdatePreview(); });
    connect(m_noColour, &QCheckBox::toggled, this, [this] { UpdateStates(); });
    connect(m_swatch, &QToolButton::clicked, this, &EventEditor::ChooseColour);
    connect(m_noPicture, &QCheckBox::toggled, this, [this] { UpdateStates(); });
    connect(m_choosePicture, &QPushButton::clicked, this, &EventEditor::ChoosePictureFile);
    connect(m_showPreview, &QCheckBox::toggled, this, [this] { ShowPicturePreview(); });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { UpdateStates(); });
    connect(buttons.Ok, &QPushButton::clicked, this, &EventEditor::OnOk);
    connect(buttons.Help, &QToolButton::clicked, this, &EventEditor::ShowHelp);

    ShowSwatch();
    UpdateStates();
    m_description->setFocus();
}

EventFormValues EventEditor::Values() const
{
    EventFormValues v;
    v.Choice = m_type->checkedId();
    v.Description = m_description->text();
    v.Amount = m_amount->text();
    v.Linked = m_linked->isChecked();
    v.Account = m_accounts->currentIndex();
    v.Direction = m_direction->checkedId();
    v.MoveAmount = m_moveAmount->text();
    v.SpecialColour = !m_noColour->isChecked();
    v.Colour = m_colour;
    v.SpecialPicture = !m_noPicture->isChecked();
    v.PicturePath = m_picturePath;
    v.Picture = m_picture;
    v.ShowPreview = m_showPreview->isChecked();
    v.AlarmOn = !m_alarm->AlarmOff();
    v.DaysBefore = m_alarm->DaysBefore();
    v.Sound = m_alarm->Sound();
    return v;
}

void EventEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool EventEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_colourLabel && event->type() == QEvent::MouseButtonRelease &&
        m_colourLabel->isEnabled()) {
        ChooseColour();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void EventEditor::OnTypeChosen(int choice)
{
    m_description->setMaxLength(DescriptionLimit(choice, int(m_description->text().size())));
    SetIfDifferent(m_description, DescriptionForChoice(choice, m_description->text()));
    UpdateStates();
}

void EventEditor::OnDescriptionChanged(const QString& text)
{
    if (m_locked || m_linked->isChecked()) return;
    const int account = AccountNamed(Session::Get().CurrentDocument, text);
    if (account < 0) return;
    m_accounts->setCurrentIndex(account);
    // The movement follows the income or expense already chosen: an expense named like a debt
    // pays it down.
    if (const int choice = m_type->checkedId(); choice != ChoiceEvent) {
        const bool savings = Session::Get().CurrentDocument.DE.DebtsSavings[account].IsSavings;
        const qint32 type = choice == ChoiceIncome ? EntryIncome : EntryExpense;
        m_direction->button(DirectionOfEntry(savings, type))->setChecked(true);
    }
    m_linked->setChecked(true); // typing an account's name ties the entry to it
}

void EventEditor::OnAmountEdited()
{
    SetIfDifferent(m_moveAmount, AbsoluteAmountText(m_amount->text()));
    UpdatePreview();
}

void EventEditor::OnMoveAmountEdited()
{
    SetIfDifferent(m_amount, AbsoluteAmountText(m_moveAmount->text()));
    UpdatePreview();
}

void EventEditor::ChooseColour()
{
    if (m_noColour->isChecked()) return;
    if (const std::optional<qint32> chosen = CommonDialogs::Current().ChooseColour(m_colour)) {
        m_colour = *chosen;
        ShowSwatch();
    }
}

void EventEditor::ChoosePictureFile()
{
    const PictureChoice choice = ChoosePicture(m_picturePath);
    if (choice.Result != 1 || choice.Path.isEmpty()) return;
    m_picturePath = choice.Path;
    LoadPictureFile(choice.Path, m_picture);
    m_pictureName->setText(choice.Path);
    m_pictureName->setToolTip(choice.Path);
    ShowPicturePreview();
}

void EventEditor::ShowHelp()
{
    ShowHelpTopic(QString::fromLatin1(kHelpPages[std::clamp(m_tabs->currentIndex(), 0, 2)]));
}

void EventEditor::UpdateStates()
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
    m_before->setEnabled(linked);
    m_after->setEnabled(linked);

    const bool colour = !m_noColour->isChecked();
    m_swatch->setEnabled(colour);
    m_colourLabel->setEnabled(colour);
    const bool picture = !m_noPicture->isChecked();
    m_pictureName->setEnabled(picture);
    m_choosePicture->setEnabled(picture);
    m_showPreview->setEnabled(picture);

    ShowPicturePreview();
    UpdatePreview();
}

void EventEditor::UpdatePreview()
{
    const bool linked = m_linked->isChecked();
    const BalancePreview p = PreviewBalance(
        Session::Get().CurrentDocument, m_month, m_cell, m_date, linked ? m_accounts->currentIndex() : -1,
        m_mode == EditorEdit ? m_editIndex : -1, m_moveAmount->text(), m_direction->checkedId());
    m_beforeLabel->setText(p.BeforeLabel);
    m_afterLabel->setText(p.AfterLabel);
    m_before->setText(p.Before);
    m_after->setText(p.After);
}

void EventEditor::ShowSwatch()
{
    QPixmap swatch(m_swatch->iconSize());
    swatch.fill(ToQColor(m_colour));
    QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    m_swatch->setIcon(QIcon(swatch));
}

void EventEditor::ShowPicturePreview()
{
    const bool visible = !m_noPicture->isChecked() && m_showPreview->isChecked() && !m_picturePath.isEmpty();
    m_preview->setVisible(visible);
    if (!visible) return;
    if (m_picture.isNull()) {
        m_preview->setPixmap({});
        m_preview->setText(Str(541));
        return;
    }
    m_preview->setPixmap(QPixmap::fromImage(
        m_picture.scaled(m_preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void EventEditor::OnOk()
{
    m_result = SaveEventForm(m_mode, m_month, m_cell, m_editIndex, Values());
    accept();
}

int RunEventEditor(QWidget* parent, int mode, int editIndex)
{
    const Session& s = Session::Get();
    if (!s.Selected.Valid()) return 0;
    if (mode == EditorEdit) {
        const DayCell& day = s.CurrentDocument.Month(s.Selected.Month).Cell(s.Selected.Cell);
        if (editIndex < 0 || editIndex >= day.Entries.size()) return 0;
    }
    EventEditor dialog(mode, editIndex, parent);
    dialog.exec();
    return dialog.Result();
}
