// The event editor's pages and controls; their behaviour is in EventEditor.cpp.
#include "dialogkit/AlarmControls.h"
#include "dialogkit/EditorFrame.h"
#include "document/Session.h"
#include "entries/EventEditor.h"
#include "entries/EventPage.h"
#include "resources/Strings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

QWidget* EventEditor::BuildDisplayPage()
{
    auto* page = new QWidget;
    auto* colourFrame = new QGroupBox(Str(721), page);
    m_noColour = NamedCheckBox(723, QStringLiteral("ChkCol"), colourFrame);
    m_colourLabel = Named(new QLabel(Str(724), colourFrame), QStringLiteral("LblCol"));
    m_colourLabel->installEventFilter(this);
    m_swatch = Named(new QToolButton(colourFrame), QStringLiteral("PicSelCol"));
    m_swatch->setIconSize(QSize(48, 16));
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(m_colourLabel);
    colourRow->addWidget(m_swatch);
    colourRow->addStretch();
    auto* colourLayout = new QVBoxLayout(colourFrame);
    colourLayout->addWidget(m_noColour);
    colourLayout->addLayout(colourRow);

    auto* pictureFrame = new QGroupBox(Str(722), page);
    m_noPicture = NamedCheckBox(725, QStringLiteral("ChkBck0"), pictureFrame);
    m_pictureName = FilteredTextBox(QStringLiteral("TxtBck"), pictureFrame);
    m_pictureName->setReadOnly(true);
    m_choosePicture = Named(new QPushButton(Str(527), pictureFrame), QStringLiteral("CmdBck"));
    m_showPreview = NamedCheckBox(728, QStringLiteral("ChkBck1"), pictureFrame);
    m_preview = Named(new QLabel(pictureFrame), QStringLiteral("ImgBck"));
    m_preview->setFixedSize(160, 120);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_pictureName);
    nameRow->addWidget(m_choosePicture);
    auto* pictureLayout = new QVBoxLayout(pictureFrame);
    pictureLayout->addWidget(m_noPicture);
    pictureLayout->addWidget(new QLabel(Str(526), pictureFrame));
    pictureLayout->addLayout(nameRow);
    pictureLayout->addWidget(m_showPreview);
    pictureLayout->addWidget(m_preview);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(colourFrame);
    layout->addWidget(pictureFrame);
    layout->addStretch();
    return page;
}

QWidget* EventEditor::BuildAlarmPage()
{
    auto* page = new QWidget;
    m_alarm = new AlarmControls(page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_alarm);
    layout->addStretch();
    return page;
}

void EventEditor::ShowValues(const EventFormValues& v)
{
    m_general->Show(v);

    m_colour = v.Colour;
    m_noColour->setChecked(!v.SpecialColour);
    m_picturePath = v.PicturePath;
    m_picture = v.Picture;
    m_pictureName->setText(v.PicturePath);
    m_noPicture->setChecked(!v.SpecialPicture);
    m_showPreview->setChecked(v.ShowPreview);

    m_alarm->Show(!v.AlarmOn, v.DaysBefore, v.Sound);
}
