#include "summary/ChartData.h"

#include "document/Money.h"
#include "document/NumberText.h"
#include "resources/Strings.h"
#include "settings/SettingsStore.h"
#include "summary/SummaryTotals.h"

#include <algorithm>

qint32 MonthlyTotals::Value(int series, int month) const
{
    const size_t i = size_t(month - 1);
    switch (series) {
    case 0:
        return Incomes.at(i);
    case 1:
        return Expenses.at(i);
    default:
        return DifferenceOf(Incomes.at(i), Expenses.at(i));
    }
}

MonthlyTotals GatherMonthlyTotals(const CalendarDocument& doc, const std::function<void(int)>& progress)
{
    MonthlyTotals t;
    if (progress) progress(0);
    for (int m = 1; m <= 12; ++m) {
        t.Incomes[size_t(m - 1)] = RangeAmountTotal(doc, SummaryIncomes, SummaryMonth, m, kFirstCell);
        t.Expenses[size_t(m - 1)] = RangeAmountTotal(doc, SummaryExpenses, SummaryMonth, m, kFirstCell);
        if (progress) progress(m * 100 / 12);
    }
    return t;
}

QString SeriesName(int series)
{
    return Str(1107 + series);
}

QColor SeriesColour(int series)
{
    static const QColor colours[kChartSeries] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 255, 0)};
    return colours[std::clamp(series, 0, kChartSeries - 1)];
}

int ChartChoices::CheckedMonths() const
{
    return int(std::count(Months.begin(), Months.end(), true));
}

bool ChartChoices::MayUncheckMonth(int month) const
{
    return !Months.at(size_t(month - 1)) || CheckedMonths() > kMinChartMonths;
}

ChartChoices ReadChartChoices()
{
    const SettingsFile file;
    // "1" checked, anything else not, as the options dialog reads "ShowSel".
    const auto checked = [&file](const SettingKey& key) { return ReadNumber(file.Read(key)) == 1; };
    ChartChoices c;
    for (int s = 0; s < kChartSeries; ++s) c.Series[size_t(s)] = checked(Keys::SummarySeries(s));
    for (int m = 1; m <= 12; ++m) c.Months[size_t(m - 1)] = checked(Keys::SummaryMonth(m));
    c.ShowSelection = checked(Keys::ShowSel());
    // A hand-edited file may leave fewer than two months: the first ones make up the pair.
    for (bool& month : c.Months)
        if (c.CheckedMonths() < kMinChartMonths) month = true;
    return c;
}

bool WriteChartChoices(const ChartChoices& choices)
{
    SettingsFile file;
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    for (int m = 1; m <= 12; ++m) file.Write(Keys::SummaryMonth(m), flag(choices.Months[size_t(m - 1)]));
    for (int s = 0; s < kChartSeries; ++s)
        file.Write(Keys::SummarySeries(s), flag(choices.Series[size_t(s)]));
    file.Write(Keys::ShowSel(), flag(choices.ShowSelection));
    return file.Commit();
}

ChartTable BuildChartTable(const MonthlyTotals& totals, const ChartChoices& choices)
{
    ChartTable table;
    for (int m = 1; m <= 12; ++m) {
        if (!choices.Months[size_t(m - 1)]) continue;
        table.RowMonths.append(m);
        table.RowLabels.append(Str(209 + m));
    }
    for (int s = 0; s < kChartSeries; ++s) {
        if (!choices.Series[size_t(s)]) continue;
        ChartTable::Column column{s, SeriesName(s), SeriesColour(s), {}};
        for (int m : table.RowMonths) column.Values.append(totals.Value(s, m));
        table.Columns.append(column);
    }
    return table;
}
