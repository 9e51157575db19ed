#pragma once
// The program's fonts by the names it has always used. "Arial" and "Desdemona" may be missing
// on this system: each comes with installed look-alikes to fall back on, in order of likeness.

#include <QFont>
#include <QString>
#include <QStringList>

// The families to try for a font name; "MS Sans Serif" and unknown names end on the default
// sans serif.
QStringList FontFamilies(const QString& name);

// A font of that name, bold or not, with its fallbacks; the caller sets its size.
QFont ProgramFont(const QString& name, bool bold);
