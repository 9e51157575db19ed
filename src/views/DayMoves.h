#pragma once
// Where the keyboard takes the selected day of a month grid.

#include "document/Dates.h"

enum class DayMove
{
    PreviousDay,
    NextDay,
    PreviousWeek,
    NextWeek,
    FirstOfMonth,
    LastOfMonth,
    PreviousMonth, // the same day, or the month's last when it is shorter
    NextMonth,
};

// The day a move leads to; the day itself when the move would leave its year (the document
// holds one year only).
DateRec MovedDay(const DateRec& from, DayMove move);
