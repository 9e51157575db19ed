#include "dialogkit/AlarmControls.h"

#include "dialogkit/EditorFrame.h"
#include "resources/Strings.h"
#include "settings/AlarmSounds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

AlarmControls::AlarmControls(QWidget* parent) : QWidget(parent)
{
    m_noAlarm = new QCheckBox(Str(729), this);
    m_noAlarm->setObjectName(QStringLiteral("ChkAL"));
    const UpDownBox days = MakeUpDownBox(QStringLiteral("TxtAL"), QStringLiteral("UDAl"), this, 0,
                                         std::numeric_limits<qint32>::max());
    m_days = days.Box;
    m_sounds = new QComboBox(this);
    m_sounds->setObjectName(QStringLiteral("CmbAL"));
    m_sounds->addItems(SoundLines());
    m_testSound = new QPushButton(Str(733), this);
    m_testSound->setObjectName(QStringLiteral("CmdAL"));

    auto* show = new QLabel(Str(730), this);
    auto* daysText = new QLabel(Str(731), this);
    auto* play = new QLabel(Str(732), this);
    days.Row->addWidget(daysText);
    days.Row->addStretch();
    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(m_sounds);
    soundRow->addWidget(m_testSound);
    soundRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_noAlarm);
    layout->addWidget(show);
    layout->addLayout(days.Row);
    layout->addWidget(play);
    layout->addLayout(soundRow);
    m_dependents = {show, m_days, days.Up, days.Down, daysText, play, m_sounds};

    connect(m_noAlarm, &QCheckBox::toggled, this, &AlarmControls::UpdateStates);
    connect(m_sounds, &QComboBox::currentIndexChanged, this, &AlarmControls::UpdateStates);
    connect(m_testSound, &QPushButton::clicked, this, [this] { TestSound(m_sounds->currentIndex()); });
    UpdateStates();
}

void AlarmControls::Show(bool alarmOff, const QString& daysBefore, int sound)
{
    m_noAlarm->setChecked(alarmOff);
    m_days->setText(daysBefore);
    m_sounds->setCurrentIndex(sound);
    UpdateStates();
}

bool AlarmControls::AlarmOff() const
{
    return m_noAlarm->isChecked();
}

QString AlarmControls::DaysBefore() const
{
    return m_days->text();
}

int AlarmControls::Sound() const
{
    return m_sounds->currentIndex();
}

void AlarmControls::UpdateStates()
{
    const bool on = !m_noAlarm->isChecked();
    for (QWidget* w : m_dependents) w->setEnabled(on);
    m_testSound->setEnabled(on && m_sounds->currentIndex() > 0);
}
