#pragma once
// What the summary chart draws: the monthly totals of the year, the user's choice of series and
// months (kept in the "Summary" settings), and the table of bars built from both.

#include "document/CalendarDocument.h"

#include <QColor>
#include <QList>
#include <QString>
#include <array>
#include <functional>

constexpr int kChartSeries = 3; // 0 incomes, 1 expenses, 2 grand total
constexpr int kMinChartMonths = 2;

struct MonthlyTotals
{
    std::array<qint32, 12> Incomes{};
    std::array<qint32, 12> Expenses{};
    // Series 0, 1 or 2 of a month 1..12.
    qint32 Value(int series, int month) const;
};

// The month totals of the year; progress(percent) after each month (0 to 100).
MonthlyTotals GatherMonthlyTotals(const CalendarDocument& doc, const std::function<void(int)>& progress = {});

// "Revenus", "Dépenses", "Grand total:" and their colours: blue, red, green.
QString SeriesName(int series);
QColor SeriesColour(int series);

struct ChartChoices
{
    std::array<bool, kChartSeries> Series{true, true, true};
    std::array<bool, 12> Months{true, true, true, true, true, true, true, true, true, true, true, true};
    bool ShowSelection = true;

    int CheckedMonths() const;
    // False when unchecking that month would leave fewer than two drawn.
    bool MayUncheckMonth(int month) const;
};

// The choices as the settings hold them; a month checked too few stays at two months drawn.
ChartChoices ReadChartChoices();
bool WriteChartChoices(const ChartChoices& choices);

// The bars: one column per checked series, one row per checked month, in their orders.
struct ChartTable
{
    struct Column
    {
        int Series;
        QString Name;
        QColor Colour;
        QList<qint32> Values; // one per row
    };
    QList<Column> Columns;
    QList<int> RowMonths;  // 1..12
    QStringList RowLabels; // "Janvier"...
};
ChartTable BuildChartTable(const MonthlyTotals& totals, const ChartChoices& choices);
