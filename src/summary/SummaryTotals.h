#pragma once
// The summary: incomes, expenses and their difference over a span that starts at the selected
// day (the day alone, its month, one week or two weeks). Totals are 32-bit, rounded ties-to-even
// after every addition and saturated at the limits of the range (they never wrap).

#include "document/CalendarDocument.h"

#include <QString>

// Which entries a total adds: the entry types of incomes and expenses.
enum SummaryKind : qint32
{
    SummaryIncomes = EntryIncome,
    SummaryExpenses = EntryExpense
};

// The four type boxes of the summary tab, by index.
enum SummaryType : int
{
    SummaryDay = 0,
    SummaryMonth = 1,
    SummaryWeek = 2,
    SummaryTwoWeeks = 3
};

// The total of one day; 0 for a month outside 1..12 or a cell outside 7..48.
qint32 DayAmountTotal(const CalendarDocument& doc, qint32 kind, int month, int cell);

// The total over the span of that type starting at that day (type 1 needs no cell). Weeks walk
// the grid across months, skipping cells without a day, and never pass 31 December.
qint32 RangeAmountTotal(const CalendarDocument& doc, qint32 kind, int type, int month, int cell);

struct SummaryResult
{
    DateRec From; // zeros when no day is selected
    DateRec To;   // may lie in the next year, although the sums stop at 31 December
    qint32 Incomes = 0;
    qint32 Expenses = 0;
    qint32 Total = 0;
};

// The span and the totals of a type for the selected day (month 0: none selected).
SummaryResult ComputeSummary(const CalendarDocument& doc, int type, int month, int cell, const DateRec& date);

// The span labels' and result boxes' texts: "2026-12-28", "1250$"...
struct SummaryTexts
{
    QString From;
    QString To;
    QString Incomes;
    QString Expenses;
    QString Total;
};
SummaryTexts TextsOf(const SummaryResult& result);
