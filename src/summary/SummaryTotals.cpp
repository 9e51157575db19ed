#include "summary/SummaryTotals.h"

#include "document/Money.h"
#include "entries/DayEntries.h"
#include "entries/EntryText.h"

namespace {

constexpr int kCellsPerMonth = kLastCell - kFirstCell + 1;

qint32 KindOf(const DayTotals& totals, qint32 kind)
{
    return kind == SummaryIncomes ? totals.Incomes : kind == SummaryExpenses ? totals.Expenses : 0;
}

bool ValidKind(qint32 kind)
{
    return kind == SummaryIncomes || kind == SummaryExpenses;
}

// Days counted from (month, cell) on, cell by cell through the grids of the following months.
qint32 WalkTotal(const CalendarDocument& doc, qint32 kind, int month, int cell, int days)
{
    qint32 total = 0;
    int counted = 0;
    while (counted < days && month <= 12) {
        if (DayOfCell(doc.YearNumber(), month, cell) > 0) {
            total = AddRounded(total, DayAmountTotal(doc, kind, month, cell));
            ++counted;
        }
        if (++cell > kLastCell) {
            cell = kFirstCell;
            ++month;
        }
    }
    return total;
}

} // namespace

qint32 DayAmountTotal(const CalendarDocument& doc, qint32 kind, int month, int cell)
{
    if (!ValidKind(kind)) return 0;
    return KindOf(TotalsOfDay(doc, month, cell), kind);
}

qint32 RangeAmountTotal(const CalendarDocument& doc, qint32 kind, int type, int month, int cell)
{
    if (!ValidMonth(month) || !ValidKind(kind)) return 0;
    if (type == SummaryMonth) {
        qint32 total = 0;
        for (int c = kFirstCell; c < kFirstCell + kCellsPerMonth; ++c)
            total = AddRounded(total, DayAmountTotal(doc, kind, month, c));
        return total;
    }
    if (!ValidCell(cell)) return 0;
    switch (type) {
    case SummaryDay:
        return DayAmountTotal(doc, kind, month, cell);
    case SummaryWeek:
        return WalkTotal(doc, kind, month, cell, 7);
    case SummaryTwoWeeks:
        return WalkTotal(doc, kind, month, cell, 14);
    default:
        return 0;
    }
}

SummaryResult ComputeSummary(const CalendarDocument& doc, int type, int month, int cell, const DateRec& date)
{
    SummaryResult r;
    if (!ValidMonth(month) || !ValidCell(cell)) return r;
    switch (type) {
    case SummaryMonth:
        r.From = MakeDate(1, month, doc.YearNumber());
        r.To = MakeDate(DaysInMonth(doc.YearNumber(), month), month, doc.YearNumber());
        break;
    case SummaryWeek:
        r.From = date;
        r.To = AddDays(date, 6);
        break;
    case SummaryTwoWeeks:
        r.From = date;
        r.To = AddDays(date, 13);
        break;
    default:
        r.From = r.To = date;
        break;
    }
    r.Incomes = RangeAmountTotal(doc, SummaryIncomes, type, month, cell);
    r.Expenses = RangeAmountTotal(doc, SummaryExpenses, type, month, cell);
    r.Total = DifferenceOf(r.Incomes, r.Expenses);
    return r;
}

SummaryTexts TextsOf(const SummaryResult& result)
{
    return {DateToText(result.From), DateToText(result.To), MoneyText(result.Incomes),
            MoneyText(result.Expenses), MoneyText(result.Total)};
}
