#include "views/Fonts.h"

#include <QFontInfo>

QStringList FontFamilies(const QString& name)
{
    if (name.compare(u"Arial", Qt::CaseInsensitive) == 0)
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (name.compare(u"Desdemona", Qt::CaseInsensitive) == 0)
        return {QStringLiteral("Desdemona"), QStringLiteral("DejaVu Serif")};
    if (name.compare(u"MS Sans Serif", Qt::CaseInsensitive) == 0)
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return {name, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

QFont ProgramFont(const QString& name, bool bold)
{
    QFont f;
    f.setFamilies(FontFamilies(name));
    f.setStyleHint(name.compare(u"Desdemona", Qt::CaseInsensitive) == 0 ? QFont::Serif : QFont::SansSerif);
    f.setBold(bold);
    if (name.compare(u"Desdemona", Qt::CaseInsensitive) == 0 && QFontInfo(f).family() != name)
        f.setStretch(50);
    return f;
}
