#include "EntryFixtures.h"
#include "entries/EntryText.h"
#include "entries/ListOps.h"

#include <QSignalSpy>
#include <QTest>

class TestDayEntries : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(); }

    void changesMarkTheMonthRefillTheListAndRedrawTheCell()
    {
        Session& s = Session::Get();
        QSignalSpy refresh(&s, &Session::RefreshRequested);
        QSignalSpy redraw(&s, &Session::DayCellChanged);
        const int cell = CellOf(10, 3);

        QVERIFY(AppendEntry(3, cell, Event("Dentiste")));
        QVERIFY(AppendEntry(3, cell, Money(EntryIncome, "Paie", "1500")));
        QCOMPARE(EntriesOn(10, 3).size(), 2);
        QVERIFY(Doc().Month(3).EntriesModified);
        QVERIFY(!Doc().Month(4).EntriesModified);
        QVERIFY(!Doc().IsSaved);
        QCOMPARE(refresh.last().at(0).toInt(), 1); // the new last line
        QCOMPARE(redraw.last(), (QList<QVariant>{3, cell}));

        QVERIFY(ReplaceEntry(3, cell, 0, Event("Coiffeur")));
        QCOMPARE(EntriesOn(10, 3)[0].Description, u"Coiffeur"_qs);
        QCOMPARE(refresh.last().at(0).toInt(), 0);
        QCOMPARE(redraw.size(), 3);

        // Ticking redraws the cell without refilling the list, which would lose its place.
        QVERIFY(SetTicked(3, cell, 1, true));
        QVERIFY(EntriesOn(10, 3)[1].Ticked);
        QCOMPARE(refresh.size(), 3);
        QCOMPARE(redraw.size(), 4);
        QVERIFY(CellLines(Doc(), 3, cell)[1].Strike);
    }

    void outOfRangeChangesNothing_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("index");
        const int cell = 20;
        QTest::newRow("month 0") << 0 << cell << 0;
        QTest::newRow("month 13") << 13 << cell << 0;
        QTest::newRow("cell 6") << 3 << 6 << 0;
        QTest::newRow("cell 49") << 3 << 49 << 0;
        QTest::newRow("index -1") << 3 << cell << -1;
        QTest::newRow("index past the end") << 3 << cell << 2;
    }

    void outOfRangeChangesNothing()
    {
        QFETCH(int, month);
        QFETCH(int, cell);
        QFETCH(int, index);
        Doc().Month(3).Cell(20).Entries = {Event("a"), Event("b")};
        const CalendarDocument before = Doc();
        QSignalSpy refresh(&Session::Get(), &Session::RefreshRequested);

        QVERIFY(!ReplaceEntry(month, cell, index, Event("x")));
        QVERIFY(!RemoveEntry(month, cell, false, index));
        QVERIFY(!MoveEntry(month, cell, index, 0));
        QVERIFY(!MoveEntry(month, cell, 0, index));
        QVERIFY(!SetTicked(month, cell, index, true));
        QVERIFY(!CopyEntry(month, cell, index, ClipboardCopied));
        if (!ValidMonth(month) || !ValidCell(cell)) {
            QVERIFY(!AppendEntry(month, cell, Event("x")));
            QVERIFY(!RemoveEntry(month, cell, true, 0));
            QVERIFY(!SortEntries(month, cell, SortAtoZ));
            Session::Get().Clipboard.Mode = ClipboardCopied;
            QVERIFY(!PasteEntry(month, cell));
        }
        QCOMPARE(Descriptions(Doc().Month(3).Cell(20).Entries), (QStringList{"a", "b"}));
        QVERIFY(Doc().IsSaved);
        QCOMPARE(refresh.size(), 0);
    }

    void removingAndMovingKeepTheRightLine()
    {
        QSignalSpy refresh(&Session::Get(), &Session::RefreshRequested);
        const int cell = CellOf(5, 1);
        EntriesOn(5, 1) = {Event("a"), Event("b"), Event("c")};
        QVERIFY(!MoveEntry(1, cell, 0, -1));
        QVERIFY(!MoveEntry(1, cell, 2, 3));
        QVERIFY(Doc().IsSaved);
        QVERIFY(MoveEntry(1, cell, 2, 1));
        QCOMPARE(Descriptions(EntriesOn(5, 1)), (QStringList{"a", "c", "b"}));
        QCOMPARE(refresh.last().at(0).toInt(), 1); // the moved line stays selected

        QVERIFY(RemoveEntry(1, cell, false, 0));
        QCOMPARE(Descriptions(EntriesOn(5, 1)), (QStringList{"c", "b"}));
        QCOMPARE(refresh.last().at(0).toInt(), 0);
        // The last line: the refill is asked for a line that is gone, so the first one is chosen.
        QVERIFY(RemoveEntry(1, cell, false, 1));
        QCOMPARE(Descriptions(EntriesOn(5, 1)), QStringList{"c"});
        QVERIFY(refresh.last().at(0).toInt() >= EntriesOn(5, 1).size());
        QVERIFY(RemoveEntry(1, cell, false, 0));
        QCOMPARE(TotalsTexts(TotalsOfDay(Doc(), 1, cell)).Expenses, u"0$"_qs);

        // Remove all on an empty day is not a change either.
        Session::Get().SetModified(PartAll, false);
        QVERIFY(!RemoveEntry(1, cell, true, -1));
        QVERIFY(Doc().IsSaved);
        EntriesOn(5, 1) = {Event("a"), Event("b")};
        QVERIFY(RemoveEntry(1, cell, true, -1));
        QVERIFY(EntriesOn(5, 1).isEmpty());
    }

    void sortIgnoresCaseAndFollowsTheLocale()
    {
        const int cell = CellOf(5, 1);
        EntriesOn(5, 1) = {Event("fraise"), Event("Abricot"), Event("école"), Event("abricot"), Event("Eau")};
        QVERIFY(SortEntries(1, cell, SortAtoZ));
        // Equal texts but for case keep their order.
        QCOMPARE(Descriptions(EntriesOn(5, 1)),
                 (QStringList{"Abricot", "abricot", "Eau", "école", "fraise"}));
        QVERIFY(SortEntries(1, cell, SortZtoA));
        QCOMPARE(Descriptions(EntriesOn(5, 1)),
                 (QStringList{"fraise", "école", "Eau", "Abricot", "abricot"}));
        QVERIFY(!SortEntries(1, cell, 2));
        // One entry: nothing to sort, and no change.
        QSignalSpy refresh(&Session::Get(), &Session::RefreshRequested);
        Session::Get().SetModified(PartAll, false);
        EntriesOn(5, 1) = {Event("seul")};
        QVERIFY(!SortEntries(1, cell, SortAtoZ));
        QVERIFY(!Doc().Month(1).EntriesModified);
        QCOMPARE(refresh.size(), 0);
    }

    void copiedEntryPastesTwiceAndStaysAsItWas()
    {
        EntriesOn(5, 1) = {Event("Réunion")};
        QVERIFY(CopyEntry(1, CellOf(5, 1), 0, ClipboardCopied));
        QVERIFY(PasteEntry(2, CellOf(7, 2)));
        QVERIFY(PasteEntry(3, CellOf(9, 3)));
        QCOMPARE(Descriptions(EntriesOn(7, 2)), QStringList{"Réunion"});
        QCOMPARE(Descriptions(EntriesOn(9, 3)), QStringList{"Réunion"});
        QCOMPARE(Descriptions(EntriesOn(5, 1)), QStringList{"Réunion"});
        QCOMPARE(Session::Get().Clipboard.Mode, qint32(ClipboardCopied));
        QVERIFY(Doc().Month(2).EntriesModified && Doc().Month(3).EntriesModified);
        QVERIFY(!Doc().Month(1).EntriesModified);

        // A pasted occurrence of an auto-event becomes the user's own entry.
        DayEntry occurrence = Money(EntryExpense, "Loyer", "650");
        occurrence.LinkKey = MakeKey(u"AE", 3);
        EntriesOn(5, 1) = {occurrence};
        QVERIFY(CopyEntry(1, CellOf(5, 1), 0, ClipboardCopied));
        QVERIFY(PasteEntry(2, CellOf(5, 2)));
        QVERIFY(EntriesOn(5, 2)[0].LinkKey.isEmpty());
        QCOMPARE(EntriesOn(5, 1)[0].LinkKey, occurrence.LinkKey);
    }

    void editedSourceEmptiesTheClipboard()
    {
        EntriesOn(5, 1) = {Event("Réunion")};
        QVERIFY(CopyEntry(1, CellOf(5, 1), 0, ClipboardCut));
        EntriesOn(5, 1)[0].Description = "Réunion annulée";
        QVERIFY(PasteEntry(2, CellOf(7, 2)));
        QCOMPARE(Descriptions(EntriesOn(7, 2)), QStringList{"Réunion"});
        QCOMPARE(Descriptions(EntriesOn(5, 1)), QStringList{"Réunion annulée"}); // nothing removed
        const EntryClipboard& clip = Session::Get().Clipboard;
        QCOMPARE(clip.Mode, qint32(ClipboardEmpty));
        QCOMPARE(clip.SourceMonth, qint16(-1));
        QVERIFY(!PasteEntry(2, CellOf(7, 2)));

        // Ticking the source is not an edit: the copy stays on the clipboard.
        QVERIFY(CopyEntry(1, CellOf(5, 1), 0, ClipboardCopied));
        SetTicked(1, CellOf(5, 1), 0, true);
        QVERIFY(PasteEntry(2, CellOf(8, 2)));
        QCOMPARE(Session::Get().Clipboard.Mode, qint32(ClipboardCopied));
    }

    void cutRemovesOnlyAnUnchangedSourceAtThePaste()
    {
        const int cell = CellOf(5, 1);
        EntriesOn(5, 1) = {Event("a"), Event("b"), Event("c")};
        QVERIFY(CopyEntry(1, cell, 0, ClipboardCut));
        QCOMPARE(EntriesOn(5, 1).size(), 3); // nothing goes before the paste
        QVERIFY(PasteEntry(1, cell));        // into the same day: it moves to the end
        QCOMPARE(Descriptions(EntriesOn(5, 1)), (QStringList{"b", "c", "a"}));
        QCOMPARE(Session::Get().Clipboard.Mode, qint32(ClipboardEmpty));

        // The source went before the paste: pasted, nothing else removed.
        QVERIFY(CopyEntry(1, cell, 2, ClipboardCut));
        RemoveEntry(1, cell, false, 2);
        QVERIFY(PasteEntry(2, CellOf(7, 2)));
        QCOMPARE(Descriptions(EntriesOn(7, 2)), QStringList{"a"});
        QCOMPARE(Descriptions(EntriesOn(5, 1)), (QStringList{"b", "c"}));
        QCOMPARE(Session::Get().Clipboard.Mode, qint32(ClipboardEmpty));
    }

    void cellShowsSevenOrSixAndMoreInTheRightColours()
    {
        const int cell = CellOf(5, 1);
        for (int i = 1; i <= 7; ++i) EntriesOn(5, 1).append(Event(QString::number(i)));
        auto lines = CellLines(Doc(), 1, cell);
        QCOMPARE(lines[6].Text, u"7"_qs);

        EntriesOn(5, 1)[6].Ticked = true;
        EntriesOn(5, 1)[6].TextColour = 0x00FF00;
        EntriesOn(5, 1).append(Event("8"));
        lines = CellLines(Doc(), 1, cell);
        QCOMPARE(lines[5].Text, u"6"_qs);
        QCOMPARE(lines[6].Text, u"[...]"_qs);
        QVERIFY(!lines[6].Strike);
        QCOMPARE(lines[6].Colour, Doc().EffectiveColours(1).Colour5);

        // The entry's own colour, else the month's or the defaults' by type.
        DayEntry own = Event("own");
        own.TextColour = 0x123456;
        EntriesOn(5, 1) = {Event("ev"), Money(EntryIncome, "in", "1"), Money(EntryExpense, "out", "1"), own};
        Doc().DefaultColours.Colour8 = 0x0000AA;
        Doc().Month(1).Colours.Colour8 = 0x00BB00;

        Doc().Month(1).Colours.UseDefault = true;
        lines = CellLines(Doc(), 1, cell);
        QCOMPARE(lines[1].Colour, 0x0000AA);
        QCOMPARE(lines[2].Colour, Doc().DefaultColours.Colour9);
        QCOMPARE(lines[3].Colour, 0x123456);
        QCOMPARE(lines[1].Text, u"in         1$"_qs);

        Doc().Month(1).Colours.UseDefault = false;
        lines = CellLines(Doc(), 1, cell);
        QCOMPARE(lines[1].Colour, 0x00BB00);
        QCOMPARE(lines[0].Colour, Doc().Month(1).Colours.Colour5);
        QCOMPARE(lines[4].Text, QString());
    }

    void totalsRoundAfterEveryAdditionAndLongNamesAreCut()
    {
        const int cell = CellOf(5, 1);
        EntriesOn(5, 1) = {Money(EntryIncome, "a", "12.5")};
        QCOMPARE(TotalsOfDay(Doc(), 1, cell).Incomes, 12);
        EntriesOn(5, 1).append(Money(EntryIncome, "b", "13.5"));
        EntriesOn(5, 1).append(Money(EntryExpense, "c", "40"));
        EntriesOn(5, 1).append(Money(EntryExpense, "d", "n/a")); // counts as 0
        EntriesOn(5, 1).append(Event("12"));                     // events have no amount
        const DayTotalsTexts texts = TotalsTexts(TotalsOfDay(Doc(), 1, cell));
        QCOMPARE(texts.Incomes, u"26$"_qs);
        QCOMPARE(texts.Expenses, u"40$"_qs);
        QCOMPARE(texts.Total, u"-14$"_qs);
        QCOMPARE(TotalsTexts(TotalsOfDay(Doc(), 1, CellOf(6, 1))).Total, u"0$"_qs);

        EntriesOn(5, 1) = {Money(EntryIncome, "Remboursement assurance", "120")};
        QCOMPARE(EntriesOn(5, 1)[0].Description, u"Remboursem 120"_qs);
        QCOMPARE(EventsListLines(Doc(), 1, CellOf(5, 1))[0].Text, u"(RE) - Remboursem 120$"_qs);
        QCOMPARE(TotalsOfDay(Doc(), 1, CellOf(5, 1)).Incomes, 120);
        EntriesOn(5, 1)[0].EntryType = 9; // a type no version wrote, from a damaged file
        QCOMPARE(EventsListLines(Doc(), 1, CellOf(5, 1))[0].Text, QString());
    }
};

QTEST_GUILESS_MAIN(TestDayEntries)
#include "tst_dayentries.moc"
