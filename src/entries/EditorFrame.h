#pragma once
// What the entry editors share around their pages: help on the left, OK and Cancel on the right,
// and text boxes that accept only what a CAL file can hold.

class QCheckBox;
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

// A check box with its numbered caption and its control name.
QCheckBox* NamedCheckBox(int text, const QString& name, QWidget* parent);

// Lays out the dialog: the pages, then the button row.
EditorButtons LayOutEditor(QDialog* dialog, QTabWidget* pages);

// A named text box with the program's input filter.
QLineEdit* FilteredTextBox(const QString& name, QWidget* parent);
