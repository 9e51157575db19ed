#include "dialogkit/BrowseRules.h"

#include "resources/Strings.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

FolderError FolderFailure(qint32 number)
{
    switch (number) {
    case ErrBadFileName:
        return {number, QStringLiteral("Nom ou numéro de fichier incorrect")};
    case ErrAlreadyExists:
        return {number, QStringLiteral("Ce nom existe déjà dans ce dossier")};
    case ErrDeviceUnavailable:
        return {number, QStringLiteral("Périphérique non disponible")};
    case ErrPermissionDenied:
        return {number, QStringLiteral("Permission refusée")};
    case ErrPathAccess:
        return {number, QStringLiteral("Erreur d'accès au chemin/fichier")};
    default:
        break;
    }
    return {ErrPathNotFound, QStringLiteral("Chemin d'accès introuvable")};
}

std::optional<FolderError> CheckFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.exists() || !info.isDir()) return FolderFailure(ErrPathNotFound);
    if (!info.isReadable() || !info.isExecutable()) return FolderFailure(ErrPermissionDenied);
    return std::nullopt;
}

std::optional<FolderError> CheckDrive(const QString& root)
{
    const QStorageInfo volume(root);
    if (!volume.isValid() || !volume.isReady()) return FolderFailure(ErrDeviceUnavailable);
    return CheckFolder(root);
}

PromptRequest FolderErrorMessage(const QString& name, const FolderError& error)
{
    const QChar cr(u'\r');
    PromptRequest r;
    r.Title = QStringLiteral("Daybinder");
    r.Icon = PromptIcon::Stop;
    r.Buttons = PromptButtons::RetryCancel;
    r.Text = Str(1407) + cr + name + u'.' + cr + cr + Str(10038) + QStringLiteral("  ") +
             QString::number(error.Number) + cr + Str(10039) + QStringLiteral("  ") + error.Description;
    return r;
}

QString CleanFolder(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString ChooserStartFolder(const QString& wanted, const QString& programFolder)
{
    const QString folder = FolderWithoutMark(wanted);
    if (!folder.trimmed().isEmpty() && !CheckFolder(folder)) return CleanFolder(folder);
    return CleanFolder(programFolder);
}

QStringList PatternFilters(const QString& pattern)
{
    return pattern.split(u';', Qt::SkipEmptyParts);
}
