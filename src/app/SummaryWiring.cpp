#include "app/SummaryWiring.h"

#include "document/Session.h"
#include "summary/SummaryChart.h"
#include "summary/SummaryTotals.h"
#include "views/MainWindow.h"
#include "views/Tabs.h"

#include <QLabel>
#include <QLineEdit>

void ConnectSummaryTab(MainWindow& main)
{
    SummaryTab* tab = main.Summary();
    tab->Compute = [tab] {
        const Session& s = Session::Get();
        const Selection& sel = s.Selected;
        const SummaryTexts texts =
            TextsOf(ComputeSummary(s.CurrentDocument, tab->SummaryType(), sel.Month, sel.Cell, sel.Date));
        tab->From()->setText(texts.From);
        tab->To()->setText(texts.To);
        tab->Result(0)->setText(texts.Incomes);
        tab->Result(1)->setText(texts.Expenses);
        tab->Result(2)->setText(texts.Total);
    };
    QObject::connect(tab, &SummaryTab::ChartRequested, tab, [&main] {
        const Session& s = Session::Get();
        if (s.Mode() == MainMode::Edit && !s.RefreshInProgress) OpenChartWindow(&main);
    });
}
