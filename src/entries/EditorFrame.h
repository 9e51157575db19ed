#pragma once
// What the entry editors share around their pages: help on the left, OK and Cancel on the right,
// and text boxes that accept only what a CAL file can hold.

#include "entries/AmountText.h"

class QDialog;
class QLineEdit;
class QPushButton;
class QString;
class QTabWidget;
class QToolButton;
class QWidget;

struct EditorButtons
{
    QPushButton* Ok;     // "CmdOk", the default button
    QPushButton* Cancel; // "CmdCancel"
    QToolButton* Help;   // "CmdHelp", tooltip "Aide..."
};

// Lays out the dialog: the pages, then the button row.
EditorButtons LayOutEditor(QDialog* dialog, QTabWidget* pages);

// A named text box with the program's input filter.
QLineEdit* FilteredTextBox(const QString& name, QWidget* parent);

// The same for an amount: every edit goes through FilterAmount. The filter runs first, so a
// slot connected later to textEdited reads the box's text rather than the signal's argument.
QLineEdit* AmountTextBox(const QString& name, AmountSign sign, QWidget* parent);
