#include "interchange/IcsEventDays.h"

#include "interchange/IcalHandles.h"

#include <QMap>
#include <QSet>
#include <algorithm>

namespace {

// Recurrence steps one rule may take: a rule every second must not hang.
constexpr qint64 kRuleSteps = 200'000;
constexpr qint64 kOwnBudget = 1'000'000;
constexpr qint64 kMaxSpanDays = 366;
constexpr qint64 kDay = 86400;

bool Usable(const icaltimetype& t)
{
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t)) return false;
    if (!QDate(t.year, t.month, t.day).isValid()) return false;
    return t.is_date ||
           (t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second <= 60);
}

qint64 DayKey(icaltimetype t)
{
    t.is_date = 1;
    return TimeKey(t);
}

// How long each occurrence lasts: whole days for an all-day event, seconds for a timed one.
struct Length
{
    int Days = 1;
    qint64 Seconds = 0;
};

Length LengthOf(icalcomponent* event, const FramedTime& start, IcsZones& zones)
{
    Length length;
    if (icalproperty* p = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
        icaltimetype end = icalproperty_get_dtend(p);
        if (!Usable(end)) return length;
        if (start.Time.is_date) {
            const qint64 days = DaysFromCivil(end.year, end.month, end.day) -
                                DaysFromCivil(start.Time.year, start.Time.month, start.Time.day);
            // An end with a time lasts into its day.
            const bool intoEndDay = !end.is_date && (end.hour || end.minute || end.second);
            length.Days = int(std::clamp<qint64>(days + (intoEndDay ? 1 : 0), 1, kMaxSpanDays));
            return length;
        }
        if (end.is_date) end.is_date = 0, end.hour = end.minute = end.second = 0;
        end = zones.InFrame(end, zones.FrameOf(p, end), start.Frame);
        length.Seconds = std::clamp<qint64>(TimeKey(end) - TimeKey(start.Time), 0, kMaxSpanDays * kDay);
    } else if (icalproperty* d = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
        const icaldurationtype duration = icalproperty_get_duration(d);
        if (duration.is_neg) return length;
        if (start.Time.is_date) {
            const qint64 days = qint64(duration.weeks) * 7 + duration.days;
            length.Days = int(std::clamp<qint64>(days, 1, kMaxSpanDays));
        } else {
            length.Seconds = std::clamp<qint64>(icaldurationtype_as_int(duration), 0, kMaxSpanDays * kDay);
        }
    }
    return length;
}

// The days one event falls on in the year, each with its earliest time there.
class Expansion
{
public:
    Expansion(const FramedTime& start, const Length& length, IcsZones& zones, int year, qint64& budget)
        : m_start(start), m_length(length), m_zones(zones), m_year(year), m_budget(budget)
    {
        // A day more each side of the year (a UTC time may fall on another date here), and the
        // length of an occurrence before it: one that starts earlier may last into the year.
        const qint64 before = m_length.Days + (m_length.Seconds + kDay - 1) / kDay;
        m_first = (DaysFromCivil(year, 1, 1) - 1 - before) * kDay - 1;
        m_last = (DaysFromCivil(year + 1, 1, 1) + 1) * kDay - 1;
        m_windowStart = start.Time;
        const QDate first = QDate(year, 1, 1).addDays(-1 - before);
        m_windowStart.year = first.year();
        m_windowStart.month = first.month();
        m_windowStart.day = first.day();
        m_windowStart.hour = m_windowStart.minute = m_windowStart.second = 0;
    }

    void Exclude(const FramedTime& t)
    {
        if (!Usable(t.Time)) return;
        const icaltimetype here = m_zones.InFrame(t.Time, t.Frame, m_start.Frame);
        m_excluded.insert(here.is_date || m_start.Time.is_date ? DayKey(here) : TimeKey(here));
    }

    void Add(const icaltimetype& t)
    {
        const qint64 key = TimeKey(t);
        if (!Usable(t) || key < m_first || key > m_last) return;
        if (m_excluded.contains(key) || m_excluded.contains(DayKey(t))) return;
        const QDateTime seen = m_zones.SeenTime(t, m_start.Frame);
        const QDate day = seen.date();
        const int minute = t.is_date ? -1 : seen.time().hour() * 60 + seen.time().minute();
        QDate last = t.is_date ? day.addDays(m_length.Days - 1) : day;
        if (!t.is_date && m_length.Seconds > 0) last = seen.addSecs(m_length.Seconds - 1).date();
        // Each day counts as a step: a long event repeated daily must not hang either.
        for (QDate d = std::max(day, QDate(m_year, 1, 1)); d <= last && d.year() == m_year;
             d = d.addDays(1)) {
            --m_budget;
            const int at = d == day ? minute : -1; // the days after the first are taken whole
            const auto it = m_days.find(d.toJulianDay());
            if (it == m_days.end() || at < *it) m_days.insert(d.toJulianDay(), at);
        }
    }

    void AddRule(const icalrecurrencetype& rule)
    {
        if (rule.freq == ICAL_NO_RECURRENCE) return;
        const IcalRecurIterator it(icalrecur_iterator_new(UntilInStartFrame(rule), m_start.Time));
        if (!it) return;
        // Without a count the iterator may start at the window instead of decades before it.
        if (rule.count == 0 && TimeKey(m_start.Time) < m_first)
            icalrecur_iterator_set_start(it.get(), m_windowStart);
        for (qint64 steps = 0; steps < kRuleSteps && m_budget > 0; ++steps) {
            --m_budget;
            const icaltimetype t = icalrecur_iterator_next(it.get());
            if (icaltime_is_null_time(t) || TimeKey(t) > m_last) break;
            Add(t);
        }
    }

    QList<EventDay> Days() const
    {
        QList<EventDay> days;
        days.reserve(m_days.size());
        for (auto it = m_days.cbegin(); it != m_days.cend(); ++it)
            days.append({FromQDate(QDate::fromJulianDay(it.key())), it.value()});
        return days;
    }

private:
    // libical compares the end of a rule with the start as bare wall times: an end in UTC would
    // be hours off, an end given as a date would lose that day's occurrence. The end is brought
    // to the start's frame and form.
    icalrecurrencetype UntilInStartFrame(icalrecurrencetype rule) const
    {
        icaltimetype& until = rule.until;
        if (icaltime_is_null_time(until)) return rule;
        if (m_start.Time.is_date) {
            if (!until.is_date)
                until = m_zones.InFrame(
                    until, {until.zone ? EventFrame::Utc : EventFrame::Floating, {}, nullptr}, m_start.Frame);
            until.is_date = 1;
        } else if (until.is_date) {
            until.is_date = 0;
            until.hour = 23, until.minute = 59, until.second = 59;
        } else if (icaltime_is_utc(until) && !m_start.Time.zone) {
            until = m_zones.InFrame(until, {EventFrame::Utc, {}, nullptr}, m_start.Frame);
        }
        until.zone = m_start.Time.zone;
        return rule;
    }

    FramedTime m_start;
    Length m_length;
    IcsZones& m_zones;
    int m_year;
    qint64& m_budget;
    qint64 m_first = 0, m_last = 0; // keys of the times looked at
    icaltimetype m_windowStart;
    QSet<qint64> m_excluded;
    QMap<qint64, int> m_days; // Julian day -> minute
};

} // namespace

namespace {

// The time of the event's first property of a kind, when usable.
std::optional<FramedTime> TimeOf(icalcomponent* event, icalproperty_kind kind,
                                 icaltimetype (*value)(const icalproperty*), IcsZones& zones)
{
    icalproperty* p = icalcomponent_get_first_property(event, kind);
    if (!p) return std::nullopt;
    const icaltimetype t = value(p);
    if (!Usable(t)) return std::nullopt;
    return FramedTime{t, zones.FrameOf(p, t)};
}

} // namespace

std::optional<FramedTime> StartOf(icalcomponent* event, IcsZones& zones)
{
    return TimeOf(event, ICAL_DTSTART_PROPERTY, &icalproperty_get_dtstart, zones);
}

std::optional<FramedTime> OverriddenOf(icalcomponent* event, IcsZones& zones)
{
    return TimeOf(event, ICAL_RECURRENCEID_PROPERTY, &icalproperty_get_recurrenceid, zones);
}

QList<EventDay> DaysOfEvent(icalcomponent* event, IcsZones& zones, const DayWindow& window)
{
    const std::optional<FramedTime> start = StartOf(event, zones);
    if (!start) return {};
    qint64 ownBudget = kOwnBudget;
    Expansion expansion(*start, LengthOf(event, *start, zones), zones, window.Year,
                        window.StepBudget ? *window.StepBudget : ownBudget);
    if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
        expansion.Add(start->Time); // an occurrence moved or edited: its own day only
        return expansion.Days();
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype t = icalproperty_get_exdate(p);
        expansion.Exclude({t, zones.FrameOf(p, t)});
    }
    for (const FramedTime& moved : window.Overridden) expansion.Exclude(moved);
    expansion.Add(start->Time);
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY))
        expansion.AddRule(icalproperty_get_rrule(p));
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype r = icalproperty_get_rdate(p);
        const icaltimetype t = icaltime_is_null_time(r.time) ? r.period.start : r.time;
        expansion.Add(zones.InFrame(t, zones.FrameOf(p, t), start->Frame));
    }
    return expansion.Days();
}
