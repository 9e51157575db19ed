#include "app/AlarmsWiring.h"

#include "alarms/AlarmTimer.h"
#include "alarms/Alarms.h"
#include "alarms/AlertWindow.h"
#include "app/ShellCommands.h"
#include "commands/DocumentCommands.h"
#include "document/Session.h"
#include "options/OptionsDialog.h"
#include "resources/Strings.h"
#include "views/MainWindow.h"

#include <QPointer>

void WireAlarms(MainWindow& main)
{
    const QPointer<MainWindow> window(&main);
    const auto check = [window] {
        CheckAlarms([window](const AlarmPlace& place) {
            AlertEntry(place, [window](const AlarmPlace& p) {
                ChangeStep step(Str(26022)); // the alarm switched off or changed
                return ShowAlertWindow(window, p);
            });
        });
    };
    auto* timer = new AlarmTimer(&main);
    timer->Check = check;
    timer->Arm();
    DocumentCommands::Get().RunAlarmCheck = check;
    QObject::connect(&main, &MainWindow::ShutdownStarted, timer, &AlarmTimer::Stop);
}

void WireOptions(MainWindow& main)
{
    // New alarm settings take effect at once.
    OptionsDialog::Saved = [] {
        if (AlarmTimer* timer = AlarmTimer::Current()) timer->Arm();
    };
    QObject::connect(&main, &QObject::destroyed, [] { OptionsDialog::Saved = nullptr; });
    const QPointer<MainWindow> window(&main);
    SetShellCommandHandler(ShellCommand::Options, CommandGuard::Always, [window] {
        if (ShowOptionsDialog(window) && window) window->UpdateCommandStates(true);
    });
}
