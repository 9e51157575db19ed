#include "interchange/IcsImport.h"

#include "document/TextInput.h"
#include "entries/DayEntries.h"
#include "entries/EventForm.h"
#include "entries/ListOps.h"

#include <algorithm>

QList<int> IcsImportResult::ChangedMonths() const
{
    QList<int> months;
    for (const ImportedDay& d : ChangedDays)
        if (!months.contains(d.Month)) months.append(d.Month);
    std::sort(months.begin(), months.end());
    return months;
}

QString ImportedDescription(QStringView summary, bool* replaced)
{
    QString text;
    int kept = 0;
    bool lost = false;
    const QString line = summary.toString().simplified(); // one line: breaks and tabs become blanks
    for (qsizetype i = 0; i < line.size() && kept < kEventDescriptionLimit; ++i, ++kept) {
        const QChar c = line[i];
        if (IsTypeable(c)) {
            text += c;
            continue;
        }
        // A character beyond the first plane takes two units and gives one "?".
        if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) ++i;
        text += u'?';
        lost = true;
    }
    if (lost && replaced) *replaced = true;
    return text.trimmed();
}

IcsImportResult ImportCalendar(QByteArrayView bytes, CalendarDocument& doc, const QTimeZone& local)
{
    IcsImportResult result;
    IcsReading reading = ReadIcsOccurrences(bytes, doc.YearNumber(), local);
    result.Status = reading.Status;
    if (reading.Status != IcsReadStatus::Read) return result;

    QList<IcsOccurrence>& list = reading.Occurrences;
    std::stable_sort(list.begin(), list.end(), [](const IcsOccurrence& a, const IcsOccurrence& b) {
        const qint64 da = DaysFromCivil(a.Date.Year, a.Date.Month, a.Date.Day);
        const qint64 db = DaysFromCivil(b.Date.Year, b.Date.Month, b.Date.Day);
        return da != db ? da < db : a.Minute != b.Minute ? a.Minute < b.Minute : a.Order < b.Order;
    });
    for (const IcsOccurrence& o : list) {
        const QString text = ImportedDescription(o.Summary, &result.CharactersReplaced);
        if (text.isEmpty()) continue; // nothing to show in a day
        DayEntry entry;
        entry.EntryType = EntryEvent;
        entry.Description = text;
        const ImportedDay day{o.Date.Month, CellOfDate(o.Date)};
        if (!ListOps::Append(doc.Month(day.Month).Cell(day.Cell).Entries, entry)) {
            ++result.Refused;
            continue;
        }
        ++result.Added;
        if (result.ChangedDays.isEmpty() || result.ChangedDays.last() != day) result.ChangedDays.append(day);
    }
    return result;
}
