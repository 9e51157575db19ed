#pragma once
// The Preview and Print commands of the toolbar and the commands tab, the system's printers,
// and the main window's part around the print preview.

class MainWindow;

void WirePrinting(MainWindow& main);
