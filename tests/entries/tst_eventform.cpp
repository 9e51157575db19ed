#include "EntryFixtures.h"
#include "entries/Balances.h"
#include "entries/EventForm.h"

#include <QTest>

class TestEventForm : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        OpenTestDocument();
        Doc().DE.DebtsSavings = {Account(false, "Visa", "1000", MakeDate(1, 1, 2004)),
                                 Account(true, "Vacances", "500", MakeDate(1, 1, 2004))};
        m_cell = CellOf(10, 3);
    }

    void movementTypeFollowsKindAndDirection_data()
    {
        QTest::addColumn<int>("account");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("type");
        QTest::newRow("debt, add: borrowed") << 0 << int(DirectionAdd) << int(EntryIncome);
        QTest::newRow("debt, deduct: paid back") << 0 << int(DirectionDeduct) << int(EntryExpense);
        QTest::newRow("savings, add: put aside") << 1 << int(DirectionAdd) << int(EntryExpense);
        QTest::newRow("savings, deduct: taken out") << 1 << int(DirectionDeduct) << int(EntryIncome);
    }

    void movementTypeFollowsKindAndDirection()
    {
        QFETCH(int, account);
        QFETCH(int, direction);
        QFETCH(int, type);
        EventFormValues v = EventFormForAdd();
        v.Choice = ChoiceEvent; // the type boxes do not decide for a tied entry
        v.Description = "ignoré";
        v.Linked = true;
        v.Account = account;
        v.Direction = direction;
        v.Amount = "75";
        QCOMPARE(SaveEventForm(EditorAdd, 3, m_cell, -1, v), 1);
        const DayEntry& e = EntriesOn(10, 3).last();
        QCOMPARE(e.EntryType, type);
        QCOMPARE(e.Description, MoneyDescription(account == 0 ? u"Visa" : u"Vacances", u"75"));

        // Opened again, the entry shows the same account and direction.
        const EventFormValues shown = EventFormForEdit(Doc(), e);
        QVERIFY(shown.Linked);
        QCOMPARE(shown.Account, account);
        QCOMPARE(shown.Direction, direction);
        QCOMPARE(SaveEventForm(EditorEdit, 3, m_cell, 0, shown), 0);
    }

    void aChangedEntryIsUntickedAndKeepsItsLink()
    {
        DayEntry e = Event("Garage");
        e.Ticked = true;
        DayEntry occurrence = Money(EntryExpense, "Loyer", "650");
        occurrence.LinkKey = MakeKey(u"AE", 12);
        EntriesOn(10, 3) = {e, occurrence};
        EventFormValues shown = EventFormForEdit(Doc(), e);
        shown.Description = "Garage Dupont";
        QCOMPARE(SaveEventForm(EditorEdit, 3, m_cell, 0, shown), 1);
        QCOMPARE(EntriesOn(10, 3)[0].Description, u"Garage Dupont"_qs);
        QVERIFY(!EntriesOn(10, 3)[0].Ticked);
        QCOMPARE(SaveEventForm(EditorEdit, 3, m_cell, 2, shown), 0); // no such line

        shown = EventFormForEdit(Doc(), occurrence);
        shown.SpecialColour = true;
        shown.Colour = 0x0000FF;
        QCOMPARE(SaveEventForm(EditorEdit, 3, m_cell, 1, shown), 1);
        QCOMPARE(EntriesOn(10, 3)[1].LinkKey, occurrence.LinkKey);
        QCOMPARE(EntriesOn(10, 3)[1].TextColour, 0x0000FF);
        QCOMPARE(EntriesOn(10, 3)[1].Description, occurrence.Description);
    }

    void alarmOffStoresTheDefaults()
    {
        EventFormValues v = EventFormForAdd();
        v.AlarmOn = false;
        v.DaysBefore = "9";
        v.Sound = 5;
        const DayEntry e = EntryFromForm(Doc(), v);
        QCOMPARE(e.AlarmDaysBefore, 1);
        QCOMPARE(e.AlarmSound, qint16(0));
        // A picture box without a chosen file stores no picture.
        v.SpecialPicture = true;
        QVERIFY(EntryFromForm(Doc(), v).PicturePath.isEmpty());
    }

    void previewShowsZeroBeforeTheStartAndLeavesTheEditedEntryOut()
    {
        Doc().DE.DebtsSavings[0].StartDate = MakeDate(10, 3, 2004);
        BalancePreview p =
            PreviewBalance(Doc(), 3, m_cell, MakeDate(10, 3, 2004), 0, -1, u"50", DirectionDeduct);
        QCOMPARE(p.Before, u"0"_qs);
        QCOMPARE(p.After, u"950"_qs);
        p = PreviewBalance(Doc(), 3, CellOf(9, 3), MakeDate(9, 3, 2004), 0, -1, u"50", DirectionDeduct);
        QCOMPARE(p.After, u"0"_qs);
        QVERIFY(PreviewBalance(Doc(), 3, m_cell, MakeDate(10, 3, 2004), -1, -1, u"50", 0).After.isEmpty());

        Doc().DE.DebtsSavings[0].StartDate = MakeDate(1, 1, 2004);
        EntriesOn(10, 3) = {Money(EntryIncome, "Visa", "200"), Money(EntryExpense, "Visa", "30")};
        // Editing line 0: the other line counts, the edited one is replaced by the typed amount.
        p = PreviewBalance(Doc(), 3, m_cell, MakeDate(10, 3, 2004), 0, 0, u"-250", DirectionAdd);
        QCOMPARE(p.Before, u"1000"_qs);
        QCOMPARE(p.After, u"1220"_qs); // 1000 - 30 + 250
        p = PreviewBalance(Doc(), 3, m_cell, MakeDate(10, 3, 2004), 0, -1, u"0.5", DirectionAdd);
        QCOMPARE(p.After, u"1170"_qs); // 1170.5 rounds to even
    }

private:
    int m_cell = 0;
};

QTEST_GUILESS_MAIN(TestEventForm)
#include "tst_eventform.moc"
