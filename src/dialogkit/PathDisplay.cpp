#include "dialogkit/PathDisplay.h"

#include <QStringList>

namespace {

const QString kElided = QStringLiteral("...");

QString JoinOnceElided(const QStringList& parts)
{
    QStringList kept;
    kept.reserve(parts.size());
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0 && parts[i] == kElided && parts[i - 1] == kElided) continue;
        kept.append(parts[i]);
    }
    return kept.join(u'/');
}

} // namespace

QString ShortenPathDisplay(const QString& path, int maxLength)
{
    if (path.size() <= maxLength) return path;
    QStringList parts = path.split(u'/');
    QString shown = path;
    for (qsizetype i = 1; i + 1 < parts.size(); ++i) {
        parts[i] = kElided;
        shown = JoinOnceElided(parts);
        if (shown.size() < maxLength) break;
    }
    return shown;
}
