#pragma once
// Joins the help to the program: the help viewer behind every window's help, the about command,
// the folder chooser behind the options' folder buttons, and the viewer closing with the main
// window.

class MainWindow;

// Every window's help opens in the help viewer, from the splash window on.
void ConnectHelpViewer();

void WireHelpCommands(MainWindow& main);
