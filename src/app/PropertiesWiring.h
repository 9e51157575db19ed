#pragma once
// The document properties: the command of the toolbar, the dialog that New opens on a new
// document, and the calendar updates that a change of year runs.

class MainWindow;

void WirePropertiesDialog(MainWindow& main);
