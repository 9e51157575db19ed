#pragma once
// Dates as the windows show them.

#include "document/Dates.h"

#include <QString>

// "dd mmm yyyy": two-digit day, the abbreviated French month name, the year: the program speaks
// French whatever the system's language.
QString ShortDateText(const DateRec& date);

// "dd mmmm yyyy": the same with the full month name.
QString LongDateText(const DateRec& date);

// "mardi 8 décembre 2026": weekday, day without a leading zero, full month, year; how a screen
// reader speaks a day.
QString SpokenDateText(const DateRec& date);
