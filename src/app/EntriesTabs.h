#pragma once
// The events, auto-events, debts and savings and birthdays tabs of the main window, wired to the
// entry, definition and account operations and to their editors; the month grid's entry
// commands as well. The tabs themselves only show lines and report clicks.

class MainWindow;

// Lines, totals and balance of the selected day; every events button, the check marks, the
// double-click; Paste and Delete of the month grid's menu.
void ConnectEventsTab(MainWindow& main);

// The auto-events and the birthdays: every button of their tabs, the double-click, and the
// update that follows each change of a definition.
void ConnectAutoEventsTab(MainWindow& main);
void ConnectBirthdaysTab(MainWindow& main);

// The accounts, their balance as of the selected day, and every button of the tab.
void ConnectDebtsTab(MainWindow& main);
