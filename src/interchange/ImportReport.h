#pragma once
// What the user reads after an import: how many events came in on how many days, how many were
// left out and why, in a few lines (CR between them, as the program's messages have).

#include "interchange/IcsImport.h"

#include <QString>

QString ImportReport(const IcsImportResult& result, int year);
