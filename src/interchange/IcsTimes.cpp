#include "interchange/IcsTimes.h"

#include "document/Dates.h"

namespace {

QDateTime WallTime(const icaltimetype& t, const QTimeZone& zone)
{
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), zone);
}

} // namespace

QTimeZone ZoneNamed(const QByteArray& name)
{
    const QByteArray trimmed = name.trimmed();
    if (trimmed.isEmpty()) return {};
    if (QTimeZone::isTimeZoneIdAvailable(trimmed)) return QTimeZone(trimmed);
    // Calendars made on Windows name their zones the Windows way ("Eastern Standard Time").
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(trimmed);
    if (!iana.isEmpty()) return QTimeZone(iana);
    // Some clients put their own prefix before the IANA name ("/mozilla.org/20050126_1/Europe/Paris").
    const QList<QByteArray> parts = trimmed.split('/');
    for (qsizetype first = 1; first + 1 < parts.size(); ++first) {
        const QByteArray tail = parts.mid(first).join('/');
        if (QTimeZone::isTimeZoneIdAvailable(tail)) return QTimeZone(tail);
    }
    return {};
}

IcsZones::IcsZones(icalcomponent* calendar, const QTimeZone& local) : m_calendar(calendar), m_local(local)
{
    icalproperty* declared = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY);
    for (; declared; declared = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
        const char* name = icalproperty_get_x_name(declared);
        const char* value = icalproperty_get_x(declared);
        if (name && value && qstricmp(name, "X-WR-TIMEZONE") == 0) m_floating = ZoneNamed(value);
    }
    if (!m_floating.isValid()) m_floating = m_local.isValid() ? m_local : QTimeZone::utc();
}

EventFrame IcsZones::FrameOf(icalproperty* property, const icaltimetype& time)
{
    if (icaltime_is_utc(time)) return {EventFrame::Utc, {}, nullptr};
    icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char* name = tzid ? icalparameter_get_tzid(tzid) : nullptr;
    if (!name || !*name) return {};
    const QByteArray key(name);
    const auto known = m_named.constFind(key);
    if (known != m_named.constEnd()) return *known;
    EventFrame frame;
    const QTimeZone zone = ZoneNamed(key);
    if (zone.isValid()) {
        frame = {EventFrame::Zone, zone, nullptr};
    } else if (icaltimezone* defined = icalcomponent_get_timezone(m_calendar, name)) {
        frame = {EventFrame::Zone, {}, defined};
    } // else a zone nobody describes: its times float
    m_named.insert(key, frame);
    return frame;
}

QDateTime IcsZones::UtcOf(const icaltimetype& time, const EventFrame& frame) const
{
    if (frame.Kind == EventFrame::Zone && frame.Defined) {
        icaltimetype t = time;
        t.zone = nullptr;
        icaltimezone_convert_time(&t, frame.Defined, icaltimezone_get_utc_timezone());
        return WallTime(t, QTimeZone::utc());
    }
    const QTimeZone zone = frame.Kind == EventFrame::Utc    ? QTimeZone::utc()
                           : frame.Kind == EventFrame::Zone ? frame.Named
                                                            : m_floating;
    return WallTime(time, zone).toUTC();
}

icaltimetype IcsZones::InFrame(const icaltimetype& time, const EventFrame& from, const EventFrame& to) const
{
    if (time.is_date || from.SameAs(to)) return time;
    const QDateTime utc = UtcOf(time, from);
    if (!utc.isValid()) return time;
    icaltimetype converted;
    if (to.Kind == EventFrame::Zone && to.Defined) {
        converted = IcalTimeOf(utc, time);
        converted.zone = nullptr;
        icaltimezone_convert_time(&converted, icaltimezone_get_utc_timezone(), to.Defined);
    } else {
        const QTimeZone zone = to.Kind == EventFrame::Utc    ? QTimeZone::utc()
                               : to.Kind == EventFrame::Zone ? to.Named
                                                             : m_floating;
        converted = IcalTimeOf(utc.toTimeZone(zone), time);
    }
    converted.zone = to.Kind == EventFrame::Utc ? icaltimezone_get_utc_timezone() : nullptr;
    return converted;
}

QDateTime IcsZones::SeenTime(const icaltimetype& time, const EventFrame& frame) const
{
    const QDate date(time.year, time.month, time.day);
    if (time.is_date) return QDateTime(date, QTime(0, 0), QTimeZone::utc());
    const QDateTime wall(date, QTime(time.hour, time.minute, time.second), QTimeZone::utc());
    if (frame.Kind != EventFrame::Utc || !m_local.isValid()) return wall;
    const QDateTime there = wall.toTimeZone(m_local);
    return QDateTime(there.date(), there.time(), QTimeZone::utc());
}

icaltimetype IcalTimeOf(const QDateTime& dt, const icaltimetype& like)
{
    icaltimetype t = like;
    t.year = dt.date().year();
    t.month = dt.date().month();
    t.day = dt.date().day();
    t.hour = dt.time().hour();
    t.minute = dt.time().minute();
    t.second = dt.time().second();
    return t;
}

qint64 TimeKey(const icaltimetype& time)
{
    const qint64 days = DaysFromCivil(time.year, time.month, time.day);
    if (time.is_date) return days * 86400 - 1; // before any time of the same day
    return days * 86400 + time.hour * 3600 + time.minute * 60 + time.second;
}
