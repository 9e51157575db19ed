#include "sync/EventPatch.h"

#include "interchange/IcalHandles.h"
#include "interchange/IcsExport.h"
#include "interchange/IcsMarks.h"
#include "sync/ServerEvents.h"

namespace {

void RemoveAll(icalcomponent* event, icalproperty_kind kind, const char* xName = nullptr)
{
    QList<icalproperty*> found;
    for (icalproperty* p = icalcomponent_get_first_property(event, kind); p;
         p = icalcomponent_get_next_property(event, kind))
        if (!xName || qstricmp(icalproperty_get_x_name(p), xName) == 0) found.append(p);
    for (icalproperty* p : found) {
        icalcomponent_remove_property(event, p);
        icalproperty_free(p);
    }
}

// The properties of a kind that the entry's own event has, in place of the copy's.
void TakeFrom(icalcomponent* event, icalcomponent* own, icalproperty_kind kind, const char* xName = nullptr)
{
    RemoveAll(event, kind, xName);
    for (icalproperty* p = icalcomponent_get_first_property(own, kind); p;
         p = icalcomponent_get_next_property(own, kind))
        if (!xName || qstricmp(icalproperty_get_x_name(p), xName) == 0)
            icalcomponent_add_property(event, icalproperty_new_clone(p));
}

void TakeAlarms(icalcomponent* event, icalcomponent* own)
{
    QList<icalcomponent*> alarms;
    for (icalcomponent* a = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT))
        alarms.append(a);
    for (icalcomponent* a : alarms) {
        icalcomponent_remove_component(event, a);
        icalcomponent_free(a);
    }
    for (icalcomponent* a = icalcomponent_get_first_component(own, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(own, ICAL_VALARM_COMPONENT))
        icalcomponent_add_component(event, icalcomponent_new_clone(a));
}

// Moves the event by whole days, its times of day and zones kept.
void MoveBy(icalcomponent* event, int days)
{
    if (icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY)) {
        icaltimetype t = icalproperty_get_dtstart(start);
        icaltime_adjust(&t, days, 0, 0, 0);
        icalproperty_set_dtstart(start, t);
    }
    if (icalproperty* end = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
        icaltimetype t = icalproperty_get_dtend(end);
        icaltime_adjust(&t, days, 0, 0, 0);
        icalproperty_set_dtend(end, t);
    }
}

icalcomponent* PlainEvent(icalcomponent* calendar, const QByteArray& uid)
{
    icalcomponent* found = nullptr;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (found || uid != icalcomponent_get_uid(e)) return nullptr; // several events: a series
        found = e;
    }
    if (found && (icalcomponent_get_first_property(found, ICAL_RRULE_PROPERTY) ||
                  icalcomponent_get_first_property(found, ICAL_RDATE_PROPERTY)))
        return nullptr;
    return found;
}

} // namespace

QByteArray PatchedEvent(const DavResource& copy, const QString& uid, const DateRec& date,
                        const DayEntry& entry, const QDateTime& stamp, const QTimeZone& local)
{
    const IcalComponent own = EventOfEntry(uid, date, entry, stamp);
    const QByteArray fallback = CalendarAround(IcalText(own.get()));
    const ServerEvent seen = ReadServerEvent(copy, date.Year, local);
    if (!seen.Readable || seen.Series || seen.Days.size() != 1 || seen.Days[0].Uid != uid) return fallback;
    PrepareIcal();
    const IcalComponent calendar(icalparser_parse_string(copy.Data.constData()));
    icalcomponent* event = calendar ? PlainEvent(calendar.get(), uid.toUtf8()) : nullptr;
    if (!event) return fallback;

    const DayEntry& was = seen.Days[0].Entry;
    if (EntrySummary(was) != EntrySummary(entry)) TakeFrom(event, own.get(), ICAL_SUMMARY_PROPERTY);
    if (was.EntryType != entry.EntryType) TakeFrom(event, own.get(), ICAL_CATEGORIES_PROPERTY);
    if (was.Ticked != entry.Ticked) TakeFrom(event, own.get(), ICAL_X_PROPERTY, kTickedProperty);
    if (was.TextColour != entry.TextColour) {
        TakeFrom(event, own.get(), ICAL_COLOR_PROPERTY);
        TakeFrom(event, own.get(), ICAL_X_PROPERTY, kExactColourProperty);
    }
    if (was.AlarmOn != entry.AlarmOn || (entry.AlarmOn && was.AlarmDaysBefore != entry.AlarmDaysBefore))
        TakeAlarms(event, own.get());
    const DateRec on = seen.Days[0].Date;
    if (on != date)
        MoveBy(event, int(DaysFromCivil(date.Year, date.Month, date.Day) -
                          DaysFromCivil(on.Year, on.Month, on.Day)));
    TakeFrom(event, own.get(), ICAL_DTSTAMP_PROPERTY);
    return IcalText(calendar.get());
}
