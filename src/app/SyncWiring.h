#pragma once
// "Synchroniser..." of the commands tab, its progress in the main window's status area (shown
// only while an exchange runs), and the exchange after each open and each save when the options
// ask for it.

class MainWindow;

void WireSync(MainWindow& main);
