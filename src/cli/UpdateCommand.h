#pragma once
// daybinder-cli update: the calendar update and the birthday update run on a file.

#include <QStringList>

// update IN.cal OUT.cal [--password P]: IN opened as the program opens it, its auto-events and
// birthdays placed into its year, the result written to OUT atomically (protected with the
// same password when IN was).
int RunUpdate(const QStringList& args);
