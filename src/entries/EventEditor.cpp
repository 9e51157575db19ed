#include "entries/EventEditor.h"

#include "calfile/CalFile.h"
#include "dialogkit/AlarmControls.h"
#include "dialogkit/EditorFrame.h"
#include "dialogkit/PictureChoice.h"
#include "document/AmountText.h"
#include "document/ColourValue.h"
#include "document/Session.h"
#include "entries/EventPage.h"
#include "entries/ListEditor.h"
#include "platform/CommonDialogs.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

// The help page of each tab.
const char* const kHelpPages[] = {"Html\\d_addev_gen.htm", "Html\\d_addev_disp.htm", "Html\\d_addev_al.htm"};

} // namespace

EventEditor::EventEditor(int mode, int editIndex, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_editIndex(editIndex)
{
    setObjectName(QStringLiteral("FrmAddEV"));
    setWindowTitle(DialogCaption(mode == EditorAdd ? 701 : 702));
    const Session& s = Session::Get();
    m_month = s.Selected.Month;
    m_cell = s.Selected.Cell;

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TbAddEV"));
    m_general = new EventPage(true, m_tabs);
    m_general->SetPreviewDay(m_month, m_cell, s.Selected.Date, mode == EditorEdit ? editIndex : -1);
    m_tabs->addTab(m_general, Str(504));
    m_tabs->addTab(BuildDisplayPage(), Str(706));
    m_tabs->addTab(BuildAlarmPage(), Str(707));

    const EditorButtons buttons = LayOutEditor(this, m_tabs);

    const DayCell* day = s.Selected.Valid() ? &s.CurrentDocument.Month(m_month).Cell(m_cell) : nullptr;
    const bool editing = mode == EditorEdit && day && editIndex >= 0 && editIndex < day->Entries.size();
    ShowValues(editing ? EventFormForEdit(s.CurrentDocument, day->Entries[editIndex]) : EventFormForAdd());

    connect(m_noColour, &QCheckBox::toggled, this, [this] { UpdateStates(); });
    connect(m_swatch, &QToolButton::clicked, this, &EventEditor::ChooseColour);
    connect(m_noPicture, &QCheckBox::toggled, this, [this] { UpdateStates(); });
    connect(m_choosePicture, &QPushButton::clicked, this, &EventEditor::ChoosePictureFile);
    connect(m_showPreview, &QCheckBox::toggled, this, [this] { ShowPicturePreview(); });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { UpdateStates(); });
    connect(m_tabs, &QTabWidget::currentChanged, m_general, &EventPage::UpdateStates);
    connect(buttons.Ok, &QPushButton::clicked, this, &EventEditor::OnOk);
    connect(buttons.Help, &QToolButton::clicked, this, &EventEditor::ShowHelp);

    ShowSwatch();
    UpdateStates();
    m_general->GuardOk(buttons.Ok);
    m_general->DescriptionBox()->setFocus();
}

EventFormValues EventEditor::Values() const
{
    EventFormValues v;
    static_cast<EventPageValues&>(v) = m_general->Values();
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

bool EventEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_colourLabel && event->type() == QEvent::MouseButtonRelease &&
        m_colourLabel->isEnabled()) {
        ChooseColour();
        return true;
    }
    return QDialog::eventFilter(watched, event);
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
    const PictureChoice choice = AskForPicture(m_picturePath);
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
    const bool colour = !m_noColour->isChecked();
    m_swatch->setEnabled(colour);
    m_colourLabel->setEnabled(colour);
    const bool picture = !m_noPicture->isChecked();
    m_pictureName->setEnabled(picture);
    m_choosePicture->setEnabled(picture);
    m_showPreview->setEnabled(picture);

    ShowPicturePreview();
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
    // Scaled to the screen's pixels, not the box's, so that it stays sharp on a dense screen.
    const qreal ratio = m_preview->devicePixelRatioF();
    QImage shown = m_picture.scaled(m_preview->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    m_preview->setPixmap(QPixmap::fromImage(shown));
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
    const DayCell& day = s.CurrentDocument.Month(s.Selected.Month).Cell(s.Selected.Cell);
    return RunListEditor<EventEditor>(parent, mode, editIndex, day.Entries.size());
}
