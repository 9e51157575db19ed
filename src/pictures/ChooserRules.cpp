#include "pictures/ChooserRules.h"

#include "resources/Strings.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStorageInfo>

namespace {

// The settings of the three type boxes and of the preview box, in the order of the boxes.
const char* const kOptionKeys[] = {"ShowBMP", "ShowJPG", "ShowGIF", "ShowPrev"};

const char* const kTypePatterns[kPictureTypeCount] = {"*.bmp", "*.jpg;*.jpeg", "*.gif"};

} // namespace

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

ChooserOptions ReadChooserOptions()
{
    ChooserOptions options;
    for (int i = 0; i < kPictureTypeCount; ++i)
        options.Types[i] = Keys::PictureChooser(QLatin1String(kOptionKeys[i])).ReadInt() != 0;
    if (!AnyPictureType(options.Types)) options.Types.fill(true);
    options.Preview = Keys::PictureChooser(QLatin1String(kOptionKeys[3])).ReadInt() != 0;
    return options;
}

bool SaveChooserOptions(const ChooserOptions& options)
{
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    SettingsFile file;
    for (int i = 0; i < kPictureTypeCount; ++i)
        file.Write(Keys::PictureChooser(QLatin1String(kOptionKeys[i])), flag(options.Types[i]));
    file.Write(Keys::PictureChooser(QLatin1String(kOptionKeys[3])), flag(options.Preview));
    return file.Commit();
}

bool AnyPictureType(const PictureTypes& types)
{
    for (bool ticked : types)
        if (ticked) return true;
    return false;
}

QString PicturePattern(const PictureTypes& types)
{
    QStringList parts;
    for (int i = 0; i < kPictureTypeCount; ++i)
        if (types[i]) parts.append(QLatin1String(kTypePatterns[i]));
    return parts.join(u';');
}

QStringList PatternFilters(const QString& pattern)
{
    return pattern.split(u';', Qt::SkipEmptyParts);
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

QString ChooserStartFolder(const QString& imgOpen, const QString& programFolder)
{
    const QString wanted = FolderWithoutMark(imgOpen);
    if (!wanted.trimmed().isEmpty() && !CheckFolder(wanted)) return CleanFolder(wanted);
    return CleanFolder(programFolder);
}

PicturePreview LoadPicturePreview(const QString& path, const QSize& box)
{
    QImageReader reader(path);
    QSize size = reader.size();
    // Decoding straight to the preview's size keeps a camera picture from taking hundreds of
    // megabytes for a thumbnail.
    if (size.isValid() && box.isValid() && (size.width() > box.width() || size.height() > box.height()))
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (image.isNull()) return {};
    if (!size.isValid()) {
        size = image.size();
        if (box.isValid() && (size.width() > box.width() || size.height() > box.height()))
            image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return {image, size};
}

QString PictureSizeText(const QSize& size)
{
    return Str(2109) + QString::number(size.width()) + QStringLiteral("  x  ") + Str(2110) +
           QString::number(size.height()) + QStringLiteral("   (") + Str(1805) + u')';
}
