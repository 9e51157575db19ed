#pragma once
// What differs between two states of a document: whether they hold the same year at all, which
// parts a save would have to write, which days and which months' looks changed. Lists and
// pictures that two states share are the same without a look at their contents, so comparing a
// state with the one before it costs little more than a walk over the 504 days.

#include "document/CalendarDocument.h"

#include <bitset>

// Every field, pictures compared by identity; the file path and the marks of unsaved changes
// (IsSaved and the part flags) are not the document's content.
bool SameEntry(const DayEntry& a, const DayEntry& b);
bool SameContent(const CalendarDocument& a, const CalendarDocument& b);

// A copy of the content alone: no file path, nothing marked modified.
CalendarDocument ContentOf(const CalendarDocument& doc);

// What Undo and Redo leave as it is: the pairing with a calendar server (what the server holds
// does not change with them) and the identities an exchange gave entries since the state was
// kept, taken from the equal entry of the same day in the state left.
void KeepServerPairing(CalendarDocument& restored, const CalendarDocument& left);

// Sets the part flags of doc to what differs from the saved state, and IsSaved with them.
void MarkPartsAgainst(CalendarDocument& doc, const CalendarDocument& saved);

// Days whose entries differ, each at DayIndex(month, cell).
std::bitset<12 * kCellCount> ChangedDays(const CalendarDocument& a, const CalendarDocument& b);
inline size_t DayIndex(int month, int cell)
{
    return size_t((month - 1) * kCellCount + cell - kFirstCell);
}

// A month whose look changed: it moved on or off the defaults, or what it shows differs.
bool MonthColoursChanged(const CalendarDocument& before, const CalendarDocument& after, int month);
bool MonthBackgroundChanged(const CalendarDocument& before, const CalendarDocument& after, int month);

// The months whose window shows something else now: every month when the year changed, else
// those whose effective colours or background changed.
QList<int> MonthsToRebuild(const CalendarDocument& before, const CalendarDocument& after);
