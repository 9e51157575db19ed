// The main window with real widgets: the toolbar in each mode, the list buttons, the navigation
// panel and its timer, the tabs, the commands tab and closing.

#include "ShellFixture.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"
#include "settings/SettingsStore.h"
#include "views/LogoViews.h"
#include "views/MainToolbar.h"
#include "views/Tabs.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

Q_DECLARE_METATYPE(ShellCommand)

namespace {

QList<ListLine> Lines(int n)
{
    QList<ListLine> lines;
    for (int i = 0; i < n; ++i) lines.append({u"(EV) - line %1"_qs.arg(i), true});
    return lines;
}

void Enter(QWidget* w)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w, &enter);
}

QList<ShellCommand> Commands(const QSignalSpy& spy)
{
    QList<ShellCommand> commands;
    for (const QList<QVariant>& signal : spy) commands.append(signal[0].value<ShellCommand>());
    return commands;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qRegisterMetaType<ShellCommand>();
        NavigationPanel::SlideMs = 0;
        f = std::make_unique<ShellFixture>();
    }
    void cleanup() { f.reset(); }

    void logoHidesTheDocumentButtonsButFileButtonsAct()
    {
        MainToolbar* bar = f->main->Toolbar();
        QStringList hidden;
        for (const ToolbarKey& k : ToolbarKeys())
            if (!bar->Action(k.Key)->isVisible()) hidden << k.Key;
        QStringList expected = {u"Sep3"_qs,  u"Sep4"_qs,    u"Prop"_qs,  u"HTile"_qs,
                                u"VTile"_qs, u"Cascade"_qs, u"AIcons"_qs};
        for (int m = 1; m <= 12; ++m) expected << MonthKey(m);
        hidden.sort();
        expected.sort();
        QCOMPARE(hidden, expected);
        QVERIFY(!bar->Action(u"Save"_qs)->isEnabled());

        QSignalSpy commands(f->main.get(), &MainWindow::CommandRequested);
        for (const char* key : {"New", "Open", "Options", "Save"}) bar->Action(QLatin1String(key))->trigger();
        QCOMPARE(Commands(commands), QList({ShellCommand::New, ShellCommand::Open, ShellCommand::Options}));
        bar->Action(u"Help"_qs)->trigger();
        QCOMPARE(LastHelpTopic(), u"Html\\index.htm"_qs);
    }

    void monthButtonsShowTheirMonthAndWaitDuringARefill()
    {
        f->main->show();
        f->NewDocument(2026);
        MainToolbar* bar = f->main->Toolbar();
        QAction* march = bar->Action(u"m03"_qs);
        QVERIFY(march->isVisible() && march->isEnabled() && !march->icon().isNull());
        QVERIFY(bar->Action(u"Sep3"_qs)->isVisible());
        march->trigger();
        MonthWindow* w = f->main->ExistingMonthWindow(3);
        QVERIFY(w->isVisible() && march->isChecked());
        QCOMPARE(f->main->MdiArea()->activeSubWindow(), w);
        march->trigger(); // a second click keeps it shown and pressed
        QVERIFY(w->isVisible() && march->isChecked());

        // During a refill only New acts; the month buttons wait.
        f->main->CloseMonthWindows();
        QSignalSpy commands(f->main.get(), &MainWindow::CommandRequested);
        Session::Get().RefreshInProgress = true;
        for (const char* key : {"m07", "Save", "New"}) bar->Action(QLatin1String(key))->trigger();
        Session::Get().RefreshInProgress = false;
        QVERIFY(!f->main->ExistingMonthWindow(7)->isVisible() && !bar->Action(u"m07"_qs)->isChecked());
        QCOMPARE(Commands(commands), QList{ShellCommand::New});

        Session::Get().SetMode(MainMode::Load); // shown but not acting while a file loads
        for (const char* key : {"m03", "Prop", "Cascade", "Save"})
            QVERIFY2(bar->Action(QLatin1String(key))->isVisible() &&
                         !bar->Action(QLatin1String(key))->isEnabled(),
                     key);
    }

    void listButtonsFollowTheLinesAndTheSelection()
    {
        f->NewDocument(2026);
        f->main->SetCurrentTab(TabEvents);
        f->main->SelectDay(3, ShellFixture::CellOf(10, 3));
        EventsTab* ev = f->main->Events();
        auto enabled = [ev](const char* name) { return ev->Button(QLatin1String(name))->isEnabled(); };

        ev->Lines = [] { return Lines(1); };
        f->main->RefreshCurrentTab(false, -1);
        QCOMPARE(ev->SelectedLine(), 0);
        QVERIFY(!enabled("Up") && !enabled("Down"));
        QVERIFY(enabled("Edit") && enabled("Remove") && enabled("Clear") && !enabled("Sort0"));

        ev->Lines = [] { return Lines(2); };
        f->main->RefreshCurrentTab(false, 0);
        QVERIFY(!enabled("Up") && enabled("Down") && enabled("Sort1"));
        ev->List()->setCurrentRow(1); // the user picks the second line
        QVERIFY(enabled("Up") && !enabled("Down"));

        ev->Lines = [] { return Lines(0); }; // the last line was removed
        f->main->RefreshCurrentTab(false, 1);
        QCOMPARE(ev->SelectedLine(), -1);
        for (const char* name : {"Edit", "Remove", "Clear", "Up", "Down", "Sort0", "Sort1", "ShowPic"})
            QVERIFY2(!enabled(name), name);
        QVERIFY(enabled("Add"));
    }

    void tabsShowTheirListOnlyWhenTheyHaveSomethingToList()
    {
        f->main->SetCurrentTab(TabEvents);
        EventsTab* ev = f->main->Events();
        auto shown = [ev](QWidget* w) { return w->isVisibleTo(ev); };
        QVERIFY(shown(ev->HintPanel()) && !shown(ev->WorkPanel()));
        QVERIFY(shown(ev->StepOne()) && !shown(ev->StepTwo())); // first a document
        f->NewDocument(2026);
        f->main->RefreshCurrentTab(false, -1);
        QVERIFY(!shown(ev->StepOne()) && shown(ev->StepTwo())); // then a day
        f->main->SelectDay(2, ShellFixture::CellOf(14, 2));
        QVERIFY(!shown(ev->HintPanel()) && shown(ev->WorkPanel()));
        QVERIFY(!ev->SelectedDateBox()->text().isEmpty());

        // The debts need a document, not a day; only the current tab's panel is enabled.
        int filled = 0;
        f->main->Debts()->Lines = [&filled] {
            ++filled;
            return Lines(2);
        };
        f->main->SetCurrentTab(TabDebts);
        QCOMPARE(filled, 1);
        for (int tab = 0; tab < kTabCount; ++tab) QCOMPARE(f->main->Page(tab)->isEnabled(), tab == TabDebts);
        QVERIFY(f->main->Debts()->WorkPanel()->isVisibleTo(f->main->Debts()));
    }

    void panelClosesOneSecondAfterThePointerLeaves()
    {
        NavigationPanel::SlideMs = 120; // the panel slides as it does for the user
        f->main->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->main.get()));
        NavigationPanel* panel = f->main->Panel();
        Enter(f->main->MdiArea()->viewport()); // without a document the panel stays open
        QVERIFY(!panel->HideTimer()->isActive());
        QCOMPARE(f->main->Logo()->geometry().left(), NavigationPanel::OpenWidth());

        f->NewDocument(2026);
        QCOMPARE(panel->width(), NavigationPanel::OpenWidth());
        Enter(f->main->MdiArea()->viewport()); // the pointer moves over the work area
        QVERIFY(panel->HideTimer()->isActive());
        QCOMPARE(panel->HideTimer()->interval(), 1000);
        QCOMPARE(panel->width(), NavigationPanel::OpenWidth());
        QTRY_COMPARE_WITH_TIMEOUT(panel->width(), NavigationPanel::ClosedWidth(), 3000);
        QVERIFY(!panel->HideTimer()->isActive());

        Enter(panel->TabBar()); // back over the tab bar: opens, no timer
        QTRY_COMPARE(panel->width(), NavigationPanel::OpenWidth());
        QVERIFY(!panel->HideTimer()->isActive());
        Enter(f->main->Toolbar());
        QVERIFY(panel->HideTimer()->isActive());
        Enter(panel->Page(panel->CurrentTab())); // returning in time keeps it open
        QVERIFY(!panel->HideTimer()->isActive());

        Session::Get().RefreshInProgress = true; // pointer moves are ignored during a refill
        Enter(f->main->MdiArea()->viewport());
        Session::Get().RefreshInProgress = false;
        QVERIFY(!panel->HideTimer()->isActive());
        f->main->ShowNavigationPanel(false, true); // a document starts loading under the pointer
        QVERIFY(!panel->IsOpen());
        QTRY_COMPARE(panel->width(), NavigationPanel::ClosedWidth());
    }

    void commandsAndHelpFollowModeTabAndPrinter()
    {
        f->main->SetCurrentTab(TabSummary);
        f->main->Summary()->HelpButton()->click();
        QCOMPARE(LastHelpTopic(), u"Html\\t_sum_1.htm"_qs);
        f->main->SetCurrentTab(TabCommands);
        CommandsTab* co = f->main->Commands();
        QVERIFY(!co->Button(u"CmdCOSave"_qs)->isEnabled());
        QVERIFY(!co->Image(u"ImgCOSave"_qs)->isEnabled());
        QVERIFY(co->Button(u"CmdCONew"_qs)->isEnabled());

        f->main->PrinterInstalled = [] { return false; };
        f->NewDocument(2026);
        QVERIFY(co->Button(u"CmdCOSaveAs"_qs)->isEnabled());
        QVERIFY(co->Image(u"ImgCOSave"_qs)->isEnabled());
        QVERIFY(!co->Button(u"CmdCOPrint"_qs)->isEnabled());
        QVERIFY(!f->main->Toolbar()->Action(u"Preview"_qs)->isEnabled());
        QSignalSpy commands(f->main.get(), &MainWindow::CommandRequested);
        co->Button(u"CmdCOSaveAs"_qs)->click();
        co->Button(u"CmdCOAbout"_qs)->click();
        QCOMPARE(Commands(commands), QList({ShellCommand::SaveAs, ShellCommand::About}));

        f->main->SetCurrentTab(TabSummary); // a document, no day yet
        QVERIFY(f->main->Summary()->ChartButton()->isEnabled());
        f->main->Summary()->HelpButton()->click();
        QCOMPARE(LastHelpTopic(), u"Html\\t_sum_2.htm"_qs);
        f->main->SelectDay(1, ShellFixture::CellOf(1, 1)); // the chart moves under the results
        QCOMPARE(f->main->Summary()->ChartButton()->parentWidget(), f->main->Summary()->WorkPanel());
        QVERIFY(f->main->Summary()->ChartButton()->isEnabled());
        QTest::keyClick(f->main.get(), Qt::Key_F1);
        QCOMPARE(LastHelpTopic(), u"Html\\t_sum_3.htm"_qs);
    }

    void captionAndLoadingLinesFollowTheSession()
    {
        Session& s = Session::Get();
        s.SetMode(MainMode::Load);
        QVERIFY(f->main->Loading()->isVisibleTo(f->main.get()));
        QVERIFY(!f->main->Logo()->isVisibleTo(f->main.get()));
        s.SetProgressLine(0, Str(10001));
        s.SetProgressLine(1, Str(10002) + u" Mars..."_qs);
        QCOMPARE(f->main->findChild<QLabel*>(u"LblLoading0"_qs)->text(), Str(10001));
        QCOMPARE(f->main->findChild<QLabel*>(u"LblLoading1"_qs)->text(), Str(10002) + " Mars...");

        f->NewDocument(2026);
        QVERIFY(!f->main->Loading()->isVisibleTo(f->main.get()));
        s.SetModified(PartMonthEntries, true, 4);
        QCOMPARE(f->main->windowTitle(), u"Daybinder v2.1 - [Sans nom]*"_qs);
        s.SetMode(MainMode::Logo); // the logo caption never carries the mark
        s.SetModified(PartHeader, true);
        QCOMPARE(f->main->windowTitle(), u"Daybinder v2.1 pour Linux"_qs);
    }

    void exitWritesTheSettingsAndClosesEveryWindow()
    {
        f->main->show();
        f->NewDocument(2026);
        f->main->ShowMonth(2);
        QWidget other;
        other.show(); // stands for a secondary window left open
        QSignalSpy shutdown(f->main.get(), &MainWindow::ShutdownStarted);
        f->main->Commands()->Button(u"CmdCOExit"_qs)->click();
        QVERIFY(!f->main->isVisible() && !other.isVisible());
        QCOMPARE(shutdown.size(), 1);
        QCOMPARE(Session::Get().Mode(), MainMode::Unload);
        QVERIFY(QFile::exists(SettingsFilePath()));
        QVERIFY(Session::Get().CurrentDocument.Year.isEmpty());
        QTRY_VERIFY(!f->main->ExistingMonthWindow(2)); // closed for real, then released
    }

private:
    std::unique_ptr<ShellFixture> f;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
