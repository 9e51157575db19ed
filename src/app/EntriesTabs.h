#pragma once
// The events tab and the debts and savings tab of the main window, wired to the entry and
// account operations and to their editors; the month grid's entry commands as well. The tabs
// themselves only show lines and report clicks.

class MainWindow;

// Lines, totals and balance of the selected day; every events button, the check marks, the
// double-click; Paste and Delete of the month grid's menu.
void ConnectEventsTab(MainWindow& main);

// The accounts, their balance as of the selected day, and every button of the tab.
void ConnectDebtsTab(MainWindow& main);
