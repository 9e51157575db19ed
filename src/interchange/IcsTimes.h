#pragma once
// The times of one event, all brought into the frame of its start: the zone it names (TZID),
// UTC, or floating local time. Conversions between zones use the system's zone database; a zone
// it does not know leaves the time as written.

#include <QByteArray>
#include <QDateTime>
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
    QByteArray Tzid;
};

// The frame a property's time is written in.
EventFrame FrameOf(icalproperty* property, const icaltimetype& time);

// The time of a property in another frame; dates stay as they are.
icaltimetype InFrame(const icaltimetype& time, const EventFrame& from, const EventFrame& to);

// The date and time of dt in the form of like (its date flag and zone kept).
icaltimetype IcalTimeOf(const QDateTime& dt, const icaltimetype& like);

// A comparable key: days and seconds of the wall time; a date keeps only its days.
qint64 TimeKey(const icaltimetype& time);

// The date and minute the user sees: a UTC time in the local zone, any other as written.
QDateTime SeenTime(const icaltimetype& time, const EventFrame& frame, const QTimeZone& local);
