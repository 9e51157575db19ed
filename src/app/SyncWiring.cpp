#include "app/SyncWiring.h"

#include "app/ShellCommands.h"
#include "commands/DocumentCommands.h"
#include "settings/SettingsStore.h"
#include "sync/SyncProgressBar.h"
#include "sync/SyncRunner.h"
#include "views/MainWindow.h"

#include <QStatusBar>
#include <QTimer>

void WireSync(MainWindow& main)
{
    auto* runner = new SyncRunner(&main, &main);
    runner->setObjectName(QStringLiteral("SyncRunner"));
    QStatusBar* status = main.statusBar();
    status->setSizeGripEnabled(false);
    status->addWidget(runner->Progress(), 1);
    status->hide();
    QObject::connect(runner, &SyncRunner::Started, status, &QWidget::show);
    QObject::connect(runner, &SyncRunner::Finished, status, &QWidget::hide);
    SetShellCommandHandler(ShellCommand::Sync, CommandGuard::Editing, [runner] { runner->Run(); });
    // After the command that opened or saved has returned.
    const auto automatic = [runner] {
        if (Keys::SyncAuto().ReadNumber() == 1)
            QTimer::singleShot(0, runner, [runner] { runner->Run(true); });
    };
    DocumentCommands::Get().AfterOpen = automatic;
    DocumentCommands::Get().AfterSave = automatic;
}
