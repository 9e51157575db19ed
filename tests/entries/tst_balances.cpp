#include "EntryFixtures.h"
#include "entries/Balances.h"

#include <QTest>

class TestBalances : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(); }

    void balanceStartsOnTheStartDay()
    {
        Doc().DE.DebtsSavings = {Account(false, "Visa", "2500", MakeDate(10, 3, 2004))};
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(9, 3, 2004)), 0);
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(10, 3, 2004)), 2500);
        QCOMPARE(BalanceAsOf(Doc(), 1, MakeDate(10, 3, 2004)), 0); // no such account
        QCOMPARE(BalanceAsOf(Doc(), -1, MakeDate(10, 3, 2004)), 0);
        // Entries before the start do not count, those of the start day do.
        EntriesOn(9, 3) = {Money(EntryExpense, "Visa", "100")};
        EntriesOn(10, 3) = {Money(EntryExpense, "Visa", "300")};
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(10, 3, 2004)), 2200);
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(31, 12, 2004)), 2200);
    }

    void incomesAndExpensesMoveEachKindItsWayAsTyped()
    {
        const DateRec start = MakeDate(1, 1, 2004);
        Doc().DE.DebtsSavings = {Account(false, "Visa", "1000", start),
                                 Account(true, "Vacances", "1000", start)};
        EntriesOn(2, 2) = {Money(EntryIncome, "Visa", "100"), Money(EntryExpense, "Vacances", "50")};
        EntriesOn(3, 2) = {Money(EntryExpense, "Visa", "30"), Money(EntryIncome, "Vacances", "20"),
                           Event("Visa")};
        const DateRec day = MakeDate(3, 2, 2004);
        QCOMPARE(BalanceAsOf(Doc(), 0, day), 1000 + 100 - 30); // borrowed, paid back
        QCOMPARE(BalanceAsOf(Doc(), 1, day), 1000 + 50 - 20);  // put aside, taken out
        // An amount typed with a minus sign moves the other way.
        EntriesOn(4, 2) = {Money(EntryExpense, "Visa", "-40"), Money(EntryExpense, "Vacances", "-40")};
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(4, 2, 2004)), 1070 + 40);
        QCOMPARE(BalanceAsOf(Doc(), 1, MakeDate(4, 2, 2004)), 1030 - 40);
    }

    void accountsSharingTenCharactersMoveTogether()
    {
        const DateRec start = MakeDate(1, 1, 2004);
        Doc().DE.DebtsSavings = {Account(false, "Hypothèque maison", "5000", start),
                                 Account(false, "Hypothèque chalet", "9000", start)};
        EntriesOn(5, 1) = {Money(EntryExpense, "Hypothèque", "500")};
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(5, 1, 2004)), 4500);
        QCOMPARE(BalanceAsOf(Doc(), 1, MakeDate(5, 1, 2004)), 8500);
        const BalanceLabels labels = EventsTabBalance(Doc(), 1, CellOf(5, 1), MakeDate(5, 1, 2004), 0);
        QCOMPARE(labels.Value, u"4500$"_qs); // the first account
        // Names compare exactly: case matters.
        EntriesOn(6, 1) = {Money(EntryExpense, "hypothèque", "500")};
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(6, 1, 2004)), 4500);
    }

    void onlyTheYearIsScannedAndEachStepRounded()
    {
        Doc().DE.DebtsSavings = {Account(true, "REER", "3000", MakeDate(1, 6, 2001))};
        EntriesOn(15, 1) = {Money(EntryExpense, "REER", "200")};
        EntriesOn(15, 2) = {Money(EntryExpense, "REER", "200")};
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(1, 1, 2004)), 3000);
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(20, 1, 2004)), 3200);
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(1, 1, 2010)), 3400);

        Doc().DE.DebtsSavings = {Account(true, "Pot", "0.5", MakeDate(1, 1, 2004))};
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(1, 1, 2004)), 0); // 0.5 rounds to even
        EntriesOn(2, 1) = {Money(EntryExpense, "Pot", "12.5"), Money(EntryExpense, "Pot", "13.5")};
        QCOMPARE(DeltaForDay(Doc().DE.DebtsSavings[0], EntriesOn(2, 1), -1), 26);
        QCOMPARE(DeltaForDay(Doc().DE.DebtsSavings[0], EntriesOn(2, 1), 0), 14); // the line being edited
        QCOMPARE(DeltaForDay(Doc().DE.DebtsSavings[0], EntriesOn(2, 1), 1), 12);
        EntriesOn(3, 1) = {Money(EntryExpense, "Pot", "12.5")};
        QCOMPARE(BalanceAsOf(Doc(), 0, MakeDate(3, 1, 2004)), 26 + 12);
    }

    void balanceLabelsShowOnlyForAnAccountOrATiedLine()
    {
        Doc().DE.DebtsSavings = {Account(false, "Visa", "2500", MakeDate(1, 1, 2004))};
        EntriesOn(10, 3) = {Event("Visa"), Money(EntryExpense, "Visa", "300"),
                            Money(EntryIncome, "Paie", "9")};
        const int cell = CellOf(10, 3);
        const DateRec day = MakeDate(10, 3, 2004);
        QCOMPARE(DebtsTabBalance(Doc(), 3, cell, day, 0).Value, u"2200$"_qs);
        QVERIFY(!DebtsTabBalance(Doc(), 3, cell, day, -1).Visible); // no account selected
        QVERIFY(!DebtsTabBalance(Doc(), 0, 0, {}, 0).Visible);      // no day
        QCOMPARE(EventsTabBalance(Doc(), 3, cell, day, 1).Value, u"2200$"_qs);
        QVERIFY(!EventsTabBalance(Doc(), 3, cell, day, 0).Visible); // an event
        QVERIFY(!EventsTabBalance(Doc(), 3, cell, day, 2).Visible); // no such account
        QVERIFY(!EventsTabBalance(Doc(), 3, cell, day, 3).Visible); // no such line
    }
};

QTEST_GUILESS_MAIN(TestBalances)
#include "tst_balances.moc"
