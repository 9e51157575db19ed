#include "app/SyncWiring.h"

#include "app/ShellCommands.h"
#include "commands/DocumentCommands.h"
#include "settings/SettingsStore.h"
#include "sync/SyncProgressBar.h"
#include "sync/SyncRunner.h"
#include "views/MainWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <memory>

void WireSync(MainWindow& main)
{
    auto* runner = new SyncRunner(&main, &main);
    runner->setObjectName(QStringLiteral("SyncRunner"));
    QStatusBar* status = main.statusBar();
    status->setSizeGripEnabled(false);
    status->addWidget(runner->Progress(), 1);
    status->hide();
    // The loading picture covers the month windows meanwhile: the one in front stays in front.
    auto front = std::make_shared<QPointer<QMdiSubWindow>>();
    QObject::connect(runner, &SyncRunner::Started, status, [&main, status, front] {
        *front = main.MdiArea()->activeSubWindow();
        status->show();
    });
    QObject::connect(runner, &SyncRunner::Finished, status, [&main, status, front] {
        status->hide();
        if (*front) main.MdiArea()->setActiveSubWindow(*front);
    });
    SetShellCommandHandler(ShellCommand::Sync, CommandGuard::Editing, [runner] { runner->Run(); });
    // After the command that opened or saved has returned.
    const auto automatic = [runner] {
        if (Keys::SyncAuto().ReadNumber() == 1)
            QTimer::singleShot(0, runner, [runner] { runner->Run(true); });
    };
    DocumentCommands::Get().AfterOpen = automatic;
    DocumentCommands::Get().AfterSave = automatic;
}
