// The rules under the main window and the month windows, tested straight: which cell and line
// of a month a click lands on, and which list buttons a line and a count enable.

#include "views/CommandRules.h"
#include "views/MonthLayout.h"

#include <QTest>

using namespace MonthLayout;

class TestViewRules : public QObject
{
    Q_OBJECT
private slots:
    // Points in twips of the window's client area.
    void aClickFindsItsCellAndLine_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("line");
        QTest::newRow("weekday headings") << QPoint(700, 100) << 0 << -1;
        QTest::newRow("first cell, above its lines") << QPoint(700, 300) << 7 << -1;
        QTest::newRow("first line") << QPoint(700, 400) << 7 << 0;
        // Lines overlap by 15 twips: the later one, drawn over the other, takes the click.
        QTest::newRow("where lines 0 and 1 overlap") << QPoint(700, 495) << 7 << 1;
        QTest::newRow("seventh line") << QPoint(700, 280 + 60 + 900 + 80) << 7 << 6;
        QTest::newRow("below the seventh line") << QPoint(700, 280 + 1200 + 5) << 14 << -1;
        QTest::newRow("left margin of the lines") << QPoint(10, 400) << 7 << -1;
        QTest::newRow("right margin of the lines") << QPoint(1430, 400) << 7 << -1;
        // Neighbouring cells share their border: the later cell takes it.
        QTest::newRow("border of two cells") << QPoint(1445, 300) << 8 << -1;
        QTest::newRow("last cell, last line")
            << QPoint(6 * 1440 + 700, 280 + 5 * 1200 + 60 + 900 + 80) << 48 << 6;
        QTest::newRow("below the grid") << QPoint(700, 280 + 6 * 1200 + 20) << 0 << -1;
        QTest::newRow("right of the grid") << QPoint(7 * 1440 + 20, 400) << 0 << -1;
    }

    void aClickFindsItsCellAndLine()
    {
        QFETCH(QPoint, at);
        QFETCH(int, cell);
        QFETCH(int, line);
        const Hit hit = HitTest(at);
        QCOMPARE(hit.Cell, cell);
        QCOMPARE(hit.Line, line);
    }

    void everyLineLabelIsFoundAtItsCentre()
    {
        for (int cell = 7; cell <= 48; ++cell) {
            QCOMPARE(HitTest(DayLabel(cell).topLeft() + QPoint(20, 20)).Cell, cell);
            for (int line = 0; line < 7; ++line) {
                const Hit hit = HitTest(LineLabel(cell, line).center());
                QVERIFY2(hit.Cell == cell && hit.Line == line,
                         qPrintable(QStringLiteral("%1/%2").arg(cell).arg(line)));
            }
        }
    }

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
