#pragma once
// A changed entry written over the server's copy of its event rather than in place of it: what
// the entry says differently (its text, kind, tick, colour, alarm, day) replaces what the copy
// says, and the rest stays as the other calendars wrote it: a time of day, a place, a long text
// the day line shows only the start of, attendees, other alarms.

#include "document/CalendarDocument.h"
#include "sync/CalDavClient.h"

#include <QDateTime>
#include <QTimeZone>

// The resource to send for the entry on its date; the entry's own event when the copy cannot be
// read or is not one plain event of that identifier.
QByteArray PatchedEvent(const DavResource& copy, const QString& uid, const DateRec& date,
                        const DayEntry& entry, const QDateTime& stamp, const QTimeZone& local);
