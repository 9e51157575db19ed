// The rules under the main window, tested straight: which list buttons a line and a count enable.

#include "views/CommandRules.h"

#include <QTest>

class TestViewRules : public QObject
{
    Q_OBJECT
private slots:
    // E: Edit and Remove; A: Remove all; S: both sorts; U: Up; D: Down; C: calendar update;
    // P: show picture. Selected line -1 is none.
    void listButtonsFollowTheSelectedLine_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("empty list") << -1 << 0 << false << u""_qs;
        QTest::newRow("one line") << 0 << 1 << true << u"EACP"_qs;
        QTest::newRow("first of two") << 0 << 2 << false << u"EASDC"_qs;
        QTest::newRow("last of two") << 1 << 2 << false << u"EASUC"_qs;
        QTest::newRow("middle of three, with a picture") << 1 << 3 << true << u"EASUDCP"_qs;
        QTest::newRow("none selected of three") << -1 << 3 << true << u"ASDC"_qs;
    }

    void listButtonsFollowTheSelectedLine()
    {
        QFETCH(int, selected);
        QFETCH(int, count);
        QFETCH(bool, picture);
        QFETCH(QString, enabled);
        const ListButtonStates b = ListButtons(selected, count, picture);
        QString got;
        if (b.Edit && b.Remove) got += u'E';
        QCOMPARE(b.Edit, b.Remove);
        if (b.RemoveAll) got += u'A';
        if (b.Sort) got += u'S';
        if (b.Up) got += u'U';
        if (b.Down) got += u'D';
        if (b.UpdateCalendar) got += u'C';
        if (b.ShowPicture) got += u'P';
        QCOMPARE(got, enabled);
    }

    void aRefillSelectsTheLineAskedForOrTheFirst()
    {
        QCOMPARE(LineToSelect(2, 3), 2);
        QCOMPARE(LineToSelect(3, 3), 0); // the removed last line
        QCOMPARE(LineToSelect(-1, 3), 0);
        QCOMPARE(LineToSelect(-1, 0), -1);
        QCOMPARE(LineToSelect(0, 0), -1);
    }

    void theEventsTabAsksForADocumentThenADay()
    {
        for (const int tab : {int(TabEvents), int(TabSummary)}) {
            PanelStates p = TabPanels(tab, false, false);
            QVERIFY(p.Hint && p.StepOne && !p.StepTwo && !p.Work);
            p = TabPanels(tab, true, false);
            QVERIFY(p.Hint && !p.StepOne && p.StepTwo && !p.Work);
            p = TabPanels(tab, true, true);
            QVERIFY(!p.Hint && p.Work);
        }
        // The definition lists need a document only.
        const PanelStates debts = TabPanels(TabDebts, true, false);
        QVERIFY(!debts.Hint && debts.Work);
        QVERIFY(TabPanels(TabBirthdays, false, true).StepOne);
    }
};

QTEST_APPLESS_MAIN(TestViewRules)
#include "tst_viewrules.moc"
