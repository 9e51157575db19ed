#include "app/HelpWiring.h"

#include "app/ShellCommands.h"
#include "help/AboutBox.h"
#include "help/FolderChooser.h"
#include "help/Help.h"
#include "help/HelpViewer.h"
#include "platform/HelpTopic.h"
#include "platform/SystemDialogs.h"
#include "views/MainWindow.h"

#include <QPointer>

void ConnectHelpViewer()
{
    SetHelpTopicHandler(&ShowHelpPage);
}

void WireHelpCommands(MainWindow& main)
{
    const QPointer<MainWindow> window(&main);
    SetShellCommandHandler(ShellCommand::About, CommandGuard::Always, [window] { AboutBox::Show(window); });
    // The folder buttons of the options pick their folders with the program's own chooser.
    SetFolderChooser([](QWidget* parent, const QString& start) -> std::optional<QString> {
        const QString chosen = ChooseFolderWithChooser(parent, start);
        return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
    });
    QObject::connect(&main, &QObject::destroyed, [] {
        HelpViewer::CloseIfOpen();
        SetHelpTopicHandler(nullptr);
        SetFolderChooser(nullptr);
    });
}
