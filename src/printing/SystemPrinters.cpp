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
    explicit SystemPrinter(const QPrinterInfo& info) : m_printer(info, QPrinter::HighResolution) {}

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

std::unique_ptr<PrinterDevice> OpenSystemPrinter(const QString& name)
{
    QPrinterInfo info = name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
    if (info.isNull()) info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty()) return nullptr;
        info = all.first();
    }
    return std::make_unique<SystemPrinter>(info);
}

} // namespace

void UseSystemPrinters()
{
    InstallSystemPrinters(&OpenSystemPrinter);
}
