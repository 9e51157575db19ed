#pragma once
// Joins the help to the main window: the about command, the folder chooser behind the options'
// folder buttons, and the help viewer closing with the main window.

class MainWindow;

void WireHelpCommands(MainWindow& main);
