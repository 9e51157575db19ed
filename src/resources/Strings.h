#pragma once
// The French string table: every caption and message is looked up here by number.

#include <QList>
#include <QString>

// The text of a number; an unknown number gives an empty text (and a warning once).
QString Str(int number);
bool HasStr(int number);

// Every number of the table, ascending.
QList<int> StrNumbers();

// "Daybinder - " + the text: the caption of every dialog.
QString DialogCaption(int number);
