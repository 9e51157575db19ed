// OK in the properties dialog after one month's colours changed, on the heavy document with the
// twelve month windows open: the document written, that month's window rebuilt (and painted),
// the others left alone. Usage: bench_properties [runs]

#include "HeavyMonthWindows.h"
#include "document/Session.h"
#include "properties/ApplyProperties.h"
#include "views/MainWindow.h"
#include "views/MonthWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 30;

    Session& s = Session::Get();
    MainWindow main;
    OpenHeavyDocument(main);
    main.BuildMonthWindows();
    QApplication::processEvents();

    QList<int> rebuilt;
    PropertiesHooks::Get().BuildMonthWindow = [&](int month) {
        rebuilt.append(month);
        main.BuildMonthWindow(month);
    };

    QList<double> ok, painted;
    for (int i = 0; i < runs; ++i) {
        const int month = 1 + i % 12;
        PropertiesWork work = PropertiesOf(s.CurrentDocument, YearChoices(2026));
        ColourSettings& colours = work.Colours[size_t(month)];
        colours.UseDefault = false;
        colours.Colour1 = (i / 12) % 2 ? 0x00FFFF : 0x80FF80;
        rebuilt.clear();
        QElapsedTimer t;
        t.start();
        const CalendarDocument before = s.CurrentDocument; // what the dialog keeps to compare
        ApplyProperties(work);
        RebuildChangedMonths(before);
        ok.append(t.nsecsElapsed() / 1e6);
        main.MonthWindowFor(month)->Grid()->repaint();
        painted.append(t.nsecsElapsed() / 1e6);
        if (rebuilt != QList<int>{month}) {
            std::printf("rebuilt %d windows instead of month %d alone\n", int(rebuilt.size()), month);
            return 1;
        }
    }
    std::printf("OK after one month's colours changed, heavy document, twelve windows open, %d runs (ms)\n",
                runs);
    std::printf(
        "  apply and rebuild that month only: median %6.2f  min %6.2f  max %6.2f (target: under 16)\n",
        Median(ok), *std::min_element(ok.begin(), ok.end()), *std::max_element(ok.begin(), ok.end()));
    std::printf("  the same and its grid painted    : median %6.2f  min %6.2f\n", Median(painted),
                *std::min_element(painted.begin(), painted.end()));
    s.SetMode(MainMode::Unload);
    return 0;
}
