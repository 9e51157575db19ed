#pragma once
// The texts of a month page as the month window and the printed calendar show them: the
// caption, the weekday headings and the day number of each cell.

#include "document/CalendarDocument.h"

#include <QString>

// A month's caption: its name, a blank and the document's year ("Mars 2026").
QString MonthCaption(const CalendarDocument& doc, int month);

// The string number of weekday heading k, Sunday first: 407 "Dimanche", then 401..406.
int WeekdayHeadingText(int k);

// The day number a grid cell shows, "01".."31"; "" for a cell outside the month.
QString DayCaption(int year, int month, int cell);
