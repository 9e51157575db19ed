#include "interchange/YearEntries.h"

#include "entries/DayEntries.h"
#include "resources/Strings.h"

void ForEachYearEntry(const CalendarDocument& doc,
                      const std::function<void(const DateRec&, int, const DayEntry&)>& visit)
{
    const int year = doc.YearNumber();
    for (int m = 1; m <= 12; ++m) {
        const MonthData& month = doc.Month(m);
        const int firstCell = CellOfDate(MakeDate(1, m, year));
        for (int d = 1; d <= DaysInMonth(year, m); ++d) {
            const int cell = firstCell + d - 1;
            if (!ValidCell(cell)) continue;
            const QList<DayEntry>& entries = month.Cell(cell).Entries;
            const DateRec date = MakeDate(d, m, year);
            for (int i = 0; i < entries.size(); ++i) visit(date, i, entries[i]);
        }
    }
}

QString EntryCategory(const DayEntry& entry)
{
    switch (entry.EntryType) {
    case EntryEvent:
        return Str(10023);
    case EntryIncome:
        return Str(10021);
    case EntryExpense:
        return Str(10022);
    }
    return {};
}
