#include "printing/PrintJob.h"

#include "document/Session.h"
#include "platform/Prompter.h"
#include "printing/ApiPrinter.h"
#include "printing/PrinterDevice.h"
#include "resources/Strings.h"

#include <memory>

void MainWindowPrintDisplay::Begin(const QString& title)
{
    Session& s = Session::Get();
    if (s.Mode() != MainMode::Load) s.SetMode(MainMode::Load);
    s.SetProgressLine(0, title);
    s.SetProgressLine(1, QString());
}

void MainWindowPrintDisplay::Progress(const QString& line)
{
    Session::Get().SetProgressLine(1, line);
}

void MainWindowPrintDisplay::End()
{
    Session& s = Session::Get();
    s.SetProgressLine(0, QString());
    s.SetProgressLine(1, QString());
    if (s.Mode() != MainMode::Edit) s.SetMode(MainMode::Edit);
    LetInterfaceRepaint();
}

bool PrintJob(PrinterDevice& dc, const CalendarDocument& doc, const BackgroundSettings& request,
              const PrintOptions& options, PrintDisplay& display)
{
    BusyCursor busy;
    auto printer = std::make_unique<cmAPIPrinter>();
    display.Begin(Str(1509));
    LetInterfaceRepaint();
    bool ok = printer->cmPrt_DocStart(&dc, DocumentTitle(doc), 1, 1.0f, nullptr);
    if (ok) {
        const bool picture = IsPictureRequest(request);
        const QList<int> months = picture ? QList<int>{0} : PrintedMonths(options);
        for (int n = 1; n <= months.size(); ++n) {
            display.Progress(PageProgressText(n, int(months.size())));
            LetInterfaceRepaint();
            ok &= printer->cmPrinter_PageStart();
            PrintPage(*printer, doc, months[n - 1], request, options.Background);
            ok &= printer->cmPrinter_PageEnd();
        }
        ok &= printer->cmPrt_DocEnd();
    }
    display.End();
    LetInterfaceRepaint();
    return ok;
}

void PrintCalendar(const BackgroundSettings& request, PrintDisplay* fromPreview)
{
    std::unique_ptr<PrinterDevice> dc;
    if (!GetPrinterDC(dc)) return;
    const CalendarDocument& doc = Session::Get().CurrentDocument;
    if (!dc->PrepareJob(doc.FilePath)) return;
    MainWindowPrintDisplay mainWindow;
    PrintJob(*dc, doc, request, PrintOptions::FromSettings(), fromPreview ? *fromPreview : mainWindow);
}

BackgroundSettings& PrintRequest()
{
    static BackgroundSettings request;
    return request;
}

void ResetPrintRequest()
{
    PrintRequest() = BackgroundSettings();
}
