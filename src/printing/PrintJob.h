#pragma once
// A whole print job: every selected month in collated copies, or one picture page, on the
// chosen printer, with its progress shown by the preview or by the main window's loading lines.

#include "document/CalendarDocument.h"
#include "printing/CalendarPages.h"

#include <QString>

class PrinterDevice;

// Where a job shows its progress.
class PrintDisplay
{
public:
    virtual ~PrintDisplay() = default;
    virtual void Begin(const QString& title) = 0; // 1509 "Impression du calendrier, ..."
    virtual void Progress(const QString& line) = 0;
    virtual void End() = 0;
};

// The main window's loading picture: mode "Load" while the job runs, "Edit" after it.
class MainWindowPrintDisplay : public PrintDisplay
{
public:
    void Begin(const QString& title) override;
    void Progress(const QString& line) override;
    void End() override;
};

// Prints the job on dc; false when a step of the printer failed and was not ignored.
bool PrintJob(PrinterDevice& dc, const CalendarDocument& doc, const BackgroundSettings& request,
              const PrintOptions& options, PrintDisplay& display);

// The job of the current document with the settings in memory, on the printer GetPrinterDC
// gives (a PDF file is asked for first); from the preview when display is its printing panel.
void PrintCalendar(const BackgroundSettings& request, PrintDisplay* fromPreview = nullptr);

// The print request of the open preview: empty for the calendar, or the picture to print.
BackgroundSettings& PrintRequest();
// Back to an empty request: mode 0, no path, no picture.
void ResetPrintRequest();
