// The summary on the heavy document (20 entries in every cell): the tab's month and two-week
// summaries computed for every day of the year, and the chart window of twelve months and three
// series from its opening to the first frame painted with its bars (the one-second wait before
// gathering left out), and to its first frame at all. Prints the figures; asserts nothing.
// Usage: bench_summary [chart runs]

#include "HeavyDocument.h"
#include "Timing.h"
#include "entries/DayEntries.h"
#include "summary/ChartWindow.h"
#include "summary/SummaryTotals.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// The first paint of a widget after a moment the caller chooses.
class PaintWatch : public QObject
{
public:
    std::function<bool()> Counts = [] { return true; };
    bool Painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && Counts()) Painted = true;
        return false;
    }
};

std::vector<double> SummaryTimes(const CalendarDocument& doc, int type)
{
    std::vector<double> ms;
    const int year = doc.YearNumber();
    volatile qint32 sink = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= DaysInMonth(year, m); ++d) {
            const DateRec date = MakeDate(d, m, year);
            QElapsedTimer t;
            t.start();
            sink = sink + ComputeSummary(doc, type, m, CellOfDate(date), date).Total;
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietPlatform);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    QTemporaryDir config; // every series and month drawn, as at a first start
    qputenv("DAYBINDER_CONFIG_HOME", config.path().toUtf8());

    const CalendarDocument doc = MakeHeavyDocument(2026);
    SummaryTimes(doc, SummaryMonth); // warm the caches once
    Report("month summary, each day of the year", SummaryTimes(doc, SummaryMonth), 2);
    Report("two-week summary, each day of the year", SummaryTimes(doc, SummaryTwoWeeks), 2);
    Report("one-week summary, each day of the year", SummaryTimes(doc, SummaryWeek), 2);

    std::vector<double> gather;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer t;
        t.start();
        const MonthlyTotals totals = GatherMonthlyTotals(doc);
        gather.push_back(double(t.nsecsElapsed()) / 1e6 + 0 * totals.Incomes[0]);
    }
    Report("chart data: the twelve months' totals", gather, 150);

    // The program has painted its windows before the chart opens: fonts and styles are loaded.
    {
        QLabel shown(QStringLiteral("Sommaire"));
        PaintWatch painted;
        shown.installEventFilter(&painted);
        shown.show();
        while (!painted.Painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    ChartWindow::GatherDelayMs = 0;
    std::vector<double> firstFrame, chartFrame;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer t;
        t.start();
        ChartWindow window(doc);
        PaintWatch any, bars;
        bars.Counts = [&window] { return window.Gathered(); };
        window.installEventFilter(&any);
        window.ChartView()->viewport()->installEventFilter(&bars);
        for (QWidget* w : window.findChildren<QWidget*>()) w->installEventFilter(&any);
        window.show();
        while (!any.Painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        firstFrame.push_back(double(t.nsecsElapsed()) / 1e6);
        while (!bars.Painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        chartFrame.push_back(double(t.nsecsElapsed()) / 1e6);
        window.reject();
        if (i == 0) {
            // The first opening of the run also sets up the chart's scene and theme.
            std::printf("%-52s %7.3f ms, bars painted %7.3f ms\n", "chart window, first opening: first frame",
                        firstFrame.back(), chartFrame.back());
            firstFrame.clear();
            chartFrame.clear();
        }
    }
    Report("chart window: opening to its first frame", firstFrame, 150);
    Report("chart window: opening to the bars painted (12 x 3)", chartFrame, 150);
    return 0;
}
