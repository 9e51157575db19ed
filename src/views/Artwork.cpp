#include "views/Artwork.h"

#include <QResource>
#include <QtEndian>
#include <cstring>

namespace {

// Reads the plain-pixel layout written by GenerateArtwork (stored uncompressed); an empty
// picture when the resource is missing or does not hold what its header says.
QImage ReadPixels(const QString& path)
{
    const QResource resource(path);
    if (resource.compressionAlgorithm() != QResource::NoCompression) return {};
    const uchar* data = resource.data();
    const qint64 size = resource.size();
    constexpr qint64 header = 4 + 6 * 4;
    if (!data || size < header || std::memcmp(data, "DBPX", 4) != 0) return {};
    const auto field = [data](int i) { return qFromLittleEndian<quint32>(data + 4 + 4 * i); };
    const int width = int(field(0)), height = int(field(1)), colours = int(field(4));
    const qsizetype perLine = qsizetype(field(3));
    const auto format = QImage::Format(field(2));
    const qint64 pixels = header + 4 * qint64(colours);
    if (width <= 0 || height <= 0 || size != pixels + perLine * height) return {};
    // The resource lives as long as the program: the picture reads it in place.
    QImage image(data + pixels, width, height, perLine, format);
    QList<QRgb> table(colours);
    for (int i = 0; i < colours; ++i) table[i] = qFromLittleEndian<quint32>(data + header + 4 * i);
    if (colours) image.setColorTable(table);
    image.setDevicePixelRatio(field(5) / 100.0);
    return image;
}

// The sharper copy on a high-density screen.
QImage Load(const char* name, qreal ratio)
{
    return ReadPixels(QStringLiteral(":/pictures/%1%2")
                          .arg(QLatin1String(name), ratio > 1.25 ? QStringLiteral("@2x") : QString()));
}

} // namespace

QImage LogoPicture(qreal ratio)
{
    return Load("logo", ratio);
}

QImage LoadingPicture(qreal ratio)
{
    return Load("loading", ratio);
}

QImage SplashPicture(int colourDepth, qreal ratio)
{
    if (colourDepth == 16 || colourDepth == 256)
        return Load(colourDepth == 16 ? "splash16" : "splash256", 1.0);
    return Load("splash", ratio);
}
