// Rebuilding the twelve month windows from the heavy document (every cell with 20 entries,
// a picture on every month): the figure the document commands pay after every open, and the
// same with the twelve grids painted once. Usage: bench_monthwindows [runs]

#include "HeavyMonthWindows.h"
#include "document/Session.h"
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
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    Session& s = Session::Get();
    MainWindow main;
    OpenHeavyDocument(main);

    QList<double> build, painted;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        main.BuildMonthWindows();
        build.append(t.nsecsElapsed() / 1e6);
        for (int m = 1; m <= 12; ++m) main.MonthWindowFor(m)->Grid()->repaint();
        painted.append(t.nsecsElapsed() / 1e6);
    }
    std::printf("rebuilding the twelve month windows of the heavy document, %d runs (ms)\n", runs);
    std::printf(
        "  build (caption, days, colours, picture, 504 cells): median %6.2f  min %6.2f (target: under 50)\n",
        Median(build), *std::min_element(build.begin(), build.end()));
    std::printf("  build and paint all twelve grids                  : median %6.2f  min %6.2f\n",
                Median(painted), *std::min_element(painted.begin(), painted.end()));
    s.SetMode(MainMode::Unload);
    return 0;
}
