#pragma once
// The entries auto-events and birthdays place into the days of the document year: occurrences,
// each carrying its definition's key in LinkKey. An update first removes the occurrences whose
// key no current definition holds (its definition was removed or changed, which gives it a new
// key), then appends the missing ones at the end of their days, in definition order. A day
// that already holds an occurrence of a definition is left alone, so the user's tick, colour,
// picture or alarm on it stay and nothing is ever doubled.
//
// The document properties change of year calls RunCalendarUpdate and RunBirthdayUpdate on the
// new, emptied year; daybinder-cli calls UpdateAutoEvents and UpdateBirthdays on a file.

#include "document/CalendarDocument.h"

#include <QList>
#include <array>
#include <bitset>
#include <optional>

// What an update did to the days of a document.
struct UpdatedDays
{
    // Months that lost or hold an occurrence of a current definition: marked modified.
    std::array<bool, 12> Months{};
    // Cells to redraw, at (month - 1) * 42 + cell position.
    std::bitset<12 * kCellCount> Cells;
    int Removed = 0;
    int Added = 0;

    void Touch(int month, int cell);
    bool CellTouched(int month, int cell) const;
};

// The dates of the year a definition falls on, in calendar order, within its range (both ends
// included, compared by year, month, then day):
// - monthly: Day of every month, the month's last day when Day is beyond it;
// - yearly: Day of Month, clamped the same way (29 February is the 28th in other years);
// - weekly: every date whose weekday is Day (1 = Sunday);
// - every two weeks: the start date and every 14th day after it, whatever the year it lies in;
// - daily: every date.
// A day or month no editor gives (0, a weekday beyond 7, a month beyond 12) places nothing.
QList<DateRec> OccurrenceDates(const AutoEventDef& def, int year);

// The birthday's day and month in that year, clamped to the month's length; the birth year
// plays no part. Nothing for a day or month no editor gives.
std::optional<DateRec> BirthdayDate(const BirthdayDef& birthday, int year);

// A fresh occurrence: no tick, colour, picture or alarm (1 day before, no sound).
DayEntry OccurrenceOf(const AutoEventDef& def);
DayEntry OccurrenceOf(const BirthdayDef& birthday); // "AN:" + name, an event

// The calendar update and the birthday update of a document, for its own year. Nothing is
// marked or redrawn: the caller does it with the returned days.
UpdatedDays UpdateAutoEvents(CalendarDocument& doc);
UpdatedDays UpdateBirthdays(CalendarDocument& doc);

// The same on the open document, with the hourglass and the screen repainted before and
// after: the months are marked modified and the cells redrawn.
void RunCalendarUpdate();
void RunBirthdayUpdate();
