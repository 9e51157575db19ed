#include "pictures/PictureWork.h"

#include "calfile/FileBytes.h"
#include "calfile/Pictures.h"
#include "document/NumberText.h"

#include <array>
#include <cmath>
#include <cstring>

namespace {

// Rows changed between two progress calls: the window repaints about fifty times at most.
constexpr int kProgressBands = 50;

// The new value of each level 0..255, pre-shifted into its channel of a QRgb.
struct ChannelTables
{
    std::array<quint32, 256> Red{}, Green{}, Blue{};
};

ChannelTables MakeTables(int amount)
{
    ChannelTables t;
    for (int level = 0; level < 256; ++level) {
        const auto v = quint32(std::clamp(level + amount, 0, 255));
        t.Red[size_t(level)] = v << 16;
        t.Green[size_t(level)] = v << 8;
        t.Blue[size_t(level)] = v;
    }
    return t;
}

QRgb Adjusted(QRgb c, const ChannelTables& t)
{
    return (c & 0xff000000u) | t.Red[(c >> 16) & 0xffu] | t.Green[(c >> 8) & 0xffu] | t.Blue[c & 0xffu];
}

void AdjustRow(QRgb* row, int width, const ChannelTables& t)
{
    for (int x = 0; x < width; ++x) row[x] = Adjusted(row[x], t);
}

// A copy of the pixels in large pages: touching tens of megabytes of fresh memory page by page
// costs more than the brightness change itself.
QImage CopyInLargePages(const QImage& source)
{
    auto* buffer = new LargeBuffer(source.sizeInBytes());
    if (!buffer->Data()) {
        delete buffer;
        return source.copy();
    }
    std::memcpy(buffer->Data(), source.constBits(), size_t(source.sizeInBytes()));
    QImage copy(
        reinterpret_cast<uchar*>(buffer->Data()), source.width(), source.height(), source.bytesPerLine(),
        source.format(), [](void* held) { delete static_cast<LargeBuffer*>(held); }, buffer);
    copy.setColorTable(source.colorTable());
    copy.setDotsPerMeterX(source.dotsPerMeterX());
    copy.setDotsPerMeterY(source.dotsPerMeterY());
    return copy;
}

} // namespace

QString SizeBoxText(const QString& typed)
{
    const double value = ReadNumber(typed);
    if (!(value > 0)) return QStringLiteral("0"); // negative, zero or not a number
    if (value >= kMaxPictureSide) return QString::number(kMaxPictureSide);
    return QString::number(qint64(std::floor(value)));
}

bool StretchSizeAllowed(const QSize& size)
{
    return size.width() >= 1 && size.height() >= 1 && size.width() <= kMaxPictureSide &&
           size.height() <= kMaxPictureSide && qint64(size.width()) * size.height() <= kMaxEditedPixels;
}

QImage StretchPicture(const QImage& picture, const QSize& size)
{
    if (picture.isNull() || !StretchSizeAllowed(size)) return {};
    if (picture.size() == size) return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void AdjustBrightness(int amount, QImage& picture, const RowProgress& progress)
{
    if (amount == 0 || amount < -kMaxBrightnessStep || amount > kMaxBrightnessStep || picture.isNull())
        return;
    const ChannelTables tables = MakeTables(amount);
    const int rows = picture.height();
    // Non-premultiplied, so that a translucent pixel's colour moves by the same levels.
    const QImage::Format format = picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const bool palette = picture.colorCount() > 0;
    if (!palette && picture.format() != format)
        picture.convertTo(format);
    else if (!picture.isDetached())
        picture = CopyInLargePages(picture); // the picture the editor was opened with stays
    if (picture.isNull()) return;

    if (palette) {
        // A palette picture's pixels take their colours from its table.
        QList<QRgb> colours = picture.colorTable();
        for (QRgb& c : colours) c = Adjusted(c, tables);
        picture.setColorTable(colours);
        if (progress) progress(rows, rows);
        return;
    }
    const int width = picture.width();
    const int band = std::max(1, (rows + kProgressBands - 1) / kProgressBands);
    for (int y = 0; y < rows; ++y) {
        AdjustRow(reinterpret_cast<QRgb*>(picture.scanLine(y)), width, tables);
        if (progress && ((y + 1) % band == 0 || y + 1 == rows)) progress(y + 1, rows);
    }
}

bool SavePictureAsBitmap(const QImage& picture, const QString& path)
{
    const QByteArray bytes = EncodeBitmap(picture);
    FileError ignored;
    return !bytes.isEmpty() && ReplaceFile(path, bytes, &ignored);
}
