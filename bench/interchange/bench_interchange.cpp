// Export and import on the heavy document (10,080 entries): the year to iCalendar, its budget
// to CSV, and that iCalendar file imported into an empty year; then a calendar of the size and
// kind people export from a busy web calendar (1.6 MB, 5,000 events) imported into an empty
// year. Prints the figures; asserts nothing. Usage: bench_interchange [runs]

#include "HeavyDocument.h"
#include "PublishedCalendar.h"
#include "Timing.h"
#include "interchange/BudgetCsv.h"
#include "interchange/IcsExport.h"
#include "interchange/IcsImport.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace {

int ImportIntoEmptyYear(const QByteArray& ics, const QTimeZone& local, IcsImportResult* result = nullptr)
{
    CalendarDocument empty = BlankDocumentFrom({});
    SetDocumentDefaults(empty, 2026);
    const IcsImportResult r = ImportCalendar(ics, empty, local);
    if (result) *result = r;
    return r.Added;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const CalendarDocument doc = MakeHeavyDocument(2026);
    const QDateTime stamp = QDateTime::currentDateTimeUtc();

    QByteArray ics;
    ExportCalendar(doc, stamp); // warm the caches once
    Report("iCalendar export of the heavy document",
           Time(runs, [&](int) { ics = ExportCalendar(doc, stamp); }), 300);
    QByteArray csv;
    Report("CSV export of its money entries", Time(runs, [&](int) { csv = BudgetCsv(doc); }), 300);

    int added = 0;
    Report("iCalendar import of that export into an empty year",
           Time(runs, [&](int) { added = ImportIntoEmptyYear(ics, QTimeZone::utc()); }), 1000);
    std::printf("iCalendar file %lld bytes, %d events imported back; CSV file %lld bytes\n",
                static_cast<long long>(ics.size()), added, static_cast<long long>(csv.size()));

    const QByteArray published = PublishedCalendar();
    const QTimeZone paris("Europe/Paris");
    IcsImportResult r;
    ImportIntoEmptyYear(published, paris); // warm the zone database once
    Report("import of a published calendar (5,000 events) into a year",
           Time(runs, [&](int) { ImportIntoEmptyYear(published, paris, &r); }), 300);
    std::printf("published calendar %lld bytes: %d events brought %d entries on %lld days, %d outside "
                "the year\n",
                static_cast<long long>(published.size()), r.Events, r.Added,
                static_cast<long long>(r.ChangedDays.size()), r.Skipped.OutsideYear);
    return 0;
}
