#pragma once
// daybinder-cli sub-commands that read the money of a ".cal" file as the program's tabs show it.

#include <QStringList>

// summary FILE.cal --date YYYY-MM-DD --span day|month|week|two-weeks [--password P]: the span and
// the three totals of the summary tab, five lines "De: 2026-12-28" ... "Grand total: 1210$".
int RunSummary(const QStringList& args);

// balance FILE.cal --account NAME --date YYYY-MM-DD [--password P]: the balance of the first
// account of that name as of that date, as the debts tab shows it ("2200$").
int RunBalance(const QStringList& args);
