#pragma once
// The date pickers of the editors: a date box with its calendar, showing year-month-day.

#include "document/Dates.h"

class QDateEdit;
class QString;
class QWidget;

QDateEdit* DatePicker(const QString& name, const DateRec& date, QWidget* parent);

// The picker's day, month and year; and a date put into it (one it cannot show leaves it).
DateRec PickedDate(const QDateEdit* picker);
void ShowDate(QDateEdit* picker, const DateRec& date);
