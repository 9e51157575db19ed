// The chart window where it is linked in (tests); the program loads it from its chart module.

#include "summary/ChartWindow.h"
#include "summary/SummaryChart.h"

void OpenChartWindow(QWidget* main)
{
    ChartWindow::Open(main);
}
