#pragma once
// Opening a help page: the F1 key and the help button of every window ask here, and the program
// connects its help viewer. Pages are named as "Html\page.htm".

#include <QString>
#include <functional>

// Opens the page with the connected viewer; nothing happens without one, nor when the page is
// missing.
void ShowHelpTopic(const QString& page);

// The last page asked for, whether or not it could be shown (for the windows' tests).
QString LastHelpTopic();

// What opens a page; an empty function disconnects the viewer.
void SetHelpTopicHandler(std::function<void(const QString& page)> handler);
