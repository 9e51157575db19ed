// The chart module the program loads when the chart first opens: the window and Qt Charts stay
// out of every start.

#include "summary/ChartWindow.h"

extern "C" Q_DECL_EXPORT void daybinder_open_chart(QWidget* main)
{
    ChartWindow::Open(main);
}
