#pragma once
// The text of an iCalendar file made fit for the parser, the way calendar clients read files:
// any byte-order mark, UTF-16, or Windows-1252 text where UTF-8 is broken; lines ending in CR LF,
// LF or CR alone; folded lines joined; recurrence rules with blanks, lower case, empty items or
// parts the parser refuses put right. The parser drops a whole file whose components do not
// close: here a component that is never closed, or is cut short, is left out on its own, and
// lines outside any calendar are ignored. Of an event, only what the import reads is kept, unless
// whole events are asked for (their alarms and every property).

#include <QByteArray>
#include <QByteArrayView>

struct IcsText
{
    bool HasCalendar = false; // at least one BEGIN:VCALENDAR
    QByteArray Text;          // UTF-8, one line per property, LF line ends, components balanced
    int BrokenEvents = 0;     // events cut short or never closed, left out
};

IcsText CleanIcsText(QByteArrayView bytes, bool wholeEvents = false);

// A recurrence rule as the parser takes it; empty when nothing usable is left (no frequency).
QByteArray MendedRule(QByteArrayView value);
