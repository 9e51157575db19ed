#pragma once
// The program's own icons, drawn at run time so they stay sharp at any size.

#include <QIcon>
#include <QString>

// The icon of a toolbar key ("New", "Open", ..., "m01".."m12", "Help").
QIcon ToolbarIcon(const QString& key);

// A calendar sheet showing the month number; the month windows' icon.
QIcon MonthIcon(int month);

// The program icon.
QIcon ProgramIcon();
