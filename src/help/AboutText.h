#pragma once
// The information lines of the about box.

#include <QString>

// "Version:" + " " + major + "." + minor as two digits + "." + revision as four digits.
QString AboutVersionLine(int major, int minor, int revision);
// The same for this program's own version.
QString ProgramVersionLine();

// "Date de compilation:" + " " + the program file's date as "dd mmm yyyy", or "[Non disponible]"
// when the file or its date cannot be read.
QString AboutDateLine(const QString& programFile);
