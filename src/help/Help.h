#pragma once
// The help pages: HTML files under "help/" beside the program, named as "Html\page.htm".

#include <QString>

// The file of a help page; empty when the page does not exist.
QString HelpPageFile(const QString& page);

// Opens the page in the help viewer window; nothing is reported when the page is missing. The
// program connects it to ShowHelpTopic.
void ShowHelpPage(const QString& page);
