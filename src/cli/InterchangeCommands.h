#pragma once
// daybinder-cli sub-commands that bring a year to other calendars and spreadsheets, and events
// from other calendars into a year. Each returns the exit status.

#include <QStringList>

// ics FILE.cal OUT.ics [--password P]
int RunIcs(const QStringList& args);
// import-ics FILE.cal IN.ics|URL OUT.cal [--password P]: OUT.cal keeps the password of FILE.cal;
// the report goes to standard error.
int RunImportIcs(const QStringList& args);
// csv FILE.cal OUT.csv [--password P]
int RunCsv(const QStringList& args);
