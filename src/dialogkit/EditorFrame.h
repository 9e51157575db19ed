#pragma once
// What the editors and dialogs share around their pages: help on the left, OK and Cancel on the
// right, and text boxes that accept only what a CAL file can hold.

#include "document/AmountText.h"

#include <QString>

class QCheckBox;
class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

struct EditorButtons
{
    QPushButton* Ok;     // "CmdOk", the default button
    QPushButton* Cancel; // "CmdCancel"
    QToolButton* Help;   // "CmdHelp", tooltip "Aide..."
};

// Lays out the dialog: the pages (or any content), then the button row.
EditorButtons LayOutEditor(QDialog* dialog, QWidget* pages);

// OK waits while something the file needs is missing; its tooltip (string why) says what.
void HoldOk(QPushButton* ok, bool missing, int why);

// A control with its object name, and a check box with a numbered caption.
template <class W> W* Named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}
QCheckBox* NamedCheckBox(int text, const QString& name, QWidget* parent);

// The width a text box needs to show text whole, frame and margins included.
int WidthToShow(const QLineEdit* box, const QString& text);

// A named text box with the program's input filter.
QLineEdit* FilteredTextBox(const QString& name, QWidget* parent);

// The same for an amount: every edit goes through FilterAmount. The filter runs first, so a
// slot connected later to textEdited reads the box's text rather than the signal's argument.
QLineEdit* AmountTextBox(const QString& name, AmountSign sign, QWidget* parent);

// A number box with its up-down control: the box keeps the absolute value of what is typed, and
// the buttons "<upDownName>Up" and "<upDownName>Down" step the whole number by one, never
// below minimum. Nothing above maximum (what the value is kept in) can be typed or stepped to;
// the box's tooltip gives the range.
struct UpDownBox
{
    QLineEdit* Box;
    QToolButton* Up;
    QToolButton* Down;
    QHBoxLayout* Row; // the box and its buttons, for the caller's layout
};
UpDownBox MakeUpDownBox(const QString& boxName, const QString& upDownName, QWidget* parent, double minimum,
                        double maximum);
