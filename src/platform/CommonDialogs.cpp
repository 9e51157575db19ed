#include "platform/CommonDialogs.h"

#include "document/Paths.h"

namespace {

// Where nobody can answer (the headless tool, before the windows exist).
class CancelledDialogs : public CommonDialogs
{
public:
    std::optional<QString> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<qint32> ChooseColour(qint32) override { return std::nullopt; }
};

CancelledDialogs g_cancelled;
CommonDialogs* g_current = &g_cancelled;

} // namespace

CommonDialogs& CommonDialogs::Current()
{
    return *g_current;
}

void CommonDialogs::Install(CommonDialogs* dialogs)
{
    g_current = dialogs ? dialogs : &g_cancelled;
}

std::optional<QString> CommonDialogs::ChooseFolder(const QString&)
{
    return std::nullopt;
}

std::optional<PrinterChoice> CommonDialogs::SetupPrinter(const PrinterChoice&)
{
    return std::nullopt;
}

std::optional<QString> ChooseFolder(const QString& start)
{
    return CommonDialogs::Current().ChooseFolder(start);
}

namespace {

// "Fichiers Daybinder (*.cal)" -> "Fichiers Daybinder": the patterns are written again after it.
QString WithoutTrailingPatterns(const QString& description)
{
    QString text = description.trimmed();
    if (text.endsWith(u')')) {
        const qsizetype open = text.lastIndexOf(u'(');
        if (open >= 0 && !text.mid(open + 1).contains(u'(')) text = text.left(open).trimmed();
    }
    return text;
}

} // namespace

QStringList FileDialogFilters(const QString& tableFilter)
{
    QStringList filters;
    const QStringList parts = tableFilter.split(u'|');
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        if (i + 1 == parts.size() && parts[i].trimmed().isEmpty()) break; // a trailing "|" or nothing at all
        QStringList patterns;
        const QString pattern = i + 1 < parts.size() ? parts[i + 1] : QString();
        for (const QString& p : pattern.split(u';', Qt::SkipEmptyParts)) {
            const QString one = p.trimmed();
            if (one.isEmpty()) continue;
            patterns.append(one == QStringLiteral("*.*") ? QStringLiteral("*") : one);
        }
        if (patterns.isEmpty()) patterns.append(QStringLiteral("*"));
        QString description = WithoutTrailingPatterns(parts[i]);
        if (description.isEmpty()) description = patterns.join(u' ');
        filters.append(description + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters;
}

QString WithDefaultExtension(const QString& path, const QString& extension)
{
    QString ext = extension.trimmed();
    if (ext.startsWith(u'.')) ext.remove(0, 1);
    const QString name = FileNameOf(path);
    if (ext.isEmpty() || name.isEmpty() || name.contains(u'.')) return path;
    return path + u'.' + ext;
}
