#pragma once
// A printer as the printing code sees it: its paper and printable area, and, for a print job,
// the device the pages are painted on. A PDF file counts as a printer: it is there when the
// system has none, and the headless tool prints into one.

#include "platform/CommonDialogs.h"

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

class QPaintDevice;

// What went wrong at the platform: a number (errno for files) and its description.
struct PrinterFault
{
    qint32 Number = 0;
    QString Description;
};

class PrinterDevice
{
public:
    virtual ~PrinterDevice() = default;

    // The paper and its margins (what the printer cannot print on), in any unit.
    virtual QPageLayout PageLayout() const = 0;

    // Asked once before a job of the document at documentPath starts; false when the user gave
    // it up (no PDF file chosen).
    virtual bool PrepareJob(const QString& /*documentPath*/) { return true; }

    // Starts a job: the device its pages are painted on, whose origin is the top-left corner
    // of the printable area; nullptr with the fault when it cannot start.
    virtual QPaintDevice* BeginJob(const QString& title, PrinterFault* fault) = 0;
    // A new sheet while painting (every page after the first).
    virtual bool NewPage(PrinterFault* fault) = 0;
    // After the painter has ended: the job is handed over (the file is complete on disk).
    virtual bool EndJob(PrinterFault* fault) = 0;
};

// Pages written into a PDF file, on the paper chosen in the printer set-up, else on A4 (Letter in
// a US locale) with margins of kPdfMarginMm, so that the file prints again on paper without
// losing an edge.
class PdfPrinter : public PrinterDevice
{
public:
    static constexpr double kPdfMarginMm = 5.0;

    // An empty path is asked for with the save dialog when a job is prepared; a layout that is
    // not valid is the default paper.
    explicit PdfPrinter(QString path = {}, QPageLayout layout = {});
    ~PdfPrinter() override;

    QString Path() const { return m_path; }

    QPageLayout PageLayout() const override;
    bool PrepareJob(const QString& documentPath) override;
    QPaintDevice* BeginJob(const QString& title, PrinterFault* fault) override;
    bool NewPage(PrinterFault* fault) override;
    bool EndJob(PrinterFault* fault) override;

private:
    struct Job;
    QString m_path;
    QPageLayout m_layout;
    std::unique_ptr<Job> m_job;
};

// The paper of the PDF printer: Letter where the locale measures in inches (US), else A4.
QPageSize DefaultPaperSize();

// The system's printers, installed by the program (the headless tool has none): the chosen
// printer with the chosen paper, or the system's default one when the name is empty or not
// installed; nullptr when the system has no printer.
using SystemPrinterOpener = std::function<std::unique_ptr<PrinterDevice>(const PrinterChoice& chosen)>;
void InstallSystemPrinters(SystemPrinterOpener opener);

// The printer to use, as the options' printer set-up chose it ("ChosenPrinter": printer, paper,
// orientation, output file), else the default one; the PDF printer when the system has none or
// a file was chosen. Never empty, so it returns true: a PDF file always serves.
bool GetPrinterDC(std::unique_ptr<PrinterDevice>& dc);

// Whether Print and Preview can run: always, a PDF file always serves.
bool PrinterInstalled();
