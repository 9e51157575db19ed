#pragma once
// The summary chart: the monthly totals of the year as grouped bars, one group per checked
// month and one bar per checked series in its colour. The totals are gathered a moment after
// the window opens, behind a progress bar; the choices of series and months are kept in the
// settings when the window closes.

#include "summary/ChartData.h"

#include <QDialog>
#include <array>
#include <memory>

class BusyCursor;
class QChart;
class QChartView;
class QCheckBox;
class QProgressBar;
class QTimer;

class ChartWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ChartWindow(const CalendarDocument& doc, QWidget* parent = nullptr);
    ~ChartWindow() override;

    // The wait before the totals are gathered, so that the window shows first.
    static inline int GatherDelayMs = 1000;

    // Shows the window modally on the open document.
    static void Open(QWidget* parent);

    QWidget* LoadingPanel() const { return m_loading; }
    QProgressBar* Progress() const { return m_progress; }
    QChartView* ChartView() const { return m_view; }
    QWidget* SelectionPanel() const { return m_selection; }
    QCheckBox* SeriesBox(int series) const { return m_series.at(size_t(series)); }
    QCheckBox* MonthBox(int month) const { return m_months.at(size_t(month - 1)); }
    QCheckBox* ShowBox() const { return m_show; }
    QTimer* GatherTimer() const { return m_timer; }
    const MonthlyTotals& Totals() const { return m_totals; }
    bool Gathered() const { return m_gathered; }

    void GatherTotals();
    void DrawChart();

    void done(int result) override;

signals:
    // The totals are in and the chart drawn.
    void TotalsGathered();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* BuildSelection();
    ChartChoices Choices() const;
    void OnMonthToggled(int month, bool checked);

    const CalendarDocument& m_doc;
    std::unique_ptr<BusyCursor> m_busy;
    QWidget* m_loading;
    QProgressBar* m_progress;
    QChartView* m_view;
    QChart* m_chart;
    QWidget* m_selection = nullptr;
    std::array<QCheckBox*, kChartSeries> m_series{};
    std::array<QCheckBox*, 12> m_months{};
    QCheckBox* m_show = nullptr;
    QTimer* m_timer;
    MonthlyTotals m_totals;
    bool m_gathered = false;
};
