#include "interchange/IcsEvents.h"

#include "interchange/IcalHandles.h"
#include "interchange/IcsEntry.h"
#include "interchange/IcsMarks.h"
#include "interchange/IcsText.h"

#include <QHash>
#include <deque>

namespace {

// Recurrence steps the whole file may take.
constexpr qint64 kStepBudget = 1'000'000;

QList<icalcomponent*> Children(icalcomponent* parent, icalcomponent_kind kind)
{
    QList<icalcomponent*> list;
    for (icalcomponent* c = icalcomponent_get_first_component(parent, kind); c;
         c = icalcomponent_get_next_component(parent, kind))
        list.append(c);
    return list;
}

QByteArray UidOf(icalcomponent* event)
{
    const char* uid = icalcomponent_get_uid(event);
    return uid ? QByteArray(uid) : QByteArray();
}

class Reader
{
public:
    Reader(int year, const QTimeZone& local, bool marks) : m_year(year), m_local(local), m_marks(marks) {}

    // First every event of every calendar is found with the occurrences moved out of its
    // series: an edited occurrence may come before its series, or in another calendar block.
    void Find(icalcomponent* calendar)
    {
        m_zones.emplace_back(calendar, m_local);
        IcsZones& zones = m_zones.back();
        for (icalcomponent* e : Children(calendar, ICAL_VEVENT_COMPONENT)) {
            const QByteArray uid = UidOf(e);
            if (const std::optional<FramedTime> moved = OverriddenOf(e, zones); moved && !uid.isEmpty())
                m_overridden[uid].append(*moved);
            m_found.append({e, &zones, SeriesOf(uid)});
        }
    }

    QList<IcsEvent> Read()
    {
        QList<IcsEvent> events;
        events.reserve(m_found.size());
        for (const Found& f : m_found) events.append(Event(f));
        return events;
    }

private:
    struct Found
    {
        icalcomponent* Event;
        IcsZones* Zones;
        int Series;
    };

    int SeriesOf(const QByteArray& uid)
    {
        if (uid.isEmpty()) return m_nextSeries++;
        const auto it = m_series.constFind(uid);
        if (it != m_series.constEnd()) return *it;
        m_series.insert(uid, m_nextSeries);
        return m_nextSeries++;
    }

    IcsEvent Event(const Found& f)
    {
        IcsEvent event;
        event.Series = f.Series;
        event.Uid = UidOf(f.Event);
        if (icalcomponent_get_status(f.Event) == ICAL_STATUS_CANCELLED) {
            event.Fate = EventFate::Cancelled;
            return event;
        }
        if (!StartOf(f.Event, *f.Zones)) {
            event.Fate = EventFate::NoStart;
            return event;
        }
        event.Entry = EntryOfEvent(f.Event, &event.CharactersReplaced);
        if (m_marks) ReadEntryMarks(f.Event, event.Entry);
        if (event.Entry.Description.isEmpty()) {
            event.Fate = EventFate::NoText;
            return event;
        }
        DayWindow window{m_year, {}, &m_budget};
        if (!icalcomponent_get_first_property(f.Event, ICAL_RECURRENCEID_PROPERTY))
            window.Overridden = m_overridden.value(UidOf(f.Event));
        event.Days = DaysOfEvent(f.Event, *f.Zones, window);
        if (event.Days.isEmpty()) event.Fate = EventFate::OutsideYear;
        return event;
    }

    int m_year;
    QTimeZone m_local;
    bool m_marks;
    qint64 m_budget = kStepBudget;
    std::deque<IcsZones> m_zones; // stays put as calendars are added: events point at theirs
    QList<Found> m_found;
    QHash<QByteArray, QList<FramedTime>> m_overridden;
    QHash<QByteArray, int> m_series;
    int m_nextSeries = 0;
};

} // namespace

IcsReading ReadIcsEvents(QByteArrayView bytes, int year, const QTimeZone& local, bool marks)
{
    IcsReading reading;
    const IcsText text = CleanIcsText(bytes, marks);
    if (!text.HasCalendar) return reading;
    reading.Status = IcsReadStatus::Read;
    reading.BrokenEvents = text.BrokenEvents;

    PrepareIcal();
    const IcalComponent root(icalparser_parse_string(text.Text.constData()));
    if (!root) return reading;
    const QList<icalcomponent*> calendars = icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT
                                                ? QList<icalcomponent*>{root.get()}
                                                : Children(root.get(), ICAL_VCALENDAR_COMPONENT);
    Reader reader(year, local, marks);
    for (icalcomponent* c : calendars) reader.Find(c);
    reading.Events = reader.Read();
    return reading;
}

bool HoldsCalendar(QByteArrayView bytes)
{
    return CleanIcsText(bytes).HasCalendar;
}
