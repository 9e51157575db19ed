#pragma once
// The year as an iCalendar file (RFC 5545) for phones and other calendars: every day entry an
// all-day event on its date, in the day's list order. UTF-8, CR LF lines folded at 75 octets.

#include "document/CalendarDocument.h"
#include "interchange/IcalHandles.h"
#include "interchange/YearEntries.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

// What another calendar shows: the trimmed text of an event; for money the name, then the
// amount with " $" ("Loyer 650 $").
QString EntrySummary(const DayEntry& entry);

// The same entry place of the same document always gets the same identifier: the document is
// known by its year and its file name (DocumentUidPart), the place by the date and the line of
// the day's list.
QString DocumentUidPart(const CalendarDocument& doc);
QString EntryUid(const QString& documentPart, const DateRec& date, int index);

// The event another calendar gets for one entry of a day: all day on its date, its summary and
// category, the tick, the colour and the alarm; stamp is the moment of the exchange (DTSTAMP).
IcalComponent EventOfEntry(const QString& documentPart, const DateRec& date, int index, const DayEntry& entry,
                           const QDateTime& stamp);
// The same with an identifier of the caller's: an entry kept on a calendar server.
IcalComponent EventOfEntry(const QString& uid, const DateRec& date, const DayEntry& entry,
                           const QDateTime& stamp);

// A calendar of ours around events already written (IcalText).
QByteArray CalendarAround(const QByteArray& events);

// The whole file; stamp is the moment of the export (DTSTAMP), in UTC.
QByteArray ExportCalendar(const CalendarDocument& doc, const QDateTime& stamp);
