#include "pictures/ChooserRules.h"

#include "resources/Strings.h"
#include "settings/SettingsStore.h"

#include <QImageReader>
#include <QStringList>

namespace {

// The settings of the three type boxes and of the preview box, in the order of the boxes.
const char* const kOptionKeys[] = {"ShowBMP", "ShowJPG", "ShowGIF", "ShowPrev"};

const char* const kTypePatterns[kPictureTypeCount] = {"*.bmp", "*.jpg;*.jpeg", "*.gif"};

} // namespace

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
