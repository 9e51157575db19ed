#include "app/PrintingWiring.h"

#include "app/ShellCommands.h"
#include "options/OptionsDialog.h"
#include "printing/PrintJob.h"
#include "printing/PrintPreview.h"
#include "printing/PrinterDevice.h"
#include "printing/SystemPrinters.h"
#include "views/MainWindow.h"

#include <QPointer>

void WirePrinting(MainWindow& main)
{
    UseSystemPrinters();
    main.PrinterInstalled = &PrinterInstalled;
    const QPointer<MainWindow> window(&main);
    PrintPreview::BeforeOpening = [window] {
        if (window) window->ShowNavigationPanel(false, true);
    };
    PrintPreview::AfterClosing = [window] {
        if (window) window->UpdateCommandStates(true);
    };
    PrintPreview::ShowOptions = &ShowOptionsDialog;
    QObject::connect(&main, &QObject::destroyed, [] {
        PrintPreview::BeforeOpening = nullptr;
        PrintPreview::AfterClosing = nullptr;
        PrintPreview::ShowOptions = nullptr;
    });
    SetShellCommandHandler(ShellCommand::Preview, CommandGuard::Editing,
                           [window] { OpenPreview(BackgroundSettings(), window); });
    SetShellCommandHandler(ShellCommand::Print, CommandGuard::Editing,
                           [] { PrintCalendar(BackgroundSettings()); });
}
