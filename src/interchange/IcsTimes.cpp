#include "interchange/IcsTimes.h"

#include "document/Dates.h"

namespace {

QTimeZone ZoneNamed(const QByteArray& tzid)
{
    QTimeZone zone(tzid);
    if (zone.isValid()) return zone;
    // Calendars made on Windows name their zones the Windows way ("Eastern Standard Time").
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(tzid);
    return iana.isEmpty() ? QTimeZone() : QTimeZone(iana);
}

QDateTime WallTime(const icaltimetype& t, const QTimeZone& zone)
{
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), zone);
}

// The zone of a frame for conversions; invalid for floating time or an unknown zone.
QTimeZone ZoneOf(const EventFrame& frame)
{
    if (frame.Kind == EventFrame::Utc) return QTimeZone::utc();
    if (frame.Kind == EventFrame::Zone) return ZoneNamed(frame.Tzid);
    return {};
}

} // namespace

EventFrame FrameOf(icalproperty* property, const icaltimetype& time)
{
    if (icaltime_is_utc(time)) return {EventFrame::Utc, {}};
    icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char* name = tzid ? icalparameter_get_tzid(tzid) : nullptr;
    if (name && *name) return {EventFrame::Zone, QByteArray(name)};
    return {};
}

icaltimetype InFrame(const icaltimetype& time, const EventFrame& from, const EventFrame& to)
{
    if (time.is_date || from.Kind == EventFrame::Floating || to.Kind == EventFrame::Floating) return time;
    if (from.Kind == to.Kind && from.Tzid == to.Tzid) return time;
    const QTimeZone source = ZoneOf(from), target = ZoneOf(to);
    if (!source.isValid() || !target.isValid()) return time;
    const QDateTime wall = WallTime(time, source);
    if (!wall.isValid()) return time;
    icaltimetype converted = IcalTimeOf(wall.toTimeZone(target), time);
    converted.zone = to.Kind == EventFrame::Utc ? icaltimezone_get_utc_timezone() : nullptr;
    return converted;
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

QDateTime SeenTime(const icaltimetype& time, const EventFrame& frame, const QTimeZone& local)
{
    const QDate date(time.year, time.month, time.day);
    if (time.is_date) return QDateTime(date, QTime(0, 0), QTimeZone::utc());
    const QDateTime wall(date, QTime(time.hour, time.minute, time.second), QTimeZone::utc());
    if (frame.Kind != EventFrame::Utc || !local.isValid()) return wall;
    const QDateTime there = wall.toTimeZone(local);
    return QDateTime(there.date(), there.time(), QTimeZone::utc());
}
