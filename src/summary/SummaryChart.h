#pragma once
// The chart of the summary's totals, opened in front of the main window. The window and the
// charts library it draws with are loaded by the program when it first opens: a start pays
// nothing for them.

class QWidget;

void OpenChartWindow(QWidget* main);
