#include "app/MainWindowWiring.h"

#include "app/AlarmsWiring.h"
#include "app/EntriesTabs.h"
#include "app/HelpWiring.h"
#include "app/InterchangeWiring.h"
#include "app/PicturesWiring.h"
#include "app/PrintingWiring.h"
#include "app/PropertiesWiring.h"
#include "app/ShellCommands.h"
#include "app/SummaryWiring.h"
#include "app/SyncWiring.h"
#include "commands/DocumentCommands.h"
#include "commands/SavePartsDialog.h"
#include "document/Session.h"
#include "views/MainWindow.h"

#include <QPointer>

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
    QObject::connect(&main, &QObject::destroyed, [] { DocumentCommands::Get() = DocumentCommands(); });

    // Closing asks first; Cancel puts the window back into editing (the window does that).
    main.SaveCheck = [] { return DocumentCommands::Get().Save(false, false); };
    // A file that cannot be opened leaves the program at its logo.
    main.OpenFile = [](const QString& path) { DocumentCommands::Get().Open(path); };
    SetShellCommandHandler(ShellCommand::New, CommandGuard::MayReplace,
                           [] { DocumentCommands::Get().New(); });
    SetShellCommandHandler(ShellCommand::Open, CommandGuard::MayReplace,
                           [] { DocumentCommands::Get().Open(); });
    SetShellCommandHandler(ShellCommand::Save, CommandGuard::Editing,
                           [] { DocumentCommands::Get().SaveCommand(false); });
    SetShellCommandHandler(ShellCommand::SaveAs, CommandGuard::Editing,
                           [] { DocumentCommands::Get().SaveCommand(true); });
    // The main window shows what the step taken leaves (ChangeHistory::Restored).
    SetShellCommandHandler(ShellCommand::Undo, CommandGuard::Editing,
                           [] { Session::Get().History().Undo(); });
    SetShellCommandHandler(ShellCommand::Redo, CommandGuard::Editing,
                           [] { Session::Get().History().Redo(); });
}

void WireMainWindow(MainWindow& main)
{
    WireDocumentCommands(main);
    WireHelpCommands(main);
    ConnectShellCommands(main);
    ConnectEventsTab(main);
    ConnectDebtsTab(main);
    ConnectAutoEventsTab(main);
    ConnectBirthdaysTab(main);
    WirePrinting(main);
    ConnectSummaryTab(main);
    WireAlarms(main);
    WireOptions(main);
    WirePropertiesDialog(main);
    WireInterchange(main);
    WirePictureEditor(main);
    WireSync(main);
}
