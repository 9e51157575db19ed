#include "entries/Occurrences.h"

#include "document/Session.h"
#include "entries/DayEntries.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"

#include <QSet>
#include <algorithm>

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kTwoWeeks = 14;

int CellPosition(int month, int cell)
{
    return (month - 1) * kCellCount + (cell - kFirstCell);
}

qint64 Serial(const DateRec& d)
{
    const DateRec n = DateSerial(d.Year, d.Month, d.Day); // a file may hold 31 February
    return DaysFromCivil(n.Year, n.Month, n.Day);
}

// The day of a month, or its last day when the month is shorter.
DateRec Clamped(int day, int month, int year)
{
    return MakeDate(std::min(day, DaysInMonth(year, month)), month, year);
}

// Every step-th day of the year from the first day of the year at or after `from`.
void AddSeries(QList<DateRec>& dates, int year, qint64 from, int step)
{
    const qint64 first = DaysFromCivil(year, 1, 1);
    const qint64 last = DaysFromCivil(year, 12, 31);
    if (from < first) from += (first - from + step - 1) / step * step;
    const DateRec newYear = MakeDate(1, 1, year);
    for (qint64 s = from; s <= last; s += step) dates.append(AddDays(newYear, qint32(s - first)));
}

QList<DateRec> CandidateDates(const AutoEventDef& def, int year)
{
    QList<DateRec> dates;
    switch (def.Kind) {
    case KindMonthly:
        if (def.Day >= 1)
            for (int m = 1; m <= 12; ++m) dates.append(Clamped(def.Day, m, year));
        break;
    case KindYearly:
        if (def.Day >= 1 && ValidMonth(def.Month)) dates.append(Clamped(def.Day, def.Month, year));
        break;
    case KindWeekly:
        if (def.Day >= 1 && def.Day <= kDaysPerWeek) {
            const int newYearWeekday = WeekdayOf(MakeDate(1, 1, year), false);
            const int ahead = (def.Day - newYearWeekday + kDaysPerWeek) % kDaysPerWeek;
            AddSeries(dates, year, DaysFromCivil(year, 1, 1) + ahead, kDaysPerWeek);
        }
        break;
    case KindTwoWeeks:
        AddSeries(dates, year, Serial(def.StartDate), kTwoWeeks);
        break;
    case KindDaily:
        AddSeries(dates, year, DaysFromCivil(year, 1, 1), 1);
        break;
    default:
        break;
    }
    return dates;
}

// Removes the entries of that prefix whose key is not one of keys; the others keep their order.
void Purge(CalendarDocument& doc, QStringView prefix, const QSet<QString>& keys, UpdatedDays& days)
{
    const auto stale = [&](const DayEntry& e) {
        return e.LinkKey.startsWith(prefix) && !keys.contains(e.LinkKey);
    };
    for (int m = 1; m <= 12; ++m) {
        for (int c = kFirstCell; c <= kLastCell; ++c) {
            QList<DayEntry>& entries = doc.Month(m).Cell(c).Entries;
            if (std::none_of(entries.cbegin(), entries.cend(), stale)) continue;
            days.Removed += int(entries.removeIf(stale));
            if (entries.isEmpty()) entries = QList<DayEntry>(); // an empty list holds no array
            days.Touch(m, c);
        }
    }
}

// Appends the occurrence to the day unless it already holds one with its key.
void Place(CalendarDocument& doc, const DateRec& date, const DayEntry& occurrence, UpdatedDays& days)
{
    const int cell = CellOfDate(date);
    QList<DayEntry>& entries = doc.Month(date.Month).Cell(cell).Entries;
    const bool present = std::any_of(entries.cbegin(), entries.cend(),
                                     [&](const DayEntry& e) { return e.LinkKey == occurrence.LinkKey; });
    if (!present && entries.size() < kMaxListCount) {
        entries.append(occurrence);
        ++days.Added;
    }
    days.Touch(date.Month, cell);
}

template <class Def> QSet<QString> KeysOf(const QList<Def>& defs)
{
    QSet<QString> keys;
    keys.reserve(defs.size());
    for (const Def& d : defs) keys.insert(d.Key);
    return keys;
}

void ApplyToSession(UpdatedDays (*update)(CalendarDocument&))
{
    LetInterfaceRepaint();
    Session& s = Session::Get();
    {
        BusyCursor busy;
        const UpdatedDays days = update(s.CurrentDocument);
        for (int m = 1; m <= 12; ++m)
            if (days.Months[size_t(m - 1)]) s.SetModified(PartMonthEntries, true, m);
        for (int m = 1; m <= 12; ++m)
            for (int c = kFirstCell; c <= kLastCell; ++c)
                if (days.CellTouched(m, c)) s.NotifyDayCellChanged(m, c);
    }
    LetInterfaceRepaint();
}

} // namespace

void UpdatedDays::Touch(int month, int cell)
{
    Months[size_t(month - 1)] = true;
    Cells.set(size_t(CellPosition(month, cell)));
}

bool UpdatedDays::CellTouched(int month, int cell) const
{
    return Cells.test(size_t(CellPosition(month, cell)));
}

QList<DateRec> OccurrenceDates(const AutoEventDef& def, int year)
{
    QList<DateRec> dates = CandidateDates(def, year);
    dates.removeIf([&](const DateRec& d) { return !DateInRange(d, def.StartDate, def.EndDate); });
    return dates;
}

std::optional<DateRec> BirthdayDate(const BirthdayDef& birthday, int year)
{
    const DateRec& born = birthday.BirthDate;
    if (born.Day < 1 || !ValidMonth(born.Month)) return std::nullopt;
    return Clamped(born.Day, born.Month, year);
}

DayEntry OccurrenceOf(const AutoEventDef& def)
{
    DayEntry e;
    e.AlarmDaysBefore = 1;
    e.Description = def.Description;
    e.EntryType = def.EntryType;
    e.LinkKey = def.Key;
    return e;
}

DayEntry OccurrenceOf(const BirthdayDef& birthday)
{
    DayEntry e;
    e.AlarmDaysBefore = 1;
    e.Description = Str(2206) + birthday.Name;
    e.EntryType = EntryEvent;
    e.LinkKey = birthday.Key;
    return e;
}

UpdatedDays UpdateAutoEvents(CalendarDocument& doc)
{
    UpdatedDays days;
    Purge(doc, u"AE", KeysOf(doc.AE.AutoEvents), days);
    const int year = doc.YearNumber();
    for (const AutoEventDef& def : doc.AE.AutoEvents) {
        const DayEntry occurrence = OccurrenceOf(def);
        for (const DateRec& date : OccurrenceDates(def, year)) Place(doc, date, occurrence, days);
    }
    return days;
}

UpdatedDays UpdateBirthdays(CalendarDocument& doc)
{
    UpdatedDays days;
    Purge(doc, u"BD", KeysOf(doc.BD.Birthdays), days);
    const int year = doc.YearNumber();
    for (const BirthdayDef& birthday : doc.BD.Birthdays)
        if (const std::optional<DateRec> date = BirthdayDate(birthday, year))
            Place(doc, *date, OccurrenceOf(birthday), days);
    return days;
}

void RunCalendarUpdate()
{
    ApplyToSession(&UpdateAutoEvents);
}

void RunBirthdayUpdate()
{
    ApplyToSession(&UpdateBirthdays);
}
