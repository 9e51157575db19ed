#include "interchange/IcsImport.h"

#include "entries/DayEntries.h"
#include "entries/ListOps.h"

#include <QSet>
#include <algorithm>

namespace {

struct Landing
{
    DateRec Date;
    qint64 Day; // days since 1970, to sort by
    int Minute;
    int Event; // place in the file
};

// Why a series that has no day in the year was left out: the reason of its first event that
// has one. A series whose days were all full is told apart (Refused).
void CountSkipped(const QList<IcsEvent>& events, SkippedEvents& skipped)
{
    QSet<int> seen;
    for (const IcsEvent& e : events)
        if (e.Fate == EventFate::Placed) seen.insert(e.Series);
    for (const IcsEvent& e : events) {
        if (seen.contains(e.Series)) continue;
        int* count = e.Fate == EventFate::NoStart       ? &skipped.NoStart
                     : e.Fate == EventFate::OutsideYear ? &skipped.OutsideYear
                     : e.Fate == EventFate::NoText      ? &skipped.NoText
                                                        : nullptr;
        if (!count) continue; // cancelled: nothing was meant to come in
        ++*count;
        seen.insert(e.Series);
    }
}

} // namespace

QList<int> IcsImportResult::ChangedMonths() const
{
    QList<int> months;
    for (const ImportedDay& d : ChangedDays)
        if (!months.contains(d.Month)) months.append(d.Month);
    std::sort(months.begin(), months.end());
    return months;
}

IcsImportResult ImportCalendar(QByteArrayView bytes, CalendarDocument& doc, const QTimeZone& local)
{
    IcsImportResult result;
    const IcsReading reading = ReadIcsEvents(bytes, doc.YearNumber(), local);
    result.Status = reading.Status;
    if (reading.Status != IcsReadStatus::Read) return result;
    result.Skipped.Unreadable = reading.BrokenEvents;

    QList<Landing> landings;
    for (int i = 0; i < reading.Events.size(); ++i)
        for (const EventDay& d : reading.Events[i].Days)
            landings.append({d.Date, DaysFromCivil(d.Date.Year, d.Date.Month, d.Date.Day), d.Minute, i});
    std::stable_sort(landings.begin(), landings.end(), [](const Landing& a, const Landing& b) {
        return a.Day != b.Day         ? a.Day < b.Day
               : a.Minute != b.Minute ? a.Minute < b.Minute
                                      : a.Event < b.Event;
    });

    QSet<int> broughtEntries;
    for (const Landing& l : landings) {
        const IcsEvent& event = reading.Events[l.Event];
        const ImportedDay day{l.Date.Month, CellOfDate(l.Date)};
        if (!ListOps::Append(doc.Month(day.Month).Cell(day.Cell).Entries, event.Entry)) {
            ++result.Refused;
            continue;
        }
        ++result.Added;
        result.CharactersReplaced = result.CharactersReplaced || event.CharactersReplaced;
        broughtEntries.insert(event.Series);
        if (result.ChangedDays.isEmpty() || result.ChangedDays.last() != day) result.ChangedDays.append(day);
    }
    result.Events = int(broughtEntries.size());
    CountSkipped(reading.Events, result.Skipped);
    return result;
}
