#pragma once
// The times of a calendar's events and the frames they are written in: a zone (TZID), UTC, or
// floating time. A TZID names a zone of the system's database, the Windows name of one, or a
// VTIMEZONE of the file; a name that is none of these leaves its times floating. Floating times
// are read in the zone the calendar declares (X-WR-TIMEZONE), else in the local zone.

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QTimeZone>
#include <libical/ical.h>

struct EventFrame
{
    enum Kind
    {
        Floating,
        Utc,
        Zone
    } Kind = Floating;
    QTimeZone Named;                 // a zone the system knows...
    icaltimezone* Defined = nullptr; // ...else the file's own VTIMEZONE

    bool SameAs(const EventFrame& other) const
    {
        return Kind == other.Kind && Named == other.Named && Defined == other.Defined;
    }
};

// The zone of the system's database a calendar means by a name: an IANA name, a Windows name
// ("Pacific Standard Time"), or a path that ends in an IANA name. Invalid when none.
QTimeZone ZoneNamed(const QByteArray& name);

// The zones of one VCALENDAR, each name resolved once.
class IcsZones
{
public:
    IcsZones(icalcomponent* calendar, const QTimeZone& local);

    // The frame a property's time is written in.
    EventFrame FrameOf(icalproperty* property, const icaltimetype& time);

    // The time of a property in another frame; dates stay as they are.
    icaltimetype InFrame(const icaltimetype& time, const EventFrame& from, const EventFrame& to) const;

    // The date and minute the user sees: a UTC time in the local zone, any other as written.
    QDateTime SeenTime(const icaltimetype& time, const EventFrame& frame) const;

private:
    QDateTime UtcOf(const icaltimetype& time, const EventFrame& frame) const;

    icalcomponent* m_calendar;
    QTimeZone m_local;
    QTimeZone m_floating;
    QHash<QByteArray, EventFrame> m_named;
};

// The date and time of dt in the form of like (its date flag and zone kept).
icaltimetype IcalTimeOf(const QDateTime& dt, const icaltimetype& like);

// A comparable key: days and seconds of the wall time; a date keeps only its days.
qint64 TimeKey(const icaltimetype& time);
