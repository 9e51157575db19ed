#include "app/HelpWiring.h"

#include "app/ShellCommands.h"
#include "help/AboutBox.h"
#include "help/HelpViewer.h"
#include "views/MainWindow.h"

#include <QPointer>

void WireHelpCommands(MainWindow& main)
{
    const QPointer<MainWindow> window(&main);
    SetShellCommandHandler(ShellCommand::About, CommandGuard::Always, [window] { AboutBox::Show(window); });
    QObject::connect(&main, &QObject::destroyed, [] { HelpViewer::CloseIfOpen(); });
}
