#include "help/FolderRules.h"

#include "document/Paths.h"
#include "resources/Strings.h"

#include <QDir>
#include <QFileInfo>

QString NewFolderQuestion(const QString& parent)
{
    const QChar cr(u'\r');
    return Str(1404) + cr + cr + Str(1405) + cr + ChosenFolderText(parent);
}

std::optional<FolderError> MakeNewFolder(const QString& parent, const QString& answer, QString* made)
{
    if (made) made->clear();
    const QString name = answer.trimmed();
    if (name.isEmpty()) return std::nullopt;
    // One new folder, named as typed: no path of its own, nothing that names another folder.
    if (name.contains(u'/') || name.contains(QChar(0)) || name == u"." || name == u"..")
        return FolderFailure(ErrBadFileName);
    const QFileInfo where(parent);
    if (!where.isDir()) return FolderFailure(ErrPathNotFound);
    const QString path = AddBackslash(CleanFolder(parent)) + name;
    if (QFileInfo::exists(path)) return FolderFailure(ErrAlreadyExists);
    if (!where.isWritable() || !where.isExecutable()) return FolderFailure(ErrPermissionDenied);
    if (!QDir(parent).mkdir(name)) return FolderFailure(ErrPathAccess);
    if (made) *made = path;
    return std::nullopt;
}

PromptRequest NewFolderErrorMessage(const FolderError& error)
{
    const QChar cr(u'\r');
    PromptRequest r;
    r.Title = QStringLiteral("Daybinder");
    r.Icon = PromptIcon::Stop;
    r.Text = Str(1406) + cr + cr + Str(10038) + QStringLiteral("  ") + QString::number(error.Number) + cr +
             Str(10039) + QStringLiteral("  ") + error.Description;
    return r;
}

QString ChosenFolderText(const QString& folder)
{
    return AddBackslash(CleanFolder(folder));
}
