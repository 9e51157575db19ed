#pragma once
// Reading an iCalendar file down to its events, each with the entry it gives and the days of
// one year it covers. Damage is met the way calendar clients meet it: a property that cannot be
// read is passed over, an event that cannot be placed is left out and counted, and a file is
// refused only when it holds no calendar at all. An occurrence of a series that an event of its
// own replaces (same UID, RECURRENCE-ID) is that event's; a cancelled one takes its day away.

#include "document/CalendarDocument.h"
#include "interchange/IcsEventDays.h"

#include <QByteArrayView>
#include <QList>
#include <QTimeZone>

enum class EventFate
{
    Placed,      // covers days of the year
    Cancelled,   // STATUS:CANCELLED: shown nowhere, and takes its occurrence away from its series
    NoStart,     // no start date that can be read
    OutsideYear, // not one day in the year
    NoText,      // nothing to show in a day
};

struct IcsEvent
{
    int Series = 0; // the events of one UID (a series and its edited occurrences) share it
    QByteArray Uid;
    EventFate Fate = EventFate::Placed;
    DayEntry Entry;
    bool CharactersReplaced = false; // the text lost characters it could not keep
    QList<EventDay> Days;            // in date order; empty unless placed
};

enum class IcsReadStatus
{
    Read,
    NotCalendar, // holds no calendar, or is no text at all
};

struct IcsReading
{
    IcsReadStatus Status = IcsReadStatus::NotCalendar;
    QList<IcsEvent> Events; // in file order
    int BrokenEvents = 0;   // events cut short or never closed, left out
};

// The files the importer takes at most, in bytes.
constexpr qint64 kMaxIcsSize = 64 * 1024 * 1024;

// With marks, each entry takes its event's tick, colour and alarm as well (IcsMarks.h).
IcsReading ReadIcsEvents(QByteArrayView bytes, int year, const QTimeZone& local, bool marks = false);

// True when the bytes hold a calendar the reader can take.
bool HoldsCalendar(QByteArrayView bytes);
