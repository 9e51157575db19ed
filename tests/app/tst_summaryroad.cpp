// The summary's road through the real program: the tab following the chosen day and type, the
// refresh only while it is current, the chart of the example year opened from its button, and
// daybinder-cli answering as the summary and debts tabs do.

#include "ProgramFixture.h"
#include "entries/EventEditor.h"
#include "settings/SettingsStore.h"
#include "summary/ChartWindow.h"
#include "support/Widgets.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>

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
    const QString labels[5] = {"De:", "À:", "Total des revenus:", "Total des dépenses:", "Grand total:"};
    const QString values[5] = {tab->From()->text(), tab->To()->text(), tab->Result(0)->text(),
                               tab->Result(1)->text(), tab->Result(2)->text()};
    QStringList lines;
    for (int i = 0; i < 5; ++i) lines.append(labels[i] + u' ' + values[i]);
    return lines;
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

    void summaryFollowsTheDayTheTypeAndTheTabShown()
    {
        StartOnExample();
        MainWindow* main = f->Main();
        SummaryTab* tab = main->Summary();
        main->SetCurrentTab(TabSummary);
        QVERIFY(tab->HintPanel()->isVisible() && tab->ChartButton()->isEnabled()); // no day yet

        // The month by default; a week from 28 December stops at the 31st but shows 3 January.
        f->ClickDay(28, 12);
        QVERIFY(tab->WorkPanel()->isVisible());
        QCOMPARE(tab->ChartButton()->parentWidget(), tab->WorkPanel());
        QCOMPARE(TabLines(tab).mid(0, 2), (QStringList{"De: 2026-12-01", "À: 2026-12-31"}));
        Tick(Check(tab, "ChkSU2"));
        QVERIFY(!Check(tab, "ChkSU1")->isChecked());
        const QStringList week = TabLines(tab);
        QCOMPARE(week, (QStringList{"De: 2026-12-28", "À: 2027-01-03", "Total des revenus: 1225$",
                                    "Total des dépenses: 0$", "Grand total: 1225$"}));
        Tick(Check(tab, "ChkSU2")); // the only type chosen cannot be unchecked
        QVERIFY(Check(tab, "ChkSU2")->isChecked());
        QCOMPARE(TabLines(tab), week);
        const Run cli = Cli({"summary", m_example, "--date", "2026-12-28", "--span", "week"});
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
        QCOMPARE(TabLines(tab), (QStringList{"De: 2026-12-31", "À: 2026-12-31", "Total des revenus: 1225$",
                                             "Total des dépenses: 0$", "Grand total: 1225$"}));
    }

    void chartOfTheExampleYearMatchesTheMonthSummaries()
    {
        StartOnExample();
        MainWindow* main = f->Main();
        main->SetCurrentTab(TabSummary);
        f->ClickDay(10, 8);
        const QString augustIn = main->Summary()->Result(0)->text();
        const QString augustOut = main->Summary()->Result(1)->text();
        QStringList groups, sets;
        QList<qreal> august;
        // The window opens at once; what it shows is read once its totals are in.
        const auto read = [&](ChartWindow* w) {
            QChart* chart = w->ChartView()->chart();
            groups = static_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).first())->categories();
            for (QBarSet* set : static_cast<QBarSeries*>(chart->series().first())->barSets()) {
                sets.append(set->label());
                august.append(set->at(7));
            }
            Tick(w->MonthBox(1));
            Press(w, u"CmdOk"_qs);
        };
        WhenModal<ChartWindow>([&](ChartWindow* w) {
            if (w->Gathered())
                read(w);
            else
                QObject::connect(
                    w, &ChartWindow::TotalsGathered, w, [&, w] { read(w); }, Qt::QueuedConnection);
        });
        QTest::mouseClick(main->Summary()->ChartButton(), Qt::LeftButton);
        QCOMPARE(groups.size(), 12);
        QCOMPARE(groups.first(), u"Janvier"_qs);
        QCOMPARE(sets, (QStringList{"Revenus", "Dépenses", "Grand total:"}));
        QCOMPARE(QString::number(august[0]) + u'$', augustIn);
        QCOMPARE(QString::number(august[1]) + u'$', augustOut);
        QCOMPARE(august[2], august[0] - august[1]);
        QCOMPARE(Keys::SummaryMonth(1).Read(), u"0"_qs); // kept for the next opening
    }

    void cliBalanceIsTheDebtsTabsAndMistakesAreTold()
    {
        StartOnExample();
        MainWindow* main = f->Main();
        main->SetCurrentTab(TabDebts);
        f->ClickDay(30, 6);
        QListWidget* list = f->Debts()->List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        const QString shown = f->Debts()->Balance()[1]->text();
        QVERIFY(shown.endsWith(u'$'));
        const QString name = list->item(0)->text().section(u" - "_qs, 1).left(10).trimmed();
        Run r = Cli({"balance", m_example, "--account", name, "--date", "2026-06-30"});
        QCOMPARE(r.Err, QString());
        QCOMPARE(r.Lines, QStringList{shown});

        r = Cli({"balance", m_example, "--account", "Loyer", "--date", "2026-06-30"});
        QCOMPARE(r.Exit, 1);
        QVERIFY2(r.Err.contains(u"\"Loyer\""_qs), qPrintable(r.Err));
        QVERIFY(r.Lines.isEmpty());
        r = Cli({"summary", m_example, "--date", "2026-02-30", "--span", "day"});
        QCOMPARE(r.Exit, 1);
        QVERIFY(r.Err.contains(u"2026-02-30"_qs));
        r = Cli({"summary", m_example, "--date", "2027-01-01", "--span", "week"});
        QCOMPARE(r.Exit, 1);
        QVERIFY(r.Err.contains(u"2026"_qs));
        r = Cli({"summary", m_example, "--date", "2026-01-01", "--span", "year"});
        QCOMPARE(r.Exit, 1);
        QVERIFY(r.Err.contains(u"two-weeks"_qs));
        r = Cli({"summary", m_example, "--date", "2026-01-01"});
        QCOMPARE(r.Exit, 1);
        QVERIFY(r.Err.contains(u"--span"_qs));

        // A protected copy: no password, the wrong one, the right one.
        const QString stream = f->dir.filePath(u"année.txt"_qs);
        QProcess p;
        p.setStandardOutputFile(stream);
        p.start(QStringLiteral(DAYBINDER_CLI), {u"stream"_qs, m_example});
        QVERIFY(p.waitForFinished(60000) && p.exitCode() == 0);
        const QString locked = f->dir.filePath(u"protégé.cal"_qs);
        QCOMPARE(Cli({"pack", "--password", "été", stream, locked}).Exit, 0);
        r = Cli({"summary", locked, "--date", "2026-12-28", "--span", "week"});
        QCOMPARE(r.Exit, 3);
        QCOMPARE(r.Err, u"Ce document est protégé par un mot de passe."_qs);
        r = Cli({"balance", locked, "--account", name, "--date", "2026-06-30", "--password", "ete"});
        QCOMPARE(r.Exit, 3);
        r = Cli({"summary", locked, "--date", "2026-12-28", "--span", "two-weeks", "--password", "été"});
        QCOMPARE(r.Exit, 0);
        QCOMPARE(r.Lines.mid(0, 2), (QStringList{"De: 2026-12-28", "À: 2027-01-10"}));
    }

private:
    void StartOnExample()
    {
        m_example = f->Example();
        QVERIFY(f->Start(m_example));
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
    }

    std::unique_ptr<ProgramFixture> f;
    QString m_example;
};

QTEST_MAIN(TestSummaryRoad)
#include "tst_summaryroad.moc"
