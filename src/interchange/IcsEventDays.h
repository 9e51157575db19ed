#pragma once
// One VEVENT down to the days of a year it covers. Recurring events (RRULE, RDATE, EXDATE) are
// expanded with libical's recurrence iterator. An occurrence falls on the date of its start as
// written in its own zone; one given in UTC on its date in the local zone. An event that lasts
// several days (an all-day end after the next day, a time that runs past midnight) covers each
// of them, up to a year; an event that happens several times a day covers that day once.

#include "document/Dates.h"
#include "interchange/IcsTimes.h"

#include <QList>
#include <optional>

struct EventDay
{
    DateRec Date;
    int Minute = -1; // minutes after midnight of the earliest start that day; -1: all day
    friend bool operator==(const EventDay&, const EventDay&) = default;
};

// A time of a property with the frame it is written in.
struct FramedTime
{
    icaltimetype Time;
    EventFrame Frame;
};

// The start of an event, when it has a usable one.
std::optional<FramedTime> StartOf(icalcomponent* event, IcsZones& zones);

// The time of an occurrence that an event of its own replaces (its RECURRENCE-ID).
std::optional<FramedTime> OverriddenOf(icalcomponent* event, IcsZones& zones);

struct DayWindow
{
    int Year = 0;
    QList<FramedTime> Overridden; // occurrences of the series replaced by events of their own
    qint64* StepBudget = nullptr; // recurrence steps left for the whole file; none: the event's own
};

// The days of the window's year the event covers, in date order, each once. An event that
// replaces an occurrence of a series (RECURRENCE-ID) covers only the days of its own start.
QList<EventDay> DaysOfEvent(icalcomponent* event, IcsZones& zones, const DayWindow& window);
