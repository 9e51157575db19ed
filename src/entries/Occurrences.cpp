#include "entries/Occurrences.h"

#include "document/Session.h"
#include "entries/DayEntries.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"

#include <QSet>
#include <algorithm>
#include <utility>
#include <vector>

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

// The days of one year: where each month starts (days from 1 January) and its grid.
class YearDays
{
public:
    explicit YearDays(int year) : m_year(year)
    {
        for (int m = 1; m <= 12; ++m) {
            m_monthStart[size_t(m)] = m_monthStart[size_t(m - 1)] + DaysInMonth(year, m);
            m_firstWeekday[size_t(m - 1)] = WeekdayOf(MakeDate(1, m, year), true);
        }
    }

    int Year() const { return m_year; }
    int Length() const { return m_monthStart[12]; }
    qint64 FirstSerial() const { return DaysFromCivil(m_year, 1, 1); }
    DateRec DateOf(int dayOfYear) const
    {
        int m = 1;
        while (dayOfYear >= m_monthStart[size_t(m)]) ++m;
        return MakeDate(dayOfYear - m_monthStart[size_t(m - 1)] + 1, m, m_year);
    }
    int LastDay(int month) const { return m_monthStart[size_t(month)] - m_monthStart[size_t(month - 1)]; }
    int CellOf(const DateRec& d) const { return d.Day + m_firstWeekday[size_t(d.Month - 1)] + 5; }

private:
    int m_year;
    std::array<int, 13> m_monthStart{};
    std::array<int, 12> m_firstWeekday{};
};

// Every step-th day of the year from the first day of the year at or after `from`.
void AddSeries(QList<DateRec>& dates, const YearDays& year, qint64 from, int step)
{
    const qint64 first = year.FirstSerial();
    if (from < first) from += (first - from + step - 1) / step * step;
    for (qint64 d = from - first; d < year.Length(); d += step) dates.append(year.DateOf(int(d)));
}

QList<DateRec> CandidateDates(const AutoEventDef& def, const YearDays& year)
{
    QList<DateRec> dates;
    switch (def.Kind) {
    case KindMonthly:
        if (def.Day >= 1)
            for (int m = 1; m <= 12; ++m) dates.append(ClampedDate(def.Day, m, year.Year()));
        break;
    case KindYearly:
        if (def.Day >= 1 && ValidMonth(def.Month)) dates.append(ClampedDate(def.Day, def.Month, year.Year()));
        break;
    case KindWeekly:
        if (def.Day >= 1 && def.Day <= kDaysPerWeek) {
            const int ahead =
                (def.Day - WeekdayOf(MakeDate(1, 1, year.Year()), true) + kDaysPerWeek) % kDaysPerWeek;
            AddSeries(dates, year, year.FirstSerial() + ahead, kDaysPerWeek);
        }
        break;
    case KindTwoWeeks:
        AddSeries(dates, year, Serial(def.StartDate), kTwoWeeks);
        break;
    case KindDaily:
        AddSeries(dates, year, year.FirstSerial(), 1);
        break;
    default:
        break;
    }
    return dates;
}

QList<DateRec> DatesInRange(const AutoEventDef& def, const YearDays& year)
{
    QList<DateRec> dates = CandidateDates(def, year);
    dates.removeIf([&](const DateRec& d) { return !DateInRange(d, def.StartDate, def.EndDate); });
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

bool Holds(const QList<DayEntry>& entries, qsizetype from, const QString& key)
{
    return std::any_of(entries.cbegin() + from, entries.cend(),
                       [&](const DayEntry& e) { return e.LinkKey == key; });
}

// Appends the occurrences to their days unless a day already holds one with the same key. The
// days are only read until every occurrence is known, then each list grows once: a day that
// gets nothing is never copied or reallocated.
class Placer
{
public:
    Placer(CalendarDocument& doc, UpdatedDays& days) : m_doc(doc), m_days(days) {}

    void Consider(const DateRec& date, int cell, const DayEntry& occurrence)
    {
        m_days.Touch(date.Month, cell);
        if (Holds(std::as_const(m_doc).Month(date.Month).Cell(cell).Entries, 0, occurrence.LinkKey)) return;
        m_pending.push_back({CellPosition(date.Month, cell), &occurrence});
        ++m_extra[size_t(m_pending.back().Position)];
    }

    void Commit()
    {
        std::array<qsizetype, 12 * kCellCount> before{};
        for (int p = 0; p < 12 * kCellCount; ++p) {
            QList<DayEntry>& entries = EntriesAt(p);
            before[size_t(p)] = entries.size();
            if (m_extra[size_t(p)]) entries.reserve(entries.size() + m_extra[size_t(p)]);
        }
        for (const Pending& p : m_pending) {
            QList<DayEntry>& entries = EntriesAt(p.Position);
            // Two definitions of a file may share a key: the first one placed counts.
            if (entries.size() >= kMaxListCount ||
                Holds(entries, before[size_t(p.Position)], p.Occurrence->LinkKey))
                continue;
            entries.append(*p.Occurrence);
            ++m_days.Added;
        }
    }

private:
    struct Pending
    {
        int Position;
        const DayEntry* Occurrence;
    };

    QList<DayEntry>& EntriesAt(int position)
    {
        return m_doc.Month(position / kCellCount + 1).Cell(position % kCellCount + kFirstCell).Entries;
    }

    CalendarDocument& m_doc;
    UpdatedDays& m_days;
    std::vector<Pending> m_pending;
    std::array<int, 12 * kCellCount> m_extra{};
};

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
    return DatesInRange(def, YearDays(year));
}

std::optional<DateRec> BirthdayDate(const BirthdayDef& birthday, int year)
{
    const DateRec& born = birthday.BirthDate;
    if (born.Day < 1 || !ValidMonth(born.Month)) return std::nullopt;
    return ClampedDate(born.Day, born.Month, year);
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
    const YearDays year(doc.YearNumber());
    std::vector<DayEntry> occurrences;
    occurrences.reserve(size_t(doc.AE.AutoEvents.size()));
    for (const AutoEventDef& def : doc.AE.AutoEvents) occurrences.push_back(OccurrenceOf(def));
    Placer placer(doc, days);
    for (qsizetype i = 0; i < doc.AE.AutoEvents.size(); ++i)
        for (const DateRec& date : DatesInRange(doc.AE.AutoEvents[i], year))
            placer.Consider(date, year.CellOf(date), occurrences[size_t(i)]);
    placer.Commit();
    return days;
}

UpdatedDays UpdateBirthdays(CalendarDocument& doc)
{
    UpdatedDays days;
    Purge(doc, u"BD", KeysOf(doc.BD.Birthdays), days);
    const int year = doc.YearNumber();
    std::vector<std::pair<DateRec, DayEntry>> placed;
    placed.reserve(size_t(doc.BD.Birthdays.size()));
    for (const BirthdayDef& birthday : doc.BD.Birthdays)
        if (const std::optional<DateRec> date = BirthdayDate(birthday, year))
            placed.emplace_back(*date, OccurrenceOf(birthday));
    Placer placer(doc, days);
    for (const auto& [date, occurrence] : placed) placer.Consider(date, CellOfDate(date), occurrence);
    placer.Commit();
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
