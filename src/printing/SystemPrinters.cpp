#include "printing/SystemPrinters.h"

#include "platform/Modules.h"
#include "printing/PrinterDevice.h"

namespace {

// The system's printers come from the printers module, loaded at the first one opened; without
// it the program has no system printer, as on a machine that has none.
std::unique_ptr<PrinterDevice> OpenSystemPrinter(const PrinterChoice& chosen)
{
    using Open = PrinterDevice* (*)(const PrinterChoice&);
    if (const auto open = ModuleFunctionAs<Open>("printers", "daybinder_open_system_printer"))
        return std::unique_ptr<PrinterDevice>(open(chosen));
    return nullptr;
}

} // namespace

void UseSystemPrinters()
{
    InstallSystemPrinters(&OpenSystemPrinter);
}
