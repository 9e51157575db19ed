#include "interchange/IcsOccurrences.h"

#include "document/Dates.h"
#include "interchange/IcalHandles.h"
#include "interchange/IcsTimes.h"

#include <QHash>
#include <QMap>
#include <QSet>

namespace {

// Recurrence steps one rule and the whole file may take: a rule every second must not hang.
constexpr qint64 kRuleSteps = 200'000;
constexpr qint64 kStepBudget = 1'000'000;

bool StartsLikeCalendar(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).first(qMin<qsizetype>(15, bytes.size() - i)).toByteArray().toUpper() ==
           "BEGIN:VCALENDAR";
}

bool EndsLikeCalendar(QByteArrayView bytes)
{
    const QByteArray tail = bytes.last(qMin<qsizetype>(64, bytes.size())).toByteArray().trimmed();
    return tail.toUpper().endsWith("END:VCALENDAR");
}

// Every BEGIN closed by its own END, in order: the parser would quietly drop what is not.
bool WellNested(QByteArrayView bytes)
{
    QList<QByteArray> open;
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0) end = bytes.size();
        const QByteArray line = bytes.sliced(from, end - from).toByteArray().trimmed().toUpper();
        from = end + 1;
        if (line.startsWith("BEGIN:")) {
            open.append(line.mid(6));
        } else if (line.startsWith("END:")) {
            if (open.isEmpty() || open.takeLast() != line.mid(4)) return false;
        }
    }
    return open.isEmpty();
}

bool Usable(const icaltimetype& t)
{
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t)) return false;
    if (!QDate(t.year, t.month, t.day).isValid()) return false;
    return t.is_date ||
           (t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second <= 60);
}

// The components or properties of one kind, through libical's first/next walk.
template <class T, class Kind>
QList<T*> Collect(icalcomponent* c, Kind kind, T* (*first)(icalcomponent*, Kind),
                  T* (*next)(icalcomponent*, Kind))
{
    QList<T*> list;
    for (T* item = first(c, kind); item; item = next(c, kind)) list.append(item);
    return list;
}

QList<icalcomponent*> Children(icalcomponent* parent, icalcomponent_kind kind)
{
    return Collect(parent, kind, &icalcomponent_get_first_component, &icalcomponent_get_next_component);
}

QList<icalproperty*> Properties(icalcomponent* c, icalproperty_kind kind)
{
    return Collect(c, kind, &icalcomponent_get_first_property, &icalcomponent_get_next_property);
}

QByteArray UidOf(icalcomponent* event)
{
    const char* uid = icalcomponent_get_uid(event);
    return uid ? QByteArray(uid) : QByteArray();
}

struct EventStart
{
    icaltimetype Time;
    EventFrame Frame;
};

std::optional<EventStart> StartOf(icalcomponent* event)
{
    icalproperty* p = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!p) return std::nullopt;
    const icaltimetype t = icalproperty_get_dtstart(p);
    if (!Usable(t)) return std::nullopt;
    return EventStart{t, FrameOf(p, t)};
}

// The days one event falls on in the year, each with its earliest time there.
class Expansion
{
public:
    struct Window
    {
        int Year;
        qint64 First, Last; // keys of the times looked at: a day more each side of the year
        QTimeZone Local;
    };

    Expansion(const EventStart& start, const Window& window, const QSet<qint64>& excluded, qint64& budget)
        : m_start(start), m_window(window), m_excluded(excluded), m_budget(budget)
    {}

    void Add(const icaltimetype& t)
    {
        const qint64 key = TimeKey(t);
        if (!Usable(t) || key < m_window.First || key > m_window.Last) return;
        if (m_excluded.contains(key) || m_excluded.contains(DayKey(t))) return;
        QDate day(t.year, t.month, t.day);
        int minute = t.is_date ? -1 : t.hour * 60 + t.minute;
        if (m_start.Frame.Kind == EventFrame::Utc && !t.is_date) {
            const QDateTime seen = SeenTime(t, m_start.Frame, m_window.Local);
            day = seen.date();
            minute = seen.time().hour() * 60 + seen.time().minute();
        }
        if (!day.isValid() || day.year() != m_window.Year) return;
        const auto it = m_days.find(day.toJulianDay());
        if (it == m_days.end() || minute < *it) m_days.insert(day.toJulianDay(), minute);
    }

    void AddRule(const icalrecurrencetype& rule, const icaltimetype& windowStart)
    {
        if (rule.freq == ICAL_NO_RECURRENCE) return;
        const IcalRecurIterator it(icalrecur_iterator_new(UntilInStartFrame(rule), m_start.Time));
        if (!it) return;
        // Without a count the iterator may start at the window instead of decades before it.
        if (rule.count == 0 && TimeKey(m_start.Time) < m_window.First)
            icalrecur_iterator_set_start(it.get(), windowStart);
        for (qint64 steps = 0; steps < kRuleSteps && m_budget > 0; ++steps) {
            --m_budget;
            const icaltimetype t = icalrecur_iterator_next(it.get());
            if (icaltime_is_null_time(t) || TimeKey(t) > m_window.Last) break;
            Add(t);
        }
    }

    // Julian day -> minutes after midnight (-1: all day).
    const QMap<qint64, int>& Days() const { return m_days; }

    static qint64 DayKey(icaltimetype t)
    {
        t.is_date = 1;
        return TimeKey(t);
    }

private:
    // libical compares a UTC end of rule with a start it holds as a bare wall time, hours off
    // the real end: the last occurrence would be lost. The end is brought to the start's frame.
    icalrecurrencetype UntilInStartFrame(icalrecurrencetype rule) const
    {
        if (icaltime_is_null_time(rule.until) || !icaltime_is_utc(rule.until) || m_start.Time.zone)
            return rule;
        EventFrame frame = m_start.Frame;
        if (frame.Kind == EventFrame::Floating) frame = {EventFrame::Zone, m_window.Local.id()};
        rule.until = InFrame(rule.until, {EventFrame::Utc, {}}, frame);
        return rule;
    }

    EventStart m_start;
    Window m_window;
    const QSet<qint64>& m_excluded;
    qint64& m_budget;
    QMap<qint64, int> m_days;
};

class Reader
{
public:
    Reader(int year, const QTimeZone& local) : m_year(year), m_local(local) {}

    // False when an event cannot be read: the file is then refused whole.
    bool ReadCalendar(icalcomponent* calendar)
    {
        const QList<icalcomponent*> events = Children(calendar, ICAL_VEVENT_COMPONENT);
        for (icalcomponent* e : events) {
            if (icalcomponent_get_first_property(e, ICAL_XLICERROR_PROPERTY)) return false;
            if (!StartOf(e)) return false;
            NoteMovedOccurrence(e);
        }
        for (icalcomponent* e : events) ReadEvent(e);
        return true;
    }

    QList<IcsOccurrence> Occurrences;

private:
    // An occurrence moved elsewhere replaces the one of its series.
    void NoteMovedOccurrence(icalcomponent* event)
    {
        icalproperty* p = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
        if (!p) return;
        const icaltimetype t = icalproperty_get_recurrenceid(p);
        if (Usable(t)) m_moved[UidOf(event)].append({t, FrameOf(p, t)});
    }

    void ReadEvent(icalcomponent* event)
    {
        if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED) return;
        const EventStart start = *StartOf(event);
        const bool moved = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) != nullptr;
        const QSet<qint64> excluded = Exclusions(event, start, moved);
        const icaltimetype windowStart = WindowStart(start.Time);
        Expansion expansion(start, {m_year, TimeKey(windowStart), WindowEndKey(), m_local}, excluded,
                            m_budget);
        expansion.Add(start.Time);
        if (!moved) {
            for (icalproperty* p : Properties(event, ICAL_RRULE_PROPERTY))
                expansion.AddRule(icalproperty_get_rrule(p), windowStart);
            for (icalproperty* p : Properties(event, ICAL_RDATE_PROPERTY)) {
                const icaldatetimeperiodtype r = icalproperty_get_rdate(p);
                const icaltimetype t = icaltime_is_null_time(r.time) ? r.period.start : r.time;
                expansion.Add(InFrame(t, FrameOf(p, t), start.Frame));
            }
        }
        const char* summary = icalcomponent_get_summary(event);
        const QString text = summary ? QString::fromUtf8(summary) : QString();
        for (auto it = expansion.Days().cbegin(); it != expansion.Days().cend(); ++it) {
            Occurrences.append({FromQDate(QDate::fromJulianDay(it.key())), it.value(), m_order, text});
        }
        ++m_order;
    }

    // EXDATE times and dates, and the occurrences moved to events of their own.
    QSet<qint64> Exclusions(icalcomponent* event, const EventStart& start, bool moved) const
    {
        QSet<qint64> keys;
        for (icalproperty* p : Properties(event, ICAL_EXDATE_PROPERTY)) {
            const icaltimetype t = icalproperty_get_exdate(p);
            if (!Usable(t)) continue;
            keys.insert(t.is_date ? Expansion::DayKey(t) : TimeKey(InFrame(t, FrameOf(p, t), start.Frame)));
        }
        if (!moved)
            for (const EventStart& r : m_moved.value(UidOf(event)))
                keys.insert(r.Time.is_date ? Expansion::DayKey(r.Time)
                                           : TimeKey(InFrame(r.Time, r.Frame, start.Frame)));
        return keys;
    }

    // A day each side of the year: a UTC time may fall on another date in the local zone.
    icaltimetype WindowStart(const icaltimetype& like) const
    {
        icaltimetype t = like;
        t.year = m_year - 1;
        t.month = 12;
        t.day = 31;
        t.hour = t.minute = t.second = 0;
        return t;
    }

    qint64 WindowEndKey() const { return (DaysFromCivil(m_year + 1, 1, 1) + 1) * 86400 - 1; }

    int m_year;
    QTimeZone m_local;
    qint64 m_budget = kStepBudget;
    int m_order = 0;
    QHash<QByteArray, QList<EventStart>> m_moved;
};

} // namespace

IcsReading ReadIcsOccurrences(QByteArrayView bytes, int year, const QTimeZone& local)
{
    IcsReading reading;
    if (!StartsLikeCalendar(bytes)) return reading;
    reading.Status = IcsReadStatus::Damaged;
    if (bytes.size() > kMaxIcsSize || bytes.contains('\0') || !EndsLikeCalendar(bytes) || !WellNested(bytes))
        return reading;

    PrepareIcal();
    const QByteArray text(bytes.data(), bytes.size()); // the parser wants its terminating zero
    const IcalComponent root(icalparser_parse_string(text.constData()));
    if (!root) return reading;
    QList<icalcomponent*> calendars;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendars.append(root.get());
    } else if (icalcomponent_isa(root.get()) == ICAL_XROOT_COMPONENT) {
        // Several calendars one after the other are fine; anything beside them is not.
        calendars = Children(root.get(), ICAL_VCALENDAR_COMPONENT);
        if (icalcomponent_count_components(root.get(), ICAL_ANY_COMPONENT) != calendars.size())
            return reading;
    }
    if (calendars.isEmpty()) return reading;

    Reader reader(year, local);
    for (icalcomponent* c : calendars)
        if (!reader.ReadCalendar(c)) return reading;
    reading.Status = IcsReadStatus::Read;
    reading.Occurrences = std::move(reader.Occurrences);
    return reading;
}
