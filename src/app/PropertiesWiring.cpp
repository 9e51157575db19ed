#include "app/PropertiesWiring.h"

#include "app/ShellCommands.h"
#include "commands/DocumentCommands.h"
#include "entries/Occurrences.h"
#include "properties/ApplyProperties.h"
#include "properties/PropertiesDialog.h"
#include "views/MainWindow.h"

#include <QPointer>

void WirePropertiesDialog(MainWindow& main)
{
    const QPointer<MainWindow> window(&main);
    // New loads the month windows itself once the properties of the new document are confirmed.
    DocumentCommands::Get().EditNewDocumentProperties = [window] { return !ShowProperties(true, window); };
    SetShellCommandHandler(ShellCommand::Properties, CommandGuard::Editing,
                           [window] { ShowProperties(false, window); });
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
