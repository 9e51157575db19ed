#include "calfile/Pictures.h"

#include "calfile/CalFile.h"
#include "calfile/FileBytes.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace {

constexpr qsizetype kBitmapHeaders = 14 + 40; // file header, then the info header
// Pictures larger than this are left to the general reader, which has its own limit.
constexpr qint64 kMaxFastPixels = qint64(32) << 20;
// A picture file larger than this is not read at all.
constexpr qint64 kMaxPictureFileSize = qint64(256) << 20;

quint16 Get16(QByteArrayView b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.data() + at);
}

quint32 Get32(QByteArrayView b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.data() + at);
}

qsizetype RowBytes(qint64 width)
{
    return qsizetype((width * 3 + 3) & ~qint64(3));
}

enum class PlainBitmap
{
    No,
    Read,
    Damaged
};

// The bitmaps of ".cal" files are uncompressed, 24 bits a pixel: read here directly, several
// times faster than the general reader. Other kinds are left to it; one of this kind whose
// pixels are cut short is refused (the general reader would show it half drawn).
PlainBitmap ReadPlainBitmap(QByteArrayView b, QImage& picture)
{
    if (b.size() < kBitmapHeaders || b[0] != 'B' || b[1] != 'M') return PlainBitmap::No;
    if (Get32(b, 14) != 40 || Get16(b, 26) != 1 || Get16(b, 28) != 24 || Get32(b, 30) != 0)
        return PlainBitmap::No;
    const auto width = qint64(qint32(Get32(b, 18)));
    const auto height = qint64(qint32(Get32(b, 22))); // negative: rows from the top
    const qint64 rows = qAbs(height);
    const qint64 offset = Get32(b, 10);
    if (width <= 0 || rows == 0 || width * rows > kMaxFastPixels) return PlainBitmap::No;
    if (offset < kBitmapHeaders || offset > b.size() || RowBytes(width) * rows > b.size() - offset)
        return PlainBitmap::Damaged;

    QImage img(int(width), int(rows), QImage::Format_RGB32);
    if (img.isNull()) return PlainBitmap::Damaged;
    for (int y = 0; y < rows; ++y) {
        const qint64 row = height > 0 ? rows - 1 - y : y;
        const auto* s = reinterpret_cast<const uchar*>(b.data() + offset + RowBytes(width) * row);
        auto* d = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x, s += 3) d[x] = qRgb(s[2], s[1], s[0]);
    }
    picture = img;
    return PlainBitmap::Read;
}

// The picture formats a ".cal" document may use, told by their content, not by a file name.
bool ReadGeneral(QIODevice& device, QImage& picture)
{
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "gif" && format != "jpeg") return false;
    return reader.read(&picture) && !picture.isNull();
}

} // namespace

QByteArray EncodeBitmap(const QImage& picture)
{
    if (picture.isNull()) return {};
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    const qint64 w = img.width(), h = img.height();
    const qint64 size = kBitmapHeaders + RowBytes(w) * h;
    if (size > std::numeric_limits<qint32>::max()) return {};

    QByteArray out(qsizetype(size), '\0'); // row padding stays zero
    char* p = out.data();
    p[0] = 'B';
    p[1] = 'M';
    const auto put = [p](qsizetype at, quint32 v) { qToLittleEndian(v, p + at); };
    put(2, quint32(size));
    put(10, quint32(kBitmapHeaders));
    put(14, 40);
    put(18, quint32(w));
    put(22, quint32(h));
    qToLittleEndian<quint16>(1, p + 26);  // planes
    qToLittleEndian<quint16>(24, p + 28); // bits a pixel; compression 0 follows
    put(34, quint32(RowBytes(w) * h));
    put(38, quint32(img.dotsPerMeterX()));
    put(42, quint32(img.dotsPerMeterY()));
    for (qint64 y = 0; y < h; ++y) { // bottom row first
        const auto* s = reinterpret_cast<const QRgb*>(img.constScanLine(int(h - 1 - y)));
        auto* d = reinterpret_cast<uchar*>(p + kBitmapHeaders + RowBytes(w) * y);
        for (qint64 x = 0; x < w; ++x, d += 3) {
            d[0] = uchar(qBlue(s[x]));
            d[1] = uchar(qGreen(s[x]));
            d[2] = uchar(qRed(s[x]));
        }
    }
    return out;
}

bool LooksLikePicture(QByteArrayView head)
{
    return head.startsWith("BM") || head.startsWith("GIF87a") || head.startsWith("GIF89a") ||
           head.startsWith("\xFF\xD8\xFF");
}

bool DecodePicture(QByteArrayView bytes, QImage& picture)
{
    picture = QImage();
    switch (ReadPlainBitmap(bytes, picture)) {
    case PlainBitmap::Read:
        return true;
    case PlainBitmap::Damaged:
        return false;
    case PlainBitmap::No:
        break;
    }
    QByteArray copy = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadGeneral(buffer, picture);
}

bool LoadPictureFile(const QString& path, QImage& picture)
{
    picture = QImage();
    // Only a regular file: a device or a pipe named by a hostile document could block.
    QByteArray bytes;
    FileError ignored;
    return !path.isEmpty() && ReadWholeFile(path, kMaxPictureFileSize, &bytes, &ignored) &&
           DecodePicture(bytes, picture);
}
