#include "app/MainWindowWiring.h"

#include "app/EntriesTabs.h"
#include "commands/DocumentCommands.h"
#include "commands/SavePartsDialog.h"
#include "document/Session.h"
#include "views/MainWindow.h"

#include <QPointer>

namespace {

void RunShellCommand(ShellCommand command)
{
    const Session& s = Session::Get();
    DocumentCommands& commands = DocumentCommands::Get();
    const bool busy = s.RefreshInProgress;
    const bool editing = s.Mode() == MainMode::Edit && !busy;
    const bool mayReplace = s.Mode() != MainMode::Unload && !busy;
    switch (command) {
    case ShellCommand::New:
        if (mayReplace) commands.New();
        return;
    case ShellCommand::Open:
        if (mayReplace) commands.Open();
        return;
    case ShellCommand::Save:
        if (editing) commands.SaveCommand(false);
        return;
    case ShellCommand::SaveAs:
        if (editing) commands.SaveCommand(true);
        return;
    default:
        return; // printing, options, about and properties arrive with their own windows
    }
}

} // namespace

void WireDocumentCommands(MainWindow& main)
{
    DocumentCommands& commands = DocumentCommands::Get();
    const QPointer<MainWindow> window(&main);
    commands.AskSaveParts = [window](const QString& target, const QList<SavePart>& parts) {
        return SavePartsDialog::Ask(target, parts, window);
    };
    commands.BuildMonthWindow = [window](int month) {
        if (window) window->BuildMonthWindow(month);
    };
    commands.BringMonthToFront = [window](int month) {
        if (window) window->ShowMonth(month);
    };
    commands.CloseMonthWindows = [window] {
        if (window) window->CloseMonthWindows();
    };
    // The properties of a new document arrive with their dialog: until then New goes on as if
    // it were confirmed unchanged.
    commands.EditNewDocumentProperties = nullptr;
    QObject::connect(&main, &QObject::destroyed, [] { DocumentCommands::Get() = DocumentCommands(); });

    // Closing asks first; Cancel puts the window back into editing (the window does that).
    main.SaveCheck = [] { return DocumentCommands::Get().Save(false, false); };
    // A file that cannot be opened leaves the program at its logo.
    main.OpenFile = [](const QString& path) { DocumentCommands::Get().Open(path); };
    QObject::connect(&main, &MainWindow::CommandRequested, &main, &RunShellCommand);
}

void WireMainWindow(MainWindow& main)
{
    WireDocumentCommands(main);
    ConnectEventsTab(main);
    ConnectDebtsTab(main);
}
