#include "app/PropertiesWiring.h"

#include "app/ShellCommands.h"
#include "commands/DocumentCommands.h"
#include "document/Session.h"
#include "entries/Occurrences.h"
#include "properties/ApplyProperties.h"
#include "properties/PropertiesDialog.h"
#include "resources/Strings.h"
#include "views/MainWindow.h"

#include <QPointer>

void WirePropertiesDialog(MainWindow& main)
{
    const QPointer<MainWindow> window(&main);
    // New loads the month windows itself once the properties of the new document are confirmed.
    DocumentCommands::Get().EditNewDocumentProperties = [window] { return !ShowProperties(true, window); };
    // One step, the year change with everything it regenerates included.
    SetShellCommandHandler(ShellCommand::Properties, CommandGuard::Editing, [window] {
        ChangeStep step(Str(26060));
        const QString year = Session::Get().CurrentDocument.Year;
        ShowProperties(false, window);
        if (Session::Get().CurrentDocument.Year != year) step.Rename(Str(26061));
    });
    // Another year keeps the definitions and places their occurrences in it.
    PropertiesHooks& hooks = PropertiesHooks::Get();
    hooks.UpdateAutoEvents = &RunCalendarUpdate;
    hooks.UpdateBirthdays = &RunBirthdayUpdate;
    // The month windows the new settings change: in place, or under the loading picture when
    // the year changed.
    hooks.BuildMonthWindow = [window](int month) {
        if (window) window->BuildMonthWindow(month);
    };
    hooks.ReloadMonthWindows = [](const QList<int>& months) {
        DocumentCommands::Get().ReloadMonthWindows(months, {});
    };
    QObject::connect(&main, &QObject::destroyed, [] { PropertiesHooks::Get() = PropertiesHooks(); });
}
