#include "app/ShellCommands.h"

#include "document/Session.h"
#include "help/Help.h"
#include "views/MainWindow.h"

#include <map>
#include <set>

namespace {

struct Handler
{
    CommandGuard Guard = CommandGuard::Editing;
    std::function<void()> Run;
};

std::map<ShellCommand, Handler>& Handlers()
{
    static std::map<ShellCommand, Handler> handlers;
    return handlers;
}

bool GuardAllows(CommandGuard guard)
{
    const Session& s = Session::Get();
    switch (guard) {
    case CommandGuard::Always:
        return true;
    case CommandGuard::MayReplace:
        // Not while a document is being read or written: the windows answer meanwhile.
        return s.Mode() != MainMode::Unload && s.Mode() != MainMode::Load && !s.RefreshInProgress;
    case CommandGuard::Editing:
        return s.Mode() == MainMode::Edit && !s.RefreshInProgress;
    }
    return false;
}

} // namespace

void SetShellCommandHandler(ShellCommand command, CommandGuard guard, std::function<void()> handler)
{
    if (handler)
        Handlers()[command] = {guard, std::move(handler)};
    else
        Handlers().erase(command);
}

bool HasShellCommandHandler(ShellCommand command)
{
    return Handlers().count(command) != 0;
}

void RunShellCommand(ShellCommand command)
{
    const auto it = Handlers().find(command);
    if (it == Handlers().end() || !GuardAllows(it->second.Guard)) return;
    // A command still running (its dialog about to show, say) is not started a second time.
    static std::set<ShellCommand> running;
    if (!running.insert(command).second) return;
    // A copy: the handler may replace the handlers (a new main window).
    const std::function<void()> run = it->second.Run;
    run();
    running.erase(command);
}

void ConnectShellCommands(MainWindow& main)
{
    main.CommandAvailable = &HasShellCommandHandler;
    main.HelpAvailable = [] { return !HelpPageFile(QStringLiteral("Html\\index.htm")).isEmpty(); };
    QObject::connect(&main, &MainWindow::CommandRequested, &main, &RunShellCommand);
    QObject::connect(&main, &QObject::destroyed, [] { Handlers().clear(); });
    main.UpdateCommandStates(true);
}
