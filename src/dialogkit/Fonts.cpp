#include "dialogkit/Fonts.h"

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
    return f;
}

qreal FontNarrowing(const QFont& font, const QString& name)
{
    // Desdemona's figures are about half as wide as those of its serif look-alike.
    if (name.compare(u"Desdemona", Qt::CaseInsensitive) != 0) return 1.0;
    return QFontInfo(font).family().compare(name, Qt::CaseInsensitive) == 0 ? 1.0 : 0.5;
}
