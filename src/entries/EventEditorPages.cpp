// The event editor's pages and controls; their behaviour is in EventEditor.cpp.
#include "document/Session.h"
#include "entries/EditorFrame.h"
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

namespace {

template <class W> W* Named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

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
    m_noAlarm = NamedCheckBox(729, QStringLiteral("ChkAL"), page);
    m_days = AmountTextBox(QStringLiteral("TxtAL"), AmountSign::Absolute, page);
    m_days->setMaximumWidth(80);
    auto* up = Named(new QToolButton(page), QStringLiteral("UDAlUp"));
    auto* down = Named(new QToolButton(page), QStringLiteral("UDAlDown"));
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    m_sounds = Named(new QComboBox(page), QStringLiteral("CmbAL"));
    m_sounds->addItems(SoundLines());
    m_testSound = Named(new QPushButton(Str(733), page), QStringLiteral("CmdAL"));

    auto* show = new QLabel(Str(730), page);
    auto* daysText = new QLabel(Str(731), page);
    auto* play = new QLabel(Str(732), page);
    auto* daysRow = new QHBoxLayout;
    daysRow->addWidget(m_days);
    daysRow->addWidget(up);
    daysRow->addWidget(down);
    daysRow->addWidget(daysText);
    daysRow->addStretch();
    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(m_sounds);
    soundRow->addWidget(m_testSound);
    soundRow->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_noAlarm);
    layout->addWidget(show);
    layout->addLayout(daysRow);
    layout->addWidget(play);
    layout->addLayout(soundRow);
    layout->addStretch();
    m_alarmWidgets = {show, m_days, up, down, daysText, play, m_sounds};

    connect(up, &QToolButton::clicked, this, [this] { StepDays(1); });
    connect(down, &QToolButton::clicked, this, [this] { StepDays(-1); });
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

    m_noAlarm->setChecked(!v.AlarmOn);
    m_days->setText(v.DaysBefore);
    m_sounds->setCurrentIndex(v.Sound);
}
