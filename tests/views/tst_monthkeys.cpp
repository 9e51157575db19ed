// The month windows without a mouse: keys that move the selected day within and across months,
// Enter and the menu keys, the focus frame, and what a screen reader reads of the grid, the
// toolbar and the tabs.

#include "ShellFixture.h"
#include "views/DayMoves.h"
#include "views/MainToolbar.h"
#include "views/Tabs.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

QList<std::pair<QAccessible::Event, int>> g_announced; // type and child of what the grid sent
QObject* g_announcer = nullptr;

void RecordEvent(QAccessibleEvent* event)
{
    if (event->object() == g_announcer) g_announced.append({event->type(), event->child()});
}

} // namespace

class TestMonthKeys : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        MonthWindow::MenusBlock = false;
        f = std::make_unique<ShellFixture>();
        f->main->show();
        QVERIFY(QTest::qWaitForWindowActive(f->main.get()));
        f->NewDocument(2026);
    }

    void cleanup() { f.reset(); }

    void arrowsHomeEndAndPagesMoveTheDayAcrossMonths()
    {
        MonthWindow* march = Focus(3);
        Key(Qt::Key_Right); // no day yet in March: the first key picks its first day
        QCOMPARE(Selected(), MakeDate(1, 3, 2026));
        const std::pair<Qt::Key, DateRec> moves[] = {
            {Qt::Key_Right, MakeDate(2, 3, 2026)}, {Qt::Key_Down, MakeDate(9, 3, 2026)},
            {Qt::Key_Left, MakeDate(8, 3, 2026)},  {Qt::Key_Up, MakeDate(1, 3, 2026)},
            {Qt::Key_End, MakeDate(31, 3, 2026)},  {Qt::Key_Home, MakeDate(1, 3, 2026)},
        };
        for (const auto& [key, date] : moves) {
            Key(key);
            QCOMPARE(Selected(), date);
            QCOMPARE(march->Grid()->CurrentCell(), CellOfDate(date));
        }
        QVERIFY(march->Grid()->hasFocus());

        // Into February: its window comes to the front and takes the keys.
        Key(Qt::Key_Left);
        QCOMPARE(Selected(), MakeDate(28, 2, 2026));
        MonthWindow* february = f->main->ExistingMonthWindow(2);
        QCOMPARE(f->main->MdiArea()->activeSubWindow(), february);
        QVERIFY(february->Grid()->hasFocus());
        QCOMPARE(march->Grid()->CurrentCell(), 0);
        Key(Qt::Key_Down); // a week on: 7 March
        QCOMPARE(Selected(), MakeDate(7, 3, 2026));
        QVERIFY(march->Grid()->hasFocus());

        // A page keeps the day, or takes the last one of a shorter month.
        Key(Qt::Key_End);
        Key(Qt::Key_PageUp);
        QCOMPARE(Selected(), MakeDate(28, 2, 2026));
        Key(Qt::Key_PageDown);
        QCOMPARE(Selected(), MakeDate(28, 3, 2026));
        Focus(1);
        Key(Qt::Key_End);
        Key(Qt::Key_PageDown);
        QCOMPARE(Selected(), MakeDate(28, 2, 2026));

        // A month window the user closed opens again when the keys reach it.
        f->main->ExistingMonthWindow(4)->close();
        Focus(3);
        Key(Qt::Key_End);
        Key(Qt::Key_PageDown);
        QCOMPARE(Selected(), MakeDate(30, 4, 2026));
        QVERIFY(f->main->ExistingMonthWindow(4)->isVisible());
        QVERIFY(f->main->Toolbar()->Action(u"m04"_qs)->isChecked());

        // Maximised months stay maximised as the keys turn them.
        f->main->ExistingMonthWindow(4)->showMaximized();
        Key(Qt::Key_PageDown);
        QCOMPARE(Selected(), MakeDate(30, 5, 2026));
        QCOMPARE(f->main->MdiArea()->activeSubWindow(), f->main->ExistingMonthWindow(5));
        QVERIFY(f->main->ExistingMonthWindow(5)->isMaximized());
        QVERIFY(f->main->ExistingMonthWindow(5)->Grid()->hasFocus());
    }

    void theYearsEndsHoldTheDay()
    {
        Focus(1);
        Key(Qt::Key_Home);
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp}) {
            Key(key);
            QCOMPARE(Selected(), MakeDate(1, 1, 2026));
        }
        Focus(12);
        Key(Qt::Key_End);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown}) {
            Key(key);
            QCOMPARE(Selected(), MakeDate(31, 12, 2026));
        }
        Key(Qt::Key_Up);
        QCOMPARE(Selected(), MakeDate(24, 12, 2026));
        // 2024 is a leap year: a page from 31 January stops on 29 February.
        QCOMPARE(MovedDay(MakeDate(31, 1, 2024), DayMove::NextMonth), MakeDate(29, 2, 2024));
    }

    void tabLeavesTheMonthForTheMainWindow()
    {
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            Focus(3);
            Key(key);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(!f->main->MdiArea()->isAncestorOf(focus), focus->metaObject()->className());
            QVERIFY(f->main->isAncestorOf(focus));
        }
        // Back the other way: into the month in front, not the first one of the chain.
        Focus(5);
        Key(Qt::Key_Tab);
        Key(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), f->main->ExistingMonthWindow(5)->Grid());
        QCOMPARE(f->main->MdiArea()->activeSubWindow(), f->main->ExistingMonthWindow(5));
    }

    void keysWaitWhileNoDocumentIsEdited()
    {
        Focus(5);
        Session::Get().SetMode(MainMode::Load);
        Key(Qt::Key_Right);
        QVERIFY(!Session::Get().Selected.Valid());
        Session::Get().SetMode(MainMode::Edit);
    }

    void enterAddsAndTheMenuKeysOpenTheMenuAtTheDay()
    {
        MonthWindow* june = Focus(6);
        QSignalSpy buttons(f->main->Events(), &ListTab::ButtonClicked);
        Key(Qt::Key_Return); // no day selected: nothing to add to
        QCOMPARE(buttons.size(), 0);
        Key(Qt::Key_Home);
        Key(Qt::Key_Right);
        Key(Qt::Key_Enter);
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons[0][0].toString(), u"Add"_qs);
        QCOMPARE(f->main->CurrentTab(), int(TabEvents));
        QCOMPARE(Selected(), MakeDate(2, 6, 2026));

        const int cell = CellOfDate(MakeDate(2, 6, 2026));
        const QRect day = june->Grid()->ToPixels(MonthLayout::DayLabel(cell));
        const QRect global(june->Grid()->mapToGlobal(day.topLeft()), day.size());
        Focus(6);
        QTest::keyClick(june->Grid(), Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(june->Menu()->isVisible());
        QVERIFY(global.contains(june->Menu()->pos()));
        QCOMPARE(Session::Get().CellMenu.Cell, qint16(cell));
        QVERIFY(june->MenuAction(MenuAdd)->isEnabled());
        june->Menu()->hide();

        // The menu key comes as a context menu event of the keyboard, wherever the mouse is.
        Focus(6);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2), QCursor::pos());
        QApplication::sendEvent(june->Grid(), &menuKey);
        QVERIFY(june->Menu()->isVisible());
        QVERIFY(global.contains(june->Menu()->pos()));
        june->Menu()->hide();
    }

    void theSelectedDayIsFramedOnlyWhileTheGridHasTheFocus()
    {
        MonthWindow* july = Focus(7);
        Key(Qt::Key_End);
        const QRect cell = july->Grid()->ToPixels(MonthLayout::DayLabel(july->Grid()->CurrentCell()));
        const QImage focused = july->Grid()->grab(cell).toImage();
        july->Grid()->clearFocus();
        QVERIFY(!july->Grid()->hasFocus());
        const QImage unfocused = july->Grid()->grab(cell).toImage();
        QVERIFY(focused != unfocused);
        july->Grid()->setFocus();
        QCOMPARE(july->Grid()->grab(cell).toImage(), focused);
    }

    void theGridReadsAsATableOfNamedDays()
    {
        EntriesOn(8, 12).append(Money(EntryExpense, u"Loyer"_qs, u"850"_qs));
        EntriesOn(8, 12).append(Money(EntryExpense, u"Hydro"_qs, u"135"_qs));
        MonthWindow* december = f->main->ExistingMonthWindow(12);
        december->RefreshDayCell(CellOf(8, 12));

        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(december->Grid());
        QVERIFY(grid);
        QCOMPARE(grid->role(), QAccessible::Table);
        QCOMPARE(grid->text(QAccessible::Name), u"Décembre 2026"_qs);
        QCOMPARE(grid->childCount(), 42);
        QAccessibleTableInterface* table = grid->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->columnCount(), 7);
        QCOMPARE(table->columnDescription(0), u"Dimanche"_qs);

        // 1 December 2026 is a Tuesday: the third cell of the first row; the 8th is below it.
        QAccessibleInterface* eighth = table->cellAt(1, 2);
        QCOMPARE(eighth->role(), QAccessible::Cell);
        QCOMPARE(eighth->text(QAccessible::Name), u"mardi 8 décembre 2026 : Loyer 850$, Hydro 135$"_qs);
        QCOMPARE(table->cellAt(0, 2)->text(QAccessible::Name), u"mardi 1 décembre 2026"_qs);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QString()); // before the 1st
        QCOMPARE(grid->child(CellOf(8, 12) - kFirstCell), eighth);         // the same object twice
        QCOMPARE(grid->indexOfChild(eighth), CellOf(8, 12) - kFirstCell);
        QCOMPARE(grid->childAt(eighth->rect().center().x(), eighth->rect().center().y()), eighth);

        // The selected day is the selected and focused cell; moving it is announced.
        g_announced.clear();
        g_announcer = december->Grid();
        MonthGrid::Announce = RecordEvent;
        Focus(12);
        f->main->SelectDay(12, CellOf(1, 12));
        Key(Qt::Key_Down);
        MonthGrid::Announce = QAccessible::updateAccessibility;
        QCOMPARE(table->selectedCells(), QList<QAccessibleInterface*>{eighth});
        QCOMPARE(grid->focusChild(), eighth);
        QVERIFY(eighth->state().focused && eighth->state().selected);
        QVERIFY(!table->cellAt(0, 2)->state().selected);
        QVERIFY(g_announced.contains(std::pair{QAccessible::Focus, CellOf(8, 12) - kFirstCell}));
        QVERIFY(g_announced.contains(std::pair{QAccessible::Selection, CellOf(8, 12) - kFirstCell}));

        // A day whose entries change is renamed, and a reader told.
        MonthGrid::Announce = RecordEvent;
        g_announced.clear();
        EntriesOn(8, 12).append(Event(u"Dentiste"_qs));
        december->RefreshDayCell(CellOf(8, 12));
        december->RefreshDayCell(CellOf(9, 12)); // unchanged: nothing to tell
        MonthGrid::Announce = QAccessible::updateAccessibility;
        QCOMPARE(g_announced, (QList<std::pair<QAccessible::Event, int>>{
                                  {QAccessible::NameChanged, CellOf(8, 12) - kFirstCell}}));
        QVERIFY(eighth->text(QAccessible::Name).endsWith(u"Hydro 135$, Dentiste"_qs));

        // A screen reader's press selects a day as a click does.
        table->cellAt(2, 2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Selected(), MakeDate(15, 12, 2026));
    }

    void toolbarButtonsAndTabsHaveNames()
    {
        for (QAction* action : f->main->Toolbar()->actions()) {
            if (action->isSeparator()) continue;
            QWidget* button = f->main->Toolbar()->widgetForAction(action);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
            QVERIFY2(!action->toolTip().isEmpty(), qPrintable(action->objectName()));
            QCOMPARE(a->text(QAccessible::Name), action->toolTip());
        }
        NavigationTabBar* tabs = f->main->findChild<NavigationTabBar*>();
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs);
        QVERIFY(bar->childCount() >= tabs->count()); // the scroll buttons come after the tabs
        for (int i = 0; i < tabs->count(); ++i) {
            QVERIFY(!bar->child(i)->text(QAccessible::Name).isEmpty());
            QCOMPARE(bar->child(i)->text(QAccessible::Name), tabs->tabToolTip(i));
        }
    }

private:
    // Brings a month window to the front with the keyboard focus on its grid.
    MonthWindow* Focus(int month)
    {
        f->main->ShowMonth(month);
        MonthWindow* w = f->main->ExistingMonthWindow(month);
        w->Grid()->setFocus();
        return w;
    }

    // A key to whatever has the focus, as the user's keyboard sends it.
    static void Key(Qt::Key key)
    {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key);
    }

    static DateRec Selected() { return Session::Get().Selected.Date; }

    std::unique_ptr<ShellFixture> f;
};

QTEST_MAIN(TestMonthKeys)
#include "tst_monthkeys.moc"
