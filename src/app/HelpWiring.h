#pragma once
// Joins the help to the main window: the about command, and the help viewer closing with the
// main window.

class MainWindow;

void WireHelpCommands(MainWindow& main);
