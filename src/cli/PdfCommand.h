#pragma once
// daybinder-cli pdf: the print job of a ".cal" file into a PDF file, through the program's own
// printing code.

#include <QStringList>

// pdf FILE.cal OUT.pdf [--password P] [--months 1,3,...] [--copies N] [--no-background]:
// the months, copies and background picture default to the settings.
int RunPdf(const QStringList& args);
