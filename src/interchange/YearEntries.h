#pragma once
// The entries of a document year day by day, as the month grids show them: only the cells that
// hold a day of their month, in date order and list order.

#include "document/CalendarDocument.h"

#include <functional>

// Calls visit(date, index in the day's list, entry) for every entry of every day of the year.
void ForEachYearEntry(const CalendarDocument& doc,
                      const std::function<void(const DateRec&, int, const DayEntry&)>& visit);

// "Événement", "Revenu", "Dépense"; empty for an entry of no known type.
QString EntryCategory(const DayEntry& entry);
