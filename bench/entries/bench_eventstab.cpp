// The events tab and the month grid of the real main window on the heavy document (20 entries a
// day, 20 accounts): a click on a day, which selects it and refills the events list with its
// totals and balance, and a cut and paste between two days through the cell menu. Each step runs
// as a user makes it, pending window events (painting included) processed before the clock
// stops. Prints the figures; asserts nothing. Usage: bench_eventstab [runs]

#include "HeavyDocument.h"
#include "Timing.h"
#include "app/MainWindowWiring.h"
#include "commands/DocumentCommands.h"
#include "document/Session.h"
#include "entries/DayEntries.h"
#include "views/MainWindow.h"
#include "views/MonthWindow.h"
#include "views/Tabs.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <cstdio>
#include <functional>

namespace {

// Each step as a user makes it: pending window events, painting included, before the clock stops.
std::vector<double> AsAUser(int runs, const std::function<void(int)>& step)
{
    return Time(runs, [&](int i) {
        step(i);
        QApplication::processEvents();
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietPlatform);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(2, atoi(argv[1])) : 200;
    MonthWindow::MenusBlock = false;

    Session& s = Session::Get();
    MainWindow main;
    for (int m = 1; m <= 12; ++m) main.MonthWindowFor(m);
    WireMainWindow(main);
    main.resize(1280, 1000);
    main.show();
    s.CurrentDocument = MakeHeavyDocument(2026);
    s.SetModified(PartAll, false);
    s.SavedDocument = s.CurrentDocument;
    DocumentCommands::Get().LoadIntoMonthWindows();
    main.SetCurrentTab(TabEvents);
    main.ShowMonth(6);
    MonthGrid* grid = main.ExistingMonthWindow(6)->Grid();
    QMenu* menu = main.ExistingMonthWindow(6)->Menu();
    QApplication::processEvents();

    const auto cellOf = [](int day) { return CellOfDate(MakeDate(day, 6, 2026)); };
    const auto dayCentre = [&](int day) {
        return grid->ToPixels(MonthLayout::DayLabel(cellOf(day))).center();
    };
    const auto lineCentre = [&](int day, int line) {
        return grid->ToPixels(MonthLayout::LineLabel(cellOf(day), line)).center();
    };
    std::printf("Heavy document: %d accounts, 20 entries a day; June 2026 in front, events tab open\n",
                int(s.CurrentDocument.DE.DECount()));

    Report("click on a day: select, refill list, totals, balance",
           AsAUser(runs, [&](int i) { QTest::mouseClick(grid, Qt::LeftButton, {}, dayCentre(1 + i % 30)); }),
           16);
    if (main.Events()->List()->count() != 20)
        std::printf("unexpected list of %d lines\n", main.Events()->List()->count());

    // Back and forth between the 3rd and the 17th so that both days keep their size; the 17th is
    // the selected day, so its list is refilled after each paste.
    QTest::mouseClick(grid, Qt::LeftButton, {}, dayCentre(17));
    MonthWindow* june = main.ExistingMonthWindow(6);
    Report("cut on one day, paste on another (menus, list, cells)",
           AsAUser(runs,
                   [&](int i) {
                       const int from = i % 2 ? 17 : 3, to = i % 2 ? 3 : 17;
                       QTest::mouseClick(grid, Qt::RightButton, {}, lineCentre(from, 2));
                       june->MenuAction(MenuCut)->trigger();
                       menu->hide();
                       QTest::mouseClick(grid, Qt::RightButton, {}, lineCentre(to, 6));
                       june->MenuAction(MenuPaste)->trigger();
                       menu->hide();
                   }),
           16);
    // What the two menus themselves take of that: opened and closed, nothing chosen.
    Report("  of which the cell menu opened and closed twice",
           AsAUser(runs,
                   [&](int) {
                       for (int k = 0; k < 2; ++k) {
                           QTest::mouseClick(grid, Qt::RightButton, {}, lineCentre(3, 2));
                           menu->hide();
                       }
                   }),
           16);
    std::printf("the two days now hold %d and %d entries\n", int(DayOf(6, cellOf(3))->EntryCount()),
                int(DayOf(6, cellOf(17))->EntryCount()));
    std::printf("peak memory %ld KiB\n", PeakMemoryKiB());
    s.SetMode(MainMode::Unload);
    return 0;
}
