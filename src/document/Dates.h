#pragma once
// The program's own date record and the few operations the rest of the program uses on it.
// Proleptic Gregorian calendar; computed dates are normalised like a date-serial function.

#include <QDate>
#include <QString>
#include <QStringView>
#include <QtGlobal>

struct DateRec
{
    qint16 Day = 0;
    qint16 Month = 0;
    qint16 Year = 0;

    friend bool operator==(const DateRec&, const DateRec&) = default;
};

// Stored unchanged: no check, no normalisation.
DateRec MakeDate(int day, int month, int year);

// The normalised date of (year, month, day): day 0 is the last day of the previous month,
// month 13 is January of the next year, and so on.
DateRec DateSerial(int year, int month, int day);

DateRec AddDays(const DateRec& date, qint32 n);
int DaysInMonth(int year, int month);
// The day of the month, or its last day when the month is shorter (31 April is 30 April).
DateRec ClampedDate(int day, int month, int year);
DateRec FromQDate(const QDate& date);

// 1 = Sunday ... 7 = Saturday, whatever the system's first day of the week.
int WeekdayOf(const DateRec& date, bool firstOfMonth);

bool DateIsAfter(const DateRec& a, const DateRec& b);
bool DateInRange(const DateRec& d, const DateRec& first, const DateRec& last);

// Year-month-day text used by the file format: "2004-03-05".
QString DateToText(const DateRec& date);
DateRec TextToDate(QStringView text);

// Days since 1 January 1970 (negative before); the basis of the arithmetic above.
qint64 DaysFromCivil(qint64 year, qint64 month, qint64 day);
