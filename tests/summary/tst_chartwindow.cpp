// The summary chart window as a user meets it: the wait with its progress bar, the bars of the
// year, the choices of series and months made with clicks, the selection panel shown and
// hidden, and the choices found again at the next opening.

#include "entries/EntryFixtures.h"
#include "summary/ChartWindow.h"
#include "support/Widgets.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QProgressBar>
#include <QTemporaryDir>

namespace {

// The bars drawn: one line per series, "name: value value ...", and the month labels.
QStringList Bars(ChartWindow* w)
{
    QStringList lines;
    const QList<QAbstractSeries*> series = w->ChartView()->chart()->series();
    if (series.isEmpty()) return lines;
    auto* bars = static_cast<QBarSeries*>(series.first());
    auto* axis = static_cast<QBarCategoryAxis*>(w->ChartView()->chart()->axes(Qt::Horizontal).first());
    lines.append(axis->categories().join(u' '));
    for (QBarSet* set : bars->barSets()) {
        QStringList values;
        for (int i = 0; i < set->count(); ++i) values.append(QString::number(set->at(i)));
        lines.append(set->label() + u' ' + set->color().name() + u' ' + values.join(u' '));
    }
    return lines;
}

// The value axis's labels as drawn, top to bottom.
QStringList AxisLabels(ChartWindow* w)
{
    QList<std::pair<qreal, QString>> found;
    for (QGraphicsItem* item : w->ChartView()->scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
            if (const QString label = text->toPlainText(); label.endsWith(u'$'))
                found.append({text->sceneBoundingRect().center().y(), label});
    std::sort(found.begin(), found.end());
    QStringList labels;
    for (const auto& f : found) labels.append(f.second);
    return labels;
}

// A click on the box itself, as a user ticks it (a box may be wider than its caption).
void Tick(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

} // namespace

class TestChartWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("DAYBINDER_CONFIG_HOME", m_config->path().toUtf8());
        OpenTestDocument(2004);
        EntriesOn(15, 1) = {Money(EntryIncome, "Paie", "1000"), Money(EntryExpense, "Loyer", "600")};
        EntriesOn(20, 2) = {Money(EntryExpense, "Garage", "350")};
        EntriesOn(31, 12) = {Money(EntryIncome, "Paie", "1000")};
        ChartWindow::GatherDelayMs = 1000;
    }
    void cleanup()
    {
        m_window.reset();
        Session::Get().Reset();
    }

    void totalsAreGatheredAfterTheWindowShows()
    {
        Open();
        QVERIFY(m_window->LoadingPanel()->isVisible() && !m_window->ChartView()->isVisible());
        QVERIFY(QGuiApplication::overrideCursor() &&
                QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);

        QTRY_VERIFY_WITH_TIMEOUT(m_window->Gathered(), 3000);
        QCOMPARE(m_window->Progress()->value(), 100);
        QVERIFY(!m_window->LoadingPanel()->isVisible() && m_window->ChartView()->isVisible());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(
            Bars(m_window.get()),
            (QStringList{
                u"Janvier Février Mars Avril Mai Juin Juillet Août Septembre Octobre Novembre Décembre"_qs,
                u"Revenus #0000ff 1000 0 0 0 0 0 0 0 0 0 0 1000"_qs,
                u"Dépenses #ff0000 600 350 0 0 0 0 0 0 0 0 0 0"_qs,
                u"Grand total: #00ff00 400 -350 0 0 0 0 0 0 0 0 0 1000"_qs}));
    }

    void theLargestTotalsReadWholeOnTheAxis()
    {
        // An expense beyond the 32-bit range: the month's totals are held at the limits.
        EntriesOn(10, 3) = {Money(EntryExpense, "Voiture", "99999999999")};
        OpenGathered();
        const QStringList labels = AxisLabels(m_window.get());
        QVERIFY2(labels.size() >= 3, qPrintable(labels.join(u' ')));
        // Top to bottom, from beyond the highest total down to beyond the lowest.
        QVERIFY2(labels.first().chopped(1).toLongLong() >= 2147483647LL, qPrintable(labels.join(u' ')));
        QVERIFY2(labels.last().chopped(1).toLongLong() <= -2147483647LL, qPrintable(labels.join(u' ')));
        for (qsizetype i = 1; i < labels.size(); ++i)
            QVERIFY(labels[i].chopped(1).toLongLong() < labels[i - 1].chopped(1).toLongLong());
    }

    void seriesAndMonthsAreChosenWithClicks()
    {
        OpenGathered();
        for (int s = 0; s < 3; ++s) Tick(m_window->SeriesBox(s));
        QVERIFY(Bars(m_window.get()).isEmpty()); // no series, no bars
        Tick(m_window->SeriesBox(1));
        QCOMPARE(Bars(m_window.get()).size(), 2);
        QVERIFY(Bars(m_window.get())[1].startsWith(u"Dépenses"_qs));

        // Months go down to two; the last but one unchecked stays checked.
        for (int m = 1; m <= 10; ++m) Tick(m_window->MonthBox(m));
        QCOMPARE(Bars(m_window.get()), (QStringList{"Novembre Décembre", "Dépenses #ff0000 0 0"}));
        Tick(m_window->MonthBox(12));
        QVERIFY(m_window->MonthBox(12)->isChecked());
        Tick(m_window->MonthBox(2));
        QCOMPARE(Bars(m_window.get()),
                 (QStringList{"Février Novembre Décembre", "Dépenses #ff0000 350 0 0"}));
    }

    // OK and Escape both close through done(), which stores the choices; Escape is the road a
    // save tied to the OK button would miss.
    void choicesAreFoundAgainAtTheNextOpening()
    {
        OpenGathered();
        const int withPanel = m_window->ChartView()->height();
        Tick(m_window->SeriesBox(0));
        Tick(m_window->MonthBox(3));
        Tick(m_window->ShowBox());
        QVERIFY(!m_window->SelectionPanel()->isVisible());
        QTRY_VERIFY(m_window->ChartView()->height() > withPanel + 50); // the chart takes its room
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QVERIFY(!m_window->isVisible());

        OpenGathered();
        QVERIFY(!m_window->SeriesBox(0)->isChecked() && m_window->SeriesBox(1)->isChecked());
        QVERIFY(!m_window->MonthBox(3)->isChecked() && m_window->MonthBox(4)->isChecked());
        QVERIFY(!m_window->ShowBox()->isChecked() && !m_window->SelectionPanel()->isVisible());
        QCOMPARE(Bars(m_window.get()).first().split(u' ').size(), 11);
    }

private:
    void Open()
    {
        m_window = std::make_unique<ChartWindow>(Doc());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void OpenGathered()
    {
        ChartWindow::GatherDelayMs = 0;
        Open();
        QTRY_VERIFY(m_window->Gathered());
    }

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<ChartWindow> m_window;
};

QTEST_MAIN(TestChartWindow)
#include "tst_chartwindow.moc"
