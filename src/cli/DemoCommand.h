#pragma once
// daybinder-cli demo: a lively example year, built with the program's own operations.

#include <QStringList>

// demo OUT.cal [--year YYYY]: the example year (the current year by default) written to OUT.cal.
int RunDemo(const QStringList& args);
