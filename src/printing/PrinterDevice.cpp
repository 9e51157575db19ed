#include "printing/PrinterDevice.h"

#include "document/Paths.h"
#include "platform/CommonDialogs.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <cerrno>

namespace {

SystemPrinterOpener& SystemPrinters()
{
    static SystemPrinterOpener opener;
    return opener;
}

// The file's own message, with the system's error number when it left one.
PrinterFault FileFault(const QFileDevice& file, int number)
{
    return {number ? number : qint32(file.error()), file.errorString()};
}

} // namespace

QPageSize DefaultPaperSize()
{
    // The system's locale: the program's own is French, whatever the country's paper.
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

// A job writes through a temporary file that replaces the chosen one only when complete, so
// that a failed job leaves an existing file as it was.
struct PdfPrinter::Job
{
    QSaveFile File;
    std::unique_ptr<QPdfWriter> Writer;
};

PdfPrinter::PdfPrinter(QString path, QPageLayout layout)
    : m_path(std::move(path)), m_layout(std::move(layout))
{}

PdfPrinter::~PdfPrinter() = default;

QPageLayout PdfPrinter::PageLayout() const
{
    if (m_layout.isValid()) return m_layout;
    const double m = kPdfMarginMm;
    return QPageLayout(DefaultPaperSize(), QPageLayout::Portrait, QMarginsF(m, m, m, m),
                       QPageLayout::Millimeter);
}

bool PdfPrinter::PrepareJob(const QString& documentPath)
{
    if (!m_path.isEmpty()) return true;
    FileDialogRequest r;
    r.Filter = Str(10053);
    r.FilterIndex = 2;
    r.DefaultExtension = QStringLiteral("pdf");
    r.OverwritePrompt = true;
    if (!documentPath.isEmpty()) {
        r.InitialFolder = FolderOf(documentPath);
        r.FileName = QFileInfo(documentPath).completeBaseName() + QStringLiteral(".pdf");
    } else {
        r.InitialFolder = FolderWithoutMark(Settings::Get().CalSave);
    }
    const std::optional<QString> chosen = CommonDialogs::Current().SaveFile(r);
    if (!chosen) return false;
    m_path = *chosen;
    return true;
}

QPaintDevice* PdfPrinter::BeginJob(const QString& title, PrinterFault* fault)
{
    m_job = std::make_unique<Job>();
    m_job->File.setFileName(m_path);
    errno = 0;
    if (m_path.isEmpty() || !m_job->File.open(QIODevice::WriteOnly)) {
        const int number = errno;
        *fault = FileFault(m_job->File, number);
        m_job.reset();
        return nullptr;
    }
    m_job->Writer = std::make_unique<QPdfWriter>(&m_job->File);
    m_job->Writer->setPageLayout(PageLayout());
    m_job->Writer->setTitle(title);
    m_job->Writer->setCreator(QStringLiteral("Daybinder"));
    return m_job->Writer.get();
}

bool PdfPrinter::NewPage(PrinterFault* fault)
{
    if (!m_job) return false;
    errno = 0;
    if (m_job->Writer->newPage()) return true;
    *fault = FileFault(m_job->File, errno);
    return false;
}

bool PdfPrinter::EndJob(PrinterFault* fault)
{
    if (!m_job) return true;
    m_job->Writer.reset();
    if (m_job->File.pos() == 0) {
        // A job without a page: nothing to write, and an existing file stays as it is.
        m_job->File.cancelWriting();
        m_job.reset();
        return true;
    }
    errno = 0;
    const bool committed = m_job->File.commit();
    if (!committed) *fault = FileFault(m_job->File, errno);
    m_job.reset();
    return committed;
}

void InstallSystemPrinters(SystemPrinterOpener opener)
{
    SystemPrinters() = std::move(opener);
}

bool GetPrinterDC(std::unique_ptr<PrinterDevice>& dc)
{
    dc.reset();
    const PrinterChoice& chosen = Settings::Get().ChosenPrinter;
    if (const SystemPrinterOpener& open = SystemPrinters(); open && chosen.OutputFile.isEmpty())
        dc = open(chosen);
    if (!dc) dc = std::make_unique<PdfPrinter>(chosen.OutputFile, chosen.Layout);
    return true;
}

bool PrinterInstalled()
{
    return true;
}
