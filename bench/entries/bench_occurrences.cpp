// Times the calendar update and the birthday update on the heavy document (50 auto-events, 10
// of them daily, 100 birthdays, 20 entries a day): once with every occurrence to place, once
// with nothing left to change. Prints the figures; asserts nothing.

#include "HeavyDocument.h"
#include "document/Session.h"
#include "entries/Occurrences.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Wall-clock and this thread's processor time of each run, in milliseconds. On a machine shared
// with other work the processor time says what the update costs; the wall clock what it took.
struct Runs
{
    std::vector<double> Wall;
    std::vector<double> Cpu;
};

double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void Report(const char* what, Runs runs, double target)
{
    for (std::vector<double>* v : {&runs.Wall, &runs.Cpu}) std::sort(v->begin(), v->end());
    const size_t n = runs.Wall.size();
    std::printf(
        "%-52s n=%zu  wall median %5.2f ms, max %5.2f ms;  cpu median %5.2f ms, max %5.2f ms  (target < %.0f "
        "ms)\n",
        what, n, runs.Wall[n / 2], runs.Wall.back(), runs.Cpu[n / 2], runs.Cpu.back(), target);
}

// Each run starts from a fresh copy of start made before the clock starts; the update pays for
// the copy's days it changes, as the program does after opening (the saved copy shares them).
Runs Time(int runs, const CalendarDocument& start, const std::function<void(CalendarDocument&)>& step)
{
    Runs r;
    QElapsedTimer t;
    for (int i = 0; i < runs; ++i) {
        CalendarDocument doc = start;
        const double cpu = ThreadCpuMs();
        t.start();
        step(doc);
        r.Wall.push_back(double(t.nsecsElapsed()) / 1e6);
        r.Cpu.push_back(ThreadCpuMs() - cpu);
    }
    return r;
}

void BothUpdates(CalendarDocument& doc)
{
    UpdateAutoEvents(doc);
    UpdateBirthdays(doc);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const CalendarDocument heavy = MakeHeavyDocument(2026);
    CalendarDocument updated = heavy;
    const UpdatedDays ae = UpdateAutoEvents(updated);
    const UpdatedDays bd = UpdateBirthdays(updated);
    int daily = 0;
    for (const AutoEventDef& a : heavy.AE.AutoEvents) daily += a.Kind == KindDaily;
    std::printf(
        "Heavy document: %d auto-events (%d daily), %d birthdays; the update places %d + %d occurrences\n",
        int(heavy.AE.AECount()), daily, int(heavy.BD.BDCount()), ae.Added, bd.Added);

    Report("calendar + birthday update, everything to place", Time(100, heavy, BothUpdates), 8);
    Report("calendar + birthday update, nothing to change", Time(100, updated, BothUpdates), 4);

    // The same on the open document: the months marked modified, the cells told to redraw.
    Session& s = Session::Get();
    const auto open = [&](CalendarDocument& doc) {
        std::swap(s.CurrentDocument, doc); // the copy replaced goes after the clock stops
        RunCalendarUpdate();
        RunBirthdayUpdate();
    };
    Report("the same on the open document, everything to place", Time(100, heavy, open), 8);
    Report("the same on the open document, nothing to change", Time(100, updated, open), 4);
    return 0;
}
