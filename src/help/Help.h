#pragma once
// The help pages: HTML files under "help/" beside the program, named as "Html\page.htm".

#include <QString>

// The file of a help page; empty when the page does not exist.
QString HelpPageFile(const QString& page);

// Opens the page in the help viewer window; nothing is reported when the page is missing.
void ShowHelpTopic(const QString& page);

// The last page asked for, whether or not it could be shown (for the windows' tests).
QString LastHelpTopic();
