#pragma once
// The day entry an event of another calendar becomes: an event entry whose text is what that
// calendar shows of it, made to fit a day line.

#include "document/CalendarDocument.h"

#include <QString>
#include <QStringView>
#include <libical/ical.h>

// An event's text as the program keeps it: one line of at most the event length, characters
// the file format cannot carry replaced by "?" (*replaced is then set).
QString ImportedDescription(QStringView summary, bool* replaced);

// What another calendar shows of an event: its summary, else its description, else its place.
QString EventText(icalcomponent* event);

// The entry each day the event covers gets: an income or an expense when one of its categories
// says so and its text ends in an amount ("Loyer 650 $"), else an event; its description is
// empty when the event has nothing to show.
DayEntry EntryOfEvent(icalcomponent* event, bool* replaced);
