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

// How much narrower than the font the text of that name is drawn: Desdemona is a narrow face and
// its look-alike is not, so a substitute is drawn at half its width; 1 for every other font and
// whenever the font itself is installed.
qreal FontNarrowing(const QFont& font, const QString& name);
