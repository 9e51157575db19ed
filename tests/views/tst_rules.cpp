// The main window's rules on their own: which toolbar buttons a mode shows and enables, the
// list buttons, the panels and help pages of the tabs, the month grid's geometry and the tiling.

#include "views/CommandRules.h"
#include "views/DateText.h"
#include "views/MonthLayout.h"
#include "views/WindowArrangement.h"

#include <QLocale>
#include <QTest>

class TestRules : public QObject
{
    Q_OBJECT
private slots:
    void logoHidesWhatNeedsADocument();
    void loadShowsButDisablesDocumentButtons();
    void printingNeedsAPrinter();
    void onlyFileAndHelpButtonsActWithoutADocument();
    void listButtonsFollowTheSelectedLine_data();
    void listButtonsFollowTheSelectedLine();
    void eventsTabAsksForADayBeforeShowingItsList();
    void helpPagesFollowTabAndState();
    void refillSelectsAnExistingLineOrTheFirst();
    void cellsFollowTheFirstWeekday();
    void hitTestFindsCellAndLine();
    void tilesCoverTheAreaWithoutOverlap();
    void iconsLineUpAlongTheBottom();
    void selectedDateReadsDayMonthYear();
};

void TestRules::logoHidesWhatNeedsADocument()
{
    QStringList hidden;
    for (const ToolbarKey& k : ToolbarKeys())
        if (!ToolbarState(k.Key, MainMode::Logo, true).Visible) hidden << k.Key;
    QStringList expected = {QStringLiteral("Sep3"),  QStringLiteral("Sep4"),  QStringLiteral("Prop"),
                            QStringLiteral("HTile"), QStringLiteral("VTile"), QStringLiteral("Cascade"),
                            QStringLiteral("AIcons")};
    for (int m = 1; m <= 12; ++m) expected << MonthKey(m);
    hidden.sort();
    expected.sort();
    QCOMPARE(hidden, expected);
    for (const char* key : {"New", "Open", "Options", "Help"}) {
        const CommandState s = ToolbarState(QLatin1String(key), MainMode::Logo, false);
        QVERIFY2(s.Visible && s.Enabled, key);
    }
    QVERIFY(!ToolbarState(QStringLiteral("Save"), MainMode::Logo, true).Enabled);
}

void TestRules::loadShowsButDisablesDocumentButtons()
{
    for (const QString& key :
         {QStringLiteral("m05"), QStringLiteral("Prop"), QStringLiteral("Cascade"), QStringLiteral("Save")}) {
        const CommandState s = ToolbarState(key, MainMode::Load, true);
        QVERIFY2(s.Visible && !s.Enabled, qPrintable(key));
        QVERIFY2(ToolbarState(key, MainMode::Edit, true).Enabled, qPrintable(key));
    }
    QVERIFY(ToolbarState(QStringLiteral("Sep3"), MainMode::Load, true).Visible);
}

void TestRules::printingNeedsAPrinter()
{
    QVERIFY(!ToolbarState(QStringLiteral("Print"), MainMode::Edit, false).Enabled);
    QVERIFY(!ToolbarState(QStringLiteral("Preview"), MainMode::Edit, false).Enabled);
    QVERIFY(ToolbarState(QStringLiteral("Preview"), MainMode::Edit, true).Enabled);
    QVERIFY(ToolbarState(QStringLiteral("Print"), MainMode::Logo, true).Visible);
}

void TestRules::onlyFileAndHelpButtonsActWithoutADocument()
{
    QVERIFY(ToolbarKeyActs(QStringLiteral("New"), MainMode::Load, true));
    QVERIFY(ToolbarKeyActs(QStringLiteral("Help"), MainMode::Logo, false));
    QVERIFY(!ToolbarKeyActs(QStringLiteral("Save"), MainMode::Logo, false));
    QVERIFY(!ToolbarKeyActs(QStringLiteral("m01"), MainMode::Edit, true)); // a refill is under way
    QVERIFY(ToolbarKeyActs(QStringLiteral("m01"), MainMode::Edit, false));
    QCOMPARE(MonthOfKey(QStringLiteral("m12")), 12);
    QCOMPARE(MonthOfKey(QStringLiteral("m13")), 0);
    QCOMPARE(MonthOfKey(QStringLiteral("New")), 0);
}

void TestRules::listButtonsFollowTheSelectedLine_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("enabled"); // E R A S U D (edit, remove, remove all, sort, up, down)
    QTest::newRow("empty list") << -1 << 0 << "......";
    QTest::newRow("one line") << 0 << 1 << "ERA...";
    QTest::newRow("two lines, first") << 0 << 2 << "ERAS.D";
    QTest::newRow("two lines, second") << 1 << 2 << "ERASU.";
    QTest::newRow("middle of three") << 1 << 3 << "ERASUD";
}

void TestRules::listButtonsFollowTheSelectedLine()
{
    QFETCH(int, selected);
    QFETCH(int, count);
    QFETCH(QString, enabled);
    const ListButtonStates s = ListButtons(selected, count, false);
    const QString got = QString(s.Edit ? u'E' : u'.') + (s.Remove ? u'R' : u'.') +
                        (s.RemoveAll ? u'A' : u'.') + (s.Sort ? u'S' : u'.') + (s.Up ? u'U' : u'.') +
                        (s.Down ? u'D' : u'.');
    QCOMPARE(got, enabled);
    QCOMPARE(s.UpdateCalendar, count > 0);
    QVERIFY(!s.ShowPicture);
    QVERIFY(ListButtons(0, 1, true).ShowPicture);
}

void TestRules::eventsTabAsksForADayBeforeShowingItsList()
{
    PanelStates p = TabPanels(TabEvents, false, false);
    QVERIFY(p.Hint && !p.Work && p.StepOne && !p.StepTwo);
    p = TabPanels(TabEvents, true, false);
    QVERIFY(p.Hint && !p.Work && !p.StepOne && p.StepTwo);
    p = TabPanels(TabEvents, true, true);
    QVERIFY(!p.Hint && p.Work);
    // Definitions need a document, not a day.
    p = TabPanels(TabBirthdays, true, false);
    QVERIFY(!p.Hint && p.Work);
    p = TabPanels(TabDebts, false, true);
    QVERIFY(p.Hint && !p.Work && p.StepOne);
    QVERIFY(TabPanels(TabCommands, false, false).Work);
}

void TestRules::helpPagesFollowTabAndState()
{
    QCOMPARE(TabHelpPage(TabCommands, true, true), QStringLiteral("Html\\t_commands.htm"));
    QCOMPARE(TabHelpPage(TabEvents, false, false), QStringLiteral("Html\\t_events_1.htm"));
    QCOMPARE(TabHelpPage(TabEvents, true, false), QStringLiteral("Html\\t_events_2.htm"));
    QCOMPARE(TabHelpPage(TabEvents, true, true), QStringLiteral("Html\\t_events_3.htm"));
    QCOMPARE(TabHelpPage(TabAutoEvents, true, true), QStringLiteral("Html\\t_aevents_2.htm"));
    QCOMPARE(TabHelpPage(TabDebts, false, true), QStringLiteral("Html\\t_debts_1.htm"));
    QCOMPARE(TabHelpPage(TabBirthdays, true, false), QStringLiteral("Html\\t_bd_2.htm"));
    QCOMPARE(TabHelpPage(TabSummary, true, true), QStringLiteral("Html\\t_sum_3.htm"));
}

void TestRules::refillSelectsAnExistingLineOrTheFirst()
{
    QCOMPARE(LineToSelect(2, 3), 2);
    QCOMPARE(LineToSelect(3, 3), 0); // the removed last line no longer exists
    QCOMPARE(LineToSelect(-1, 3), 0);
    QCOMPARE(LineToSelect(-1, 0), -1);
}

void TestRules::cellsFollowTheFirstWeekday()
{
    QCOMPARE(MonthLayout::CellOfDay(1, 1), 7);   // a month that starts on a Sunday
    QCOMPARE(MonthLayout::CellOfDay(31, 7), 43); // 31 days from a Saturday: row 5, column 1
    const QRect last = MonthLayout::DayLabel(43);
    QCOMPARE(last.topLeft(), QPoint(1440, 280 + 1200 * 5));
    QCOMPARE(last.size(), QSize(1455, 1215));
    QCOMPARE(MonthLayout::LineLabel(7, 6), QRect(30, 280 + 60 + 900, 1395, 165));
    QCOMPARE(MonthLayout::HeadingLabel(3, false).top(), 50);
}

void TestRules::hitTestFindsCellAndLine()
{
    using MonthLayout::HitTest;
    QCOMPARE(HitTest(QPoint(100, 100)).Cell, 0); // a heading
    const MonthLayout::Hit dayOnly = HitTest(QPoint(700, 280 + 1150));
    QCOMPARE(dayOnly.Cell, 7);
    QCOMPARE(dayOnly.Line, -1);
    const MonthLayout::Hit line = HitTest(QPoint(700, 280 + 60 + 150 * 2 + 20));
    QCOMPARE(line.Cell, 7);
    QCOMPARE(line.Line, 2);
    // Neighbours share their border: the later cell lies on top.
    QCOMPARE(HitTest(QPoint(1445, 400)).Cell, 8);
    QCOMPARE(HitTest(QPoint(10094, 7484)).Cell, 48);
}

void TestRules::tilesCoverTheAreaWithoutOverlap()
{
    const QRect area(0, 0, 1000, 700);
    for (int count : {1, 2, 5, 12}) {
        for (bool horizontal : {true, false}) {
            const QList<QRect> rects = TileRects(count, area, horizontal);
            QCOMPARE(rects.size(), count);
            qint64 covered = 0;
            for (int i = 0; i < count; ++i) {
                QVERIFY(area.contains(rects[i]));
                covered += qint64(rects[i].width()) * rects[i].height();
                for (int j = i + 1; j < count; ++j) QVERIFY(!rects[i].intersects(rects[j]));
            }
            QCOMPARE(covered, qint64(area.width()) * area.height());
        }
    }
    // Two windows: horizontal tiling stacks them, vertical tiling sets them side by side.
    QCOMPARE(TileRects(2, area, true)[1].top(), 350);
    QCOMPARE(TileRects(2, area, false)[1].left(), 500);
    QVERIFY(TileRects(0, area, true).isEmpty());
}

void TestRules::iconsLineUpAlongTheBottom()
{
    const QList<QPoint> places = IconPositions(5, QRect(0, 0, 400, 300), QSize(160, 30));
    QCOMPARE(places[0], QPoint(0, 270));
    QCOMPARE(places[1], QPoint(160, 270));
    QCOMPARE(places[2], QPoint(0, 240)); // the row is full: the next one goes above
}

void TestRules::selectedDateReadsDayMonthYear()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QCOMPARE(ShortDateText(MakeDate(5, 3, 2004)), QStringLiteral("05 mars 2004"));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(ShortDateText(MakeDate(31, 12, 2026)), QStringLiteral("31 Dec 2026"));
}

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
