#pragma once
// The alarms and the options joined to the main window: the check timer started with it, the
// check after a document is opened, the alert window of each due entry, and the Options command
// of the toolbar and the commands tab.

class MainWindow;

void WireAlarms(MainWindow& main);
void WireOptions(MainWindow& main);
