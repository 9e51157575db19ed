#pragma once
// The operations on one day's entry list of the open document, addressed by month (1..12) and
// grid cell (7..48). Each is a no-op returning false for a day, line or order out of range;
// after a change the month is marked modified, the main window refills its current tab on the
// given line and the day's cell is redrawn.

#include "document/CalendarDocument.h"

// The list of a day of the open document; nullptr for an invalid day.
DayCell* DayOf(int month, int cell);

bool AppendEntry(int month, int cell, const DayEntry& entry);
// The same for an entry the user adds (the editor): a full day refuses it and says so.
bool AppendUserEntry(int month, int cell, const DayEntry& entry);
bool ReplaceEntry(int month, int cell, int index, const DayEntry& entry);
// removeAll empties the list, else the entry at index goes and the later ones move up.
bool RemoveEntry(int month, int cell, bool removeAll, int index);
// Exchanges two entries (Up: index - 1, Down: index + 1).
bool MoveEntry(int month, int cell, int from, int to);
// SortAtoZ or SortZtoA on the description, case-insensitive.
bool SortEntries(int month, int cell, int order);
// The check mark; the cell is redrawn but the list is not refilled.
bool SetTicked(int month, int cell, int index, bool state);

// Copy or Cut of the month grid's menu: the clipboard takes the entry and its place. Nothing is
// removed until it is pasted.
enum ClipboardMode : qint32
{
    ClipboardEmpty = 0,
    ClipboardCopied = 1,
    ClipboardCut = 2
};
bool CopyEntry(int month, int cell, int line, qint32 mode);

// Appends the clipboard entry to the day as the user's own. A copy stays on the clipboard, a cut
// removes its source; when the source changed or went, the clipboard is emptied instead. A full
// day refuses it, says so, and leaves the clipboard as it was.
bool PasteEntry(int month, int cell);
