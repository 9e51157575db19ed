#include "printing/SystemPrinters.h"

#include "printing/PrinterDevice.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <cerrno>
#include <cstring>

namespace {

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

std::unique_ptr<PrinterDevice> OpenSystemPrinter(const PrinterChoice& chosen)
{
    const QString& name = chosen.Printer;
    QPrinterInfo info = name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
    if (info.isNull()) info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty()) return nullptr;
        info = all.first();
    }
    return std::make_unique<SystemPrinter>(info, chosen.Layout);
}

} // namespace

void UseSystemPrinters()
{
    InstallSystemPrinters(&OpenSystemPrinter);
}
