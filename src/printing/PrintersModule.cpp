// The printers module the program loads when it first prints to, or sets up, a system printer:
// Qt's print support stays out of every start.

#include "platform/CommonDialogs.h"
#include "printing/PrinterDevice.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cerrno>
#include <cstring>

namespace {

// A printer of the system behind the printing code's printer seam.
class SystemPrinter : public PrinterDevice
{
public:
    SystemPrinter(const QPrinterInfo& info, const QPageLayout& layout)
        : m_printer(info, QPrinter::HighResolution)
    {
        if (layout.isValid()) m_printer.setPageLayout(layout);
    }

    QPageLayout PageLayout() const override { return m_printer.pageLayout(); }

    QPaintDevice* BeginJob(const QString& title, PrinterFault*) override
    {
        m_printer.setDocName(title);
        return &m_printer;
    }

    bool NewPage(PrinterFault* fault) override
    {
        errno = 0;
        if (m_printer.newPage()) return true;
        *fault = LastFault();
        return false;
    }

    bool EndJob(PrinterFault* fault) override
    {
        if (m_printer.printerState() != QPrinter::Error) return true;
        *fault = LastFault();
        return false;
    }

private:
    static PrinterFault LastFault()
    {
        const int number = errno;
        return {number, number ? QString::fromLocal8Bit(std::strerror(number)) : QString()};
    }

    QPrinter m_printer;
};

} // namespace

extern "C" Q_DECL_EXPORT PrinterDevice* daybinder_open_system_printer(const PrinterChoice& chosen)
{
    const QString& name = chosen.Printer;
    QPrinterInfo info = name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
    if (info.isNull()) info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty()) return nullptr;
        info = all.first();
    }
    return new SystemPrinter(info, chosen.Layout);
}

// The system's printer set-up dialog; false when the user cancels it.
extern "C" Q_DECL_EXPORT bool daybinder_setup_printer(const PrinterChoice& current, QWidget* parent,
                                                      PrinterChoice* chosen)
{
    QPrinter printer;
    if (!current.Printer.isEmpty()) printer.setPrinterName(current.Printer);
    if (!current.OutputFile.isEmpty()) printer.setOutputFileName(current.OutputFile);
    if (current.Layout.isValid()) printer.setPageLayout(current.Layout);
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return false;
    *chosen = PrinterChoice();
    chosen->Layout = printer.pageLayout();
    if (printer.outputFormat() == QPrinter::PdfFormat)
        chosen->OutputFile = printer.outputFileName();
    else
        chosen->Printer = printer.printerName();
    return true;
}
