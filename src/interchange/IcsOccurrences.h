#pragma once
// Reading an iCalendar file down to the days its events fall on in one year. Recurring events
// (RRULE, RDATE, EXDATE, moved occurrences) are expanded with libical's recurrence iterator.
// An event falls on the date of its start as written in its own time zone; a start given in UTC
// falls on its date in the local zone. An event that happens several times a day is listed once
// that day.

#include "document/Dates.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QTimeZone>

struct IcsOccurrence
{
    DateRec Date;
    int Minute = -1; // minutes after midnight of the start; -1 for an all-day event
    int Order = 0;   // the event's place in the file
    QString Summary;
};

enum class IcsReadStatus
{
    Read,
    NotCalendar, // not iCalendar at all: another kind of file
    Damaged,     // iCalendar, but cut short or with an event that cannot be read
};

struct IcsReading
{
    IcsReadStatus Status = IcsReadStatus::NotCalendar;
    QList<IcsOccurrence> Occurrences; // in file order; sorted by the importer
};

// The files the importer takes at most, in bytes.
constexpr qint64 kMaxIcsSize = 64 * 1024 * 1024;

IcsReading ReadIcsOccurrences(QByteArrayView bytes, int year, const QTimeZone& local);
