// Times one alarm check over the heavy document when no alarm is due (a quarter of its 10,080
// entries have their alarm on, the clock stands before the year): what every tick of the check
// timer costs the user. Prints the figures; asserts nothing.

#include "HeavyDocument.h"
#include "Timing.h"
#include "alarms/Alarms.h"
#include "document/Session.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // the check lets the interface repaint after each day
    QTemporaryDir config;
    qputenv("DAYBINDER_CONFIG_HOME", config.path().toUtf8());
    const FixedClock clock(QDateTime(QDate(2025, 12, 1), QTime(9, 0)));
    Clock::Install(&clock);

    Session& s = Session::Get();
    s.CurrentDocument = MakeHeavyDocument(2026);
    s.SetMode(MainMode::Edit);
    int alerts = 0;
    const auto alert = [&](const AlarmPlace&) { ++alerts; };
    CheckAlarms(alert); // warm up

    Report("CheckAlarms, heavy document, none due", Time(200, [&](int) { CheckAlarms(alert); }), 2);
    Report("DueAlarms (the scan alone)",
           Time(200, [&](int) { DueAlarms(s.CurrentDocument, MakeDate(1, 12, 2025)); }), 2);
    std::printf("alerts raised: %d\n", alerts);
    Clock::Install(nullptr);
    return alerts == 0 ? 0 : 1;
}
