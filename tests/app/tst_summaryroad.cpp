// The summary's road through the real program: the tab following the chosen day and type, the
// refresh only while it is shown, the chart opened from its button, and daybinder-cli answering
// as the summary and debts tabs do.

#include "ProgramFixture.h"
#include "entries/EventEditor.h"
#include "summary/ChartWindow.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionFrame>

namespace {

struct Run
{
    int Exit = -1;
    QStringList Lines; // standard output, UTF-8
    QString Err;
};

Run Cli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(DAYBINDER_CLI), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QString::fromUtf8(p.readAllStandardError()).trimmed()};
}

// The span and the results as the tab shows them, each after its label.
QStringList TabLines(SummaryTab* tab)
{
    return {u"De: "_qs + tab->From()->text(), u"À: "_qs + tab->To()->text(),
            u"Total des revenus: "_qs + tab->Result(0)->text(),
            u"Total des dépenses: "_qs + tab->Result(1)->text(),
            u"Grand total: "_qs + tab->Result(2)->text()};
}

// Whether a box shows its whole text (QLineEdit keeps 2 pixels each side inside its contents).
bool ShowsWhole(QLineEdit* box)
{
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.rect = box->rect();
    frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box);
    const QMargins margins = box->textMargins();
    return box->fontMetrics().horizontalAdvance(box->text()) <=
           contents.width() - 4 - margins.left() - margins.right();
}

void Tick(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

} // namespace

class TestSummaryRoad : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        f = std::make_unique<ProgramFixture>();
        ChartWindow::GatherDelayMs = 0;
    }
    void cleanup() { f.reset(); }

    void theWidestTotalsShowWhole()
    {
        QVERIFY(f->Start());
        f->NewDocument();
        // Amounts beyond the 32-bit range: each total is held at a limit.
        EntriesOn(10, 3) = {Money(EntryExpense, "Voiture", "99999999999"),
                            Money(EntryIncome, "Loto", "-99999999999")};
        SummaryTab* tab = f->Main()->Summary();
        f->Main()->SetCurrentTab(TabSummary);
        f->ClickDay(10, 3);
        QCOMPARE(TabLines(tab).mid(2),
                 (QStringList{"Total des revenus: -2147483648$", "Total des dépenses: 2147483647$",
                              "Grand total: -2147483648$"}));
        for (int i = 0; i < 3; ++i) QVERIFY2(ShowsWhole(tab->Result(i)), qPrintable(tab->Result(i)->text()));
    }

    void summaryFollowsTheDayTheTypeAndTheTabShown()
    {
        QVERIFY(f->StartOnExample());
        MainWindow* main = f->Main();
        SummaryTab* tab = main->Summary();
        main->SetCurrentTab(TabSummary);

        // The month by default; a week from 28 December stops at the 31st but shows 3 January.
        f->ClickDay(28, 12);
        QCOMPARE(TabLines(tab).mid(0, 2), (QStringList{"De: 2026-12-01", "À: 2026-12-31"}));
        Tick(Check(tab, "ChkSU2"));
        QVERIFY(!Check(tab, "ChkSU1")->isChecked());
        const QStringList week = TabLines(tab);
        QCOMPARE(week, (QStringList{"De: 2026-12-28", "À: 2027-01-03", "Total des revenus: 1225$",
                                    "Total des dépenses: 0$", "Grand total: 1225$"}));
        Tick(Check(tab, "ChkSU2")); // the only type chosen cannot be unchecked
        QVERIFY(Check(tab, "ChkSU2")->isChecked());
        const Run cli = Cli({"summary", f->example, "--date", "2026-12-28", "--span", "week"});
        QCOMPARE(cli.Err, QString());
        QCOMPARE(cli.Lines, week);

        // An expense added on the 29th from the events tab: the summary waits to be shown.
        main->SetCurrentTab(TabEvents);
        f->ClickDay(29, 12);
        WhenModal<EventEditor>([](EventEditor* d) {
            Check(d, "ChkEV1")->click();
            TypeText(Find(d, "TxtEV0"), u"Réveillon"_qs);
            Retype(Box(d, "TxtEV1"), "39,50");
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(f->Events(), "Add");
        QCOMPARE(TabLines(tab), week);
        main->SetCurrentTab(TabSummary);
        QCOMPARE(TabLines(tab), (QStringList{"De: 2026-12-29", "À: 2027-01-04", "Total des revenus: 1225$",
                                             "Total des dépenses: 40$", "Grand total: 1185$"}));
        // While it is shown, a click on a day recomputes at once.
        Tick(Check(tab, "ChkSU0"));
        f->ClickDay(31, 12);
        QCOMPARE(TabLines(tab).mid(0, 2), (QStringList{"De: 2026-12-31", "À: 2026-12-31"}));
    }

    void chartOfTheExampleYearMatchesTheMonthSummary()
    {
        QVERIFY(f->StartOnExample());
        SummaryTab* tab = f->Main()->Summary();
        f->Main()->SetCurrentTab(TabSummary);
        f->ClickDay(10, 8);
        QList<qreal> august;
        // The window opens at once; what it shows is read once its totals are in.
        const auto read = [&](ChartWindow* w) {
            for (QBarSet* set :
                 static_cast<QBarSeries*>(w->ChartView()->chart()->series().first())->barSets())
                august.append(set->at(7));
            Press(w, u"CmdOk"_qs);
        };
        WhenModal<ChartWindow>([&](ChartWindow* w) {
            if (w->Gathered()) return read(w);
            QObject::connect(
                w, &ChartWindow::TotalsGathered, w, [&, w] { read(w); }, Qt::QueuedConnection);
        });
        QTest::mouseClick(tab->ChartButton(), Qt::LeftButton);
        QCOMPARE(august.size(), 3);
        QCOMPARE(QString::number(august[0]) + u'$', tab->Result(0)->text());
        QCOMPARE(QString::number(august[1]) + u'$', tab->Result(1)->text());
    }

    void cliBalanceIsTheDebtsTabsAndMistakesAreTold()
    {
        QVERIFY(f->StartOnExample());
        const QString& example = f->example;
        f->Main()->SetCurrentTab(TabDebts);
        f->ClickDay(30, 6);
        QListWidget* list = f->Debts()->List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        const QString shown = f->Debts()->Balance()[1]->text();
        const QString name = list->item(0)->text().section(u" - "_qs, 1).left(10).trimmed();
        Run r = Cli({"balance", example, "--account", name, "--date", "2026-06-30"});
        QCOMPARE(r.Err, QString());
        QCOMPARE(r.Lines, QStringList{shown});

        // Each mistake is told on the error stream, naming what is wrong.
        const QList<std::pair<QStringList, QString>> mistakes = {
            {{"balance", example, "--account", "Loyer", "--date", "2026-06-30"}, "\"Loyer\""},
            {{"summary", example, "--date", "2026-02-30", "--span", "day"}, "2026-02-30"},
            {{"summary", example, "--date", "2027-01-01", "--span", "week"}, "2026"},
            {{"summary", example, "--date", "2026-01-01", "--span", "year"}, "two-weeks"},
            {{"summary", example, "--date", "2026-01-01"}, "--span"},
        };
        for (const auto& [args, told] : mistakes) {
            r = Cli(args);
            QCOMPARE(r.Exit, 1);
            QVERIFY2(r.Err.contains(told) && r.Lines.isEmpty(), qPrintable(r.Err));
        }

        // A protected copy is read with its password.
        const QString stream = f->dir.filePath(u"année.txt"_qs);
        QProcess p;
        p.setStandardOutputFile(stream);
        p.start(QStringLiteral(DAYBINDER_CLI), {u"stream"_qs, example});
        QVERIFY(p.waitForFinished(60000) && p.exitCode() == 0);
        const QString locked = f->dir.filePath(u"protégé.cal"_qs);
        QCOMPARE(Cli({"pack", "--password", "été", stream, locked}).Exit, 0);
        r = Cli({"summary", locked, "--date", "2026-12-28", "--span", "two-weeks", "--password", "été"});
        QCOMPARE(r.Exit, 0);
        QCOMPARE(r.Lines.mid(0, 2), (QStringList{"De: 2026-12-28", "À: 2027-01-10"}));
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestSummaryRoad)
#include "tst_summaryroad.moc"
