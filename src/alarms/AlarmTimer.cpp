#include "alarms/AlarmTimer.h"

#include "document/Session.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "settings/SettingsStore.h"

namespace {
AlarmTimer* g_current = nullptr;
} // namespace

AlarmTimer::AlarmTimer(QObject* parent) : QObject(parent)
{
    m_timer.setObjectName(QStringLiteral("TmALCheck"));
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &AlarmTimer::Tick);
    g_current = this;
}

AlarmTimer::~AlarmTimer()
{
    if (g_current == this) g_current = nullptr;
}

AlarmTimer* AlarmTimer::Current()
{
    return g_current;
}

void AlarmTimer::Arm()
{
    const qint16 interval = AlarmInterval();
    if (interval == -1) {
        m_timer.stop();
        return;
    }
    m_nextCheck = Clock::Current().Now().addSecs(qint64(interval) * 60);
    m_timer.start();
}

void AlarmTimer::Tick()
{
    if (AlarmInterval() == -1) {
        m_timer.stop();
        return;
    }
    const QDateTime now = Clock::Current().Now();
    if (now < m_nextCheck) return;
    // Off while the alerts of this check are open, so that none comes twice.
    m_timer.stop();
    if (Check) Check();
    LetInterfaceRepaint();
    if (Session::Get().Mode() == MainMode::Unload) return; // the program ended during the alerts
    Arm();
}
