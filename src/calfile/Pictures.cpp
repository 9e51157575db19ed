#include "calfile/Pictures.h"

#include "calfile/CalFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The picture formats a ".cal" document may use, told by their content, not by a file name.
bool Decode(QIODevice& device, QImage& picture)
{
    picture = QImage();
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "gif" && format != "jpeg") return false;
    return reader.read(&picture) && !picture.isNull();
}

} // namespace

QByteArray EncodeBitmap(const QImage& picture)
{
    QByteArray bytes;
    if (picture.isNull()) return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP")) bytes.clear();
    return bytes;
}

bool DecodePicture(QByteArrayView bytes, QImage& picture)
{
    QByteArray copy = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return Decode(buffer, picture);
}

bool LoadPictureFile(const QString& path, QImage& picture)
{
    picture = QImage();
    // Only a regular file: a device or a pipe named by a hostile document could block.
    if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    return Decode(file, picture);
}
