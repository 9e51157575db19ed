#pragma once
// The summary tab of the main window wired to the summary totals, and its chart button to the
// chart window.

class MainWindow;

// The span and the three results of the selected day, at every refresh while the tab is
// current; the chart button opens the chart of the open document.
void ConnectSummaryTab(MainWindow& main);
