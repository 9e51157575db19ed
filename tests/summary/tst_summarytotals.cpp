// The summary's sums over a day, a month and one or two weeks, the spans shown, and the chart's
// stored choices.

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
        // 2.5 rounds to 2, then 2 + 3.5 = 5.5 rounds to 6; 2.5 on two days gives 2 + 2, not 5.
        EntriesOn(2, 3) = {Money(EntryIncome, "Prime", "2.5"), Money(EntryIncome, "Boni", "3.5")};
        EntriesOn(3, 3) = {Money(EntryExpense, "Café", "2.5")};
        EntriesOn(4, 3) = {Money(EntryExpense, "Café", "2.5")};
        QCOMPARE(Summary(SummaryDay, 2, 3).mid(2), (QStringList{"6$", "0$", "6$"}));
        QCOMPARE(Summary(SummaryWeek, 2, 3), (QStringList{"2004-03-02", "2004-03-08", "6$", "4$", "2$"}));
        QCOMPARE(Summary(SummaryMonth, 20, 3), (QStringList{"2004-03-01", "2004-03-31", "6$", "4$", "2$"}));
        // Amounts that are not numbers count as nothing; a typed minus sign stays.
        EntriesOn(5, 3) = {Money(EntryIncome, "Vente", "beaucoup"), Money(EntryIncome, "Remb.", "-12")};
        QCOMPARE(Summary(SummaryDay, 5, 3).mid(2), (QStringList{"-12$", "0$", "-12$"}));
    }

    void weeksWalkTheGridAcrossMonthsButNeverPastDecember()
    {
        // Friday 30 April 2004: the walk leaves April's grid through its empty cells and enters
        // May's (1 May is a Saturday) through the empty cells before the 1st.
        EntriesOn(30, 4) = {Money(EntryIncome, "Paie", "100")};
        for (int day : {1, 6, 7}) EntriesOn(day, 5) = {Money(EntryIncome, "Paie", "10")};
        Doc().Month(4).Cell(CellOf(30, 4) + 1).Entries = {Money(EntryIncome, "Perdu", "5000")};
        QCOMPARE(Summary(SummaryWeek, 30, 4),
                 (QStringList{"2004-04-30", "2004-05-06", "120$", "0$", "120$"}));
        QCOMPARE(Summary(SummaryTwoWeeks, 30, 4).mid(1, 2), (QStringList{"2004-05-13", "130$"}));

        // From 28 December the sums stop at the 31st; the end shown lies in the next year.
        EntriesOn(28, 12) = {Money(EntryIncome, "Salaire", "1250")};
        EntriesOn(31, 12) = {Money(EntryExpense, "Réveillon", "40")};
        QCOMPARE(Summary(SummaryWeek, 28, 12),
                 (QStringList{"2004-12-28", "2005-01-03", "1250$", "40$", "1210$"}));
        QCOMPARE(Summary(SummaryMonth, 1, 2).mid(0, 2), (QStringList{"2004-02-01", "2004-02-29"}));
    }

    void aMonthStartingOnSundayCountsItsFirstDay()
    {
        // 1 February 2004 is a Sunday: the first cell of the grid, the month's first day.
        EntriesOn(1, 2) = {Money(EntryIncome, "Paie", "100")};
        EntriesOn(29, 2) = {Money(EntryExpense, "Loyer", "30")};
        QCOMPARE(CellOf(1, 2), kFirstCell);
        QCOMPARE(Summary(SummaryMonth, 15, 2),
                 (QStringList{"2004-02-01", "2004-02-29", "100$", "30$", "70$"}));
        const MonthlyTotals totals = GatherMonthlyTotals(Doc());
        QCOMPARE((QList<qint32>{totals.Value(0, 2), totals.Value(1, 2), totals.Value(2, 2)}),
                 (QList<qint32>{100, 30, 70}));
        QCOMPARE(totals.Value(0, 1) + totals.Value(0, 3), 0); // nowhere else
    }

    void eventsNeverCount()
    {
        EntriesOn(9, 6) = {Event("Loyer      650"), Money(EntryExpense, "Loyer", "650"),
                           Entry(4, "Autre      99")};
        QCOMPARE(Summary(SummaryDay, 9, 6).mid(2), (QStringList{"0$", "650$", "-650$"}));
    }

    void noSelectedDayGivesZero()
    {
        EntriesOn(1, 1) = {Money(EntryIncome, "Paie", "100")};
        for (int type : {SummaryDay, SummaryMonth, SummaryWeek, SummaryTwoWeeks}) {
            const SummaryTexts t = TextsOf(ComputeSummary(Doc(), type, 0, 0, DateRec()));
            QCOMPARE((QStringList{t.Incomes, t.Expenses, t.Total}), (QStringList{"0$", "0$", "0$"}));
        }
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
        EntriesOn(3, 7) = {Money(EntryExpense, "Dette", "3e9"), Money(EntryIncome, "Dette", "-3e9")};
        QCOMPARE(Summary(SummaryDay, 3, 7).mid(2),
                 (QStringList{"-2147483648$", "2147483647$", "-2147483648$"}));
    }

    // A hand-edited file: anything but 1 reads as unchecked, and two months always remain.
    void chartChoicesOfAHandEditedFile()
    {
        QTemporaryDir config;
        qputenv("DAYBINDER_CONFIG_HOME", config.path().toUtf8());
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
