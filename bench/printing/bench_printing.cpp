// Printing the heavy document: its twelve months into a PDF file, and one preview page at
// 100 % (the month with the busiest days, its background picture stretched).
//   bench_printing [RUNS]   (default 7; the median run of each measure is printed)

#include "HeavyDocument.h"
#include "printing/ApiPrinter.h"
#include "printing/PrintJob.h"
#include "printing/PrinterDevice.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class NoDisplay : public PrintDisplay
{
public:
    void Begin(const QString&) override {}
    void Progress(const QString&) override {}
    void End() override {}
};

template <typename F> double MedianMs(int runs, F&& f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const CalendarDocument doc = MakeHeavyDocument();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("heavy.pdf"));

    PrintOptions all; // twelve months, one copy, background pictures
    NoDisplay display;
    const double pdfMs = MedianMs(runs, [&] {
        PdfPrinter printer(pdf);
        PrintJob(printer, doc, BackgroundSettings(), all, display);
    });

    double zoomMs[3] = {};
    const float zooms[3] = {0.5f, 1.0f, 2.0f};
    QImage page;
    for (int z = 0; z < 3; ++z) {
        zoomMs[z] = MedianMs(runs, [&] {
            PdfPrinter dc;
            cmAPIPrinter printer;
            printer.cmPrt_DocStart(&dc, QStringLiteral("bench"), 0, zooms[z], &page);
            PrintPage(printer, doc, 1, BackgroundSettings(), 1);
            printer.cmPrt_DocEnd();
        });
    }
    std::printf("12 months of the heavy document to PDF: %.1f ms (%lld KiB)\n", pdfMs,
                QFileInfo(pdf).size() / 1024);
    std::printf("one preview page: %.1f ms at 50 %%, %.1f ms at 100 %%, %.1f ms at 200 %%\n", zoomMs[0],
                zoomMs[1], zoomMs[2]);
    std::printf("peak memory: %ld KiB\n", PeakMemoryKiB());
    return 0;
}
