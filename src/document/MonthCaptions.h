#pragma once
// The texts of a month page as the month window and the printed calendar show them: the
// caption, the weekday headings, the day number of each cell and the look of its lines.

#include "document/CalendarDocument.h"

#include <QString>

// A month's caption: its name, a blank and the document's year ("Mars 2026").
QString MonthCaption(const CalendarDocument& doc, int month);

// The string number of weekday heading k, Sunday first: 407 "Dimanche", then 401..406.
int WeekdayHeadingText(int k);

// The day number a grid cell shows, "01".."31"; "" for a cell outside the month.
QString DayCaption(int year, int month, int cell);

// A cell shows seven lines of entries.
constexpr int kCellLines = 7;

struct CellLine
{
    QString Text;
    qint32 Colour = 0; // stored colour value (0x00BBGGRR)
    bool Strike = false;
    bool Picture = false; // the entry has a special picture: the grid marks the line
};
