// The summary's sums over a day, a month and one or two weeks, the spans shown, and the chart's
// monthly totals, table and stored choices.

#include "entries/EntryFixtures.h"
#include "settings/SettingsStore.h"
#include "summary/ChartData.h"
#include "summary/SummaryTotals.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// The tab's texts for the selected day of the test document: from, to and the three results.
QStringList Summary(int type, int day, int month)
{
    const DateRec date = MakeDate(day, month, Doc().YearNumber());
    const SummaryTexts t = TextsOf(ComputeSummary(Doc(), type, month, CellOfDate(date), date));
    return {t.From, t.To, t.Incomes, t.Expenses, t.Total};
}

} // namespace

class TestSummaryTotals : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(2004); }

    void eachAdditionIsRoundedHalfToEven()
    {
        // 2.5 rounds to 2, then 2 + 3.5 = 5.5 rounds to 6 (adding first would give 6 as well,
        // but 2.5 + 2.5 on two days gives 2 + 2, not 5).
        EntriesOn(2, 3) = {Money(EntryIncome, "Prime", "2.5"), Money(EntryIncome, "Boni", "3.5")};
        QCOMPARE(DayAmountTotal(Doc(), SummaryIncomes, 3, CellOf(2, 3)), 6);
        EntriesOn(3, 3) = {Money(EntryExpense, "Café", "2.5")};
        EntriesOn(4, 3) = {Money(EntryExpense, "Café", "2.5")};
        QCOMPARE(DayAmountTotal(Doc(), SummaryExpenses, 3, CellOf(3, 3)), 2);
        QCOMPARE(Summary(SummaryWeek, 2, 3), (QStringList{"2004-03-02", "2004-03-08", "6$", "4$", "2$"}));
        QCOMPARE(Summary(SummaryMonth, 20, 3), (QStringList{"2004-03-01", "2004-03-31", "6$", "4$", "2$"}));
        // Amounts that are not numbers count as nothing; a typed minus sign stays.
        EntriesOn(5, 3) = {Money(EntryIncome, "Vente", "beaucoup"), Money(EntryIncome, "Remb.", "-12")};
        QCOMPARE(Summary(SummaryDay, 5, 3), (QStringList{"2004-03-05", "2004-03-05", "-12$", "0$", "-12$"}));
    }

    void weeksWalkTheGridAcrossMonthsButNeverPastDecember()
    {
        // 30 April 2004 is a Friday: the walk leaves April's grid through its empty cells and
        // enters May's (1 May is a Saturday) through the empty cells before the 1st.
        for (int day : {30}) EntriesOn(day, 4) = {Money(EntryIncome, "Paie", "100")};
        for (int day : {1, 6, 7}) EntriesOn(day, 5) = {Money(EntryIncome, "Paie", "10")};
        Doc().Month(4).Cell(CellOf(30, 4) + 1).Entries = {Money(EntryIncome, "Perdu", "5000")};
        QCOMPARE(Summary(SummaryWeek, 30, 4),
                 (QStringList{"2004-04-30", "2004-05-06", "120$", "0$", "120$"}));
        QCOMPARE(Summary(SummaryTwoWeeks, 30, 4),
                 (QStringList{"2004-04-30", "2004-05-13", "130$", "0$", "130$"}));

        // From 28 December the sums stop at the 31st; the end shown lies in the next year.
        EntriesOn(28, 12) = {Money(EntryIncome, "Salaire", "1250")};
        EntriesOn(31, 12) = {Money(EntryExpense, "Réveillon", "40")};
        QCOMPARE(Summary(SummaryWeek, 28, 12),
                 (QStringList{"2004-12-28", "2005-01-03", "1250$", "40$", "1210$"}));
        QCOMPARE(Summary(SummaryTwoWeeks, 25, 12),
                 (QStringList{"2004-12-25", "2005-01-07", "1250$", "40$", "1210$"}));
        QCOMPARE(Summary(SummaryDay, 31, 12), (QStringList{"2004-12-31", "2004-12-31", "0$", "40$", "-40$"}));
        QCOMPARE(Summary(SummaryMonth, 1, 2).mid(0, 2), (QStringList{"2004-02-01", "2004-02-29"}));
    }

    void eventsNeverCount()
    {
        EntriesOn(9, 6) = {Event("Loyer      650"), Money(EntryExpense, "Loyer", "650"),
                           Entry(4, "Autre      99")};
        QCOMPARE(Summary(SummaryDay, 9, 6), (QStringList{"2004-06-09", "2004-06-09", "0$", "650$", "-650$"}));
        QCOMPARE(DayAmountTotal(Doc(), EntryEvent, 6, CellOf(9, 6)), 0);
    }

    void noSelectedDayOrABadOneGivesZero()
    {
        EntriesOn(1, 1) = {Money(EntryIncome, "Paie", "100")};
        for (int type : {SummaryDay, SummaryMonth, SummaryWeek, SummaryTwoWeeks}) {
            const SummaryTexts t = TextsOf(ComputeSummary(Doc(), type, 0, 0, DateRec()));
            QCOMPARE((QStringList{t.Incomes, t.Expenses, t.Total}), (QStringList{"0$", "0$", "0$"}));
            QCOMPARE(ComputeSummary(Doc(), type, 0, 0, DateRec()).To, DateRec());
        }
        QCOMPARE(RangeAmountTotal(Doc(), SummaryIncomes, SummaryDay, 1, 6), 0);
        QCOMPARE(RangeAmountTotal(Doc(), SummaryIncomes, SummaryDay, 13, CellOf(1, 1)), 0);
        QCOMPARE(RangeAmountTotal(Doc(), SummaryIncomes, 4, 1, CellOf(1, 1)), 0);
        QCOMPARE(RangeAmountTotal(Doc(), SummaryIncomes, SummaryMonth, 1, 0), 100); // a month needs no cell
    }

    void totalsBeyondTheRangeStopAtItsLimitsInsteadOfWrapping()
    {
        EntriesOn(1, 7) = {Money(EntryIncome, "Loto", "2000000000"),
                           Money(EntryIncome, "Loto", "2000000000")};
        EntriesOn(2, 7) = {Money(EntryIncome, "Loto", "2000000000"),
                           Money(EntryExpense, "Dette", "-2000000000")};
        QCOMPARE(Summary(SummaryDay, 1, 7).mid(2), (QStringList{"2147483647$", "0$", "2147483647$"}));
        QCOMPARE(Summary(SummaryWeek, 1, 7).mid(2),
                 (QStringList{"2147483647$", "-2000000000$", "2147483647$"}));
        EntriesOn(3, 7) = {Money(EntryExpense, "Dette", "3e9")};
        QCOMPARE(Summary(SummaryDay, 3, 7).mid(2), (QStringList{"0$", "2147483647$", "-2147483647$"}));
        EntriesOn(3, 7).append(Money(EntryIncome, "Dette", "-3e9"));
        QCOMPARE(Summary(SummaryDay, 3, 7).mid(2),
                 (QStringList{"-2147483648$", "2147483647$", "-2147483648$"}));
    }

    void chartGathersEveryMonthWithProgress()
    {
        EntriesOn(15, 1) = {Money(EntryIncome, "Paie", "1000"), Money(EntryExpense, "Loyer", "600")};
        EntriesOn(31, 12) = {Money(EntryExpense, "Fête", "250")};
        QList<int> progress;
        const MonthlyTotals t = GatherMonthlyTotals(Doc(), [&](int p) { progress.append(p); });
        QCOMPARE(progress, (QList<int>{0, 8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91, 100}));
        QCOMPARE(t.Value(0, 1), 1000);
        QCOMPARE(t.Value(1, 1), 600);
        QCOMPARE(t.Value(2, 1), 400);
        QCOMPARE(t.Value(2, 12), -250); // only expenses: a negative grand total
        QCOMPARE(t.Value(0, 6), 0);
    }

    void chartTableFollowsTheChoices()
    {
        MonthlyTotals t;
        t.Incomes[2] = 900;
        t.Expenses[2] = 1000;
        ChartChoices c;
        c.Series = {false, true, true};
        c.Months.fill(false);
        c.Months[2] = c.Months[10] = true;
        const ChartTable table = BuildChartTable(t, c);
        QCOMPARE(table.RowLabels, (QStringList{"Mars", "Novembre"}));
        QCOMPARE(table.Columns.size(), 2);
        QCOMPARE(table.Columns[0].Name, u"Dépenses"_qs);
        QCOMPARE(table.Columns[0].Colour, QColor(255, 0, 0));
        QCOMPARE(table.Columns[0].Values, (QList<qint32>{1000, 0}));
        QCOMPARE(table.Columns[1].Name, u"Grand total:"_qs);
        QCOMPARE(table.Columns[1].Colour, QColor(0, 255, 0));
        QCOMPARE(table.Columns[1].Values, (QList<qint32>{-100, 0}));
        QCOMPARE(SeriesColour(0), QColor(0, 0, 255));

        c.Series.fill(false);
        QVERIFY(BuildChartTable(t, c).Columns.isEmpty());
        QVERIFY(!c.MayUncheckMonth(3)); // the last two months stay
        QVERIFY(c.MayUncheckMonth(1));  // an unchecked one is no loss
        c.Months[0] = true;
        QVERIFY(c.MayUncheckMonth(3));
    }

    void chartChoicesAreKeptInTheSettings()
    {
        QTemporaryDir config;
        qputenv("DAYBINDER_CONFIG_HOME", config.path().toUtf8());
        const ChartChoices fresh = ReadChartChoices(); // a first start draws everything
        QCOMPARE(fresh.CheckedMonths(), 12);
        QVERIFY(fresh.ShowSelection && fresh.Series[0] && fresh.Series[1] && fresh.Series[2]);

        ChartChoices c;
        c.Series = {true, false, true};
        c.Months.fill(false);
        c.Months[4] = c.Months[5] = c.Months[6] = true;
        c.ShowSelection = false;
        QVERIFY(WriteChartChoices(c));
        QCOMPARE(Keys::SummaryMonth(5).Read(), u"1"_qs);
        QCOMPARE(Keys::SummaryMonth(1).Read(), u"0"_qs);
        QCOMPARE(Keys::SummarySeries(1).Read(), u"0"_qs);
        const ChartChoices back = ReadChartChoices();
        QCOMPARE(back.Series, c.Series);
        QCOMPARE(back.Months, c.Months);
        QCOMPARE(back.ShowSelection, false);

        // A hand-edited file: anything but 1 reads as unchecked, and two months remain.
        for (int m = 1; m <= 12; ++m)
            QVERIFY(Keys::SummaryMonth(m).Write(m == 9 ? u"1"_qs : m == 10 ? u"2"_qs : u"oui"_qs));
        const ChartChoices edited = ReadChartChoices();
        QCOMPARE(edited.CheckedMonths(), 2);
        QVERIFY(edited.Months[0] && edited.Months[8]);
        qunsetenv("DAYBINDER_CONFIG_HOME");
    }
};

QTEST_GUILESS_MAIN(TestSummaryTotals)
#include "tst_summarytotals.moc"
