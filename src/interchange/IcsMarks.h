#pragma once
// What an entry carries beside its text, as its event carries it: the tick (a property of our
// own, since an event has no "done" state), the colour (the CSS name calendars know, with the
// exact colour beside it) and the alarm (a display alarm days before).

#include "document/CalendarDocument.h"

#include <QString>
#include <libical/ical.h>

inline constexpr char kTickedProperty[] = "X-DAYBINDER-TICKED";
inline constexpr char kExactColourProperty[] = "X-DAYBINDER-COLOR";

// The CSS colour name nearest to an entry colour (red in the low byte).
QString ColourName(qint32 colour);
// "#rrggbb".
QString ExactColour(qint32 colour);

// Sets the tick, the colour and the alarm of the entry from the event: the exact colour when the
// CSS name beside it was left as written, else the named one; an alarm set before the start, in
// whole days. The alarm's sound is left as it is.
void ReadEntryMarks(icalcomponent* event, DayEntry& entry);
