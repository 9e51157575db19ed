#pragma once
// Joins the main window to the rest of the program: the document commands, the events tab and
// the debts and savings tab. Start-up calls it once the main window exists.

class MainWindow;

void WireMainWindow(MainWindow& main);

// The commands of the toolbar and of the commands tab, the save check of closing, the file of
// the command line, and the hooks through which the document commands reach the windows.
void WireDocumentCommands(MainWindow& main);
