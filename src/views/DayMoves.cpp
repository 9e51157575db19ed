#include "views/DayMoves.h"

DateRec MovedDay(const DateRec& from, DayMove move)
{
    DateRec to = from;
    switch (move) {
    case DayMove::PreviousDay:
        to = AddDays(from, -1);
        break;
    case DayMove::NextDay:
        to = AddDays(from, 1);
        break;
    case DayMove::PreviousWeek:
        to = AddDays(from, -7);
        break;
    case DayMove::NextWeek:
        to = AddDays(from, 7);
        break;
    case DayMove::FirstOfMonth:
        to = MakeDate(1, from.Month, from.Year);
        break;
    case DayMove::LastOfMonth:
        to = ClampedDate(31, from.Month, from.Year);
        break;
    case DayMove::PreviousMonth:
    case DayMove::NextMonth: {
        const int month = from.Month + (move == DayMove::NextMonth ? 1 : -1);
        if (month < 1 || month > 12) return from;
        to = ClampedDate(from.Day, month, from.Year);
        break;
    }
    }
    return to.Year == from.Year ? to : from;
}
