#pragma once
// A resource of the calendar collection as entries of the document year: one entry on each day
// it covers. A plain event of one day gives one entry known by the event's UID; a repeated event
// (or one of several days) gives one entry a day, each known by the UID and its date.

#include "document/CalendarDocument.h"
#include "sync/CalDavClient.h"

#include <QList>
#include <QTimeZone>

struct ServerDay
{
    QString Uid; // the entry's
    DateRec Date;
    DayEntry Entry;
};

struct ServerEvent
{
    QString Href;
    QString ETag;
    bool Readable = false; // holds a calendar; else left alone, never taken as a deletion
    bool Series = false;   // repeated or several days long: received, never sent back
    QList<ServerDay> Days; // in date order; none when it has no day in the year
};

ServerEvent ReadServerEvent(const DavResource& resource, int year, const QTimeZone& local);
