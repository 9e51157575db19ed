#pragma once
// The note a text box shows when it refused characters that a document cannot hold: a tooltip
// under the box for a few seconds, and the desktop's beep. Installed for every box at start-up.

class QLabel;
class QObject;

// Shows the note at the box (a widget), or does nothing.
void ShowRefusalNote(QObject* box);

// The note as shown now, or nullptr once it is gone (tests).
QLabel* VisibleRefusalNote();
