#pragma once
// Dates as the windows show them.

#include "document/Dates.h"

#include <QString>

// "dd mmm yyyy": two-digit day, the abbreviated month name of the user's locale, the year.
QString ShortDateText(const DateRec& date);

// "dd mmmm yyyy": the same with the full month name.
QString LongDateText(const DateRec& date);
