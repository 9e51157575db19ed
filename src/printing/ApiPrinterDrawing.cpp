// The drawing operations of cmAPIPrinter: boxes, circles, lines, pictures and text, in
// centimetres on the paper.

#include "dialogkit/Fonts.h"
#include "document/ColourValue.h"
#include "platform/Prompter.h"
#include "printing/ApiPrinter.h"
#include "printing/PrinterDevice.h"

#include <QFontMetricsF>
#include <algorithm>

namespace {

constexpr float kCmPerScreenPixel = 1.0f / kScreenPixelsPerCm;
constexpr int kMinTileBlock = 128;

// The picture repeated until it is at least kMinTileBlock pixels each way, so that a tiny
// picture does not cost a million paintings; tiling the block gives the same page.
QImage TileBlock(const QImage& picture)
{
    const int across = std::max(1, (kMinTileBlock + picture.width() - 1) / picture.width());
    const int down = std::max(1, (kMinTileBlock + picture.height() - 1) / picture.height());
    if (across == 1 && down == 1) return picture;
    QImage block(picture.width() * across, picture.height() * down, QImage::Format_ARGB32_Premultiplied);
    block.fill(Qt::transparent);
    QPainter p(&block);
    for (int i = 0; i < across; ++i)
        for (int j = 0; j < down; ++j) p.drawImage(i * picture.width(), j * picture.height(), picture);
    return block;
}

} // namespace

// One pixel of the page as the screen shows it: a pixel of the preview, 1/96 inch on paper.
QPen cmAPIPrinter::OnePixelPen(qint32 colour) const
{
    QPen pen(ToQColor(colour));
    pen.setJoinStyle(Qt::MiterJoin);
    if (m_toPrinter) {
        pen.setWidthF(kCmPerScreenPixel);
    } else {
        pen.setWidth(1);
        pen.setCosmetic(true);
    }
    return pen;
}

void cmAPIPrinter::FillRect(const QRectF& r, qint32 colour)
{
    m_painter.setPen(OnePixelPen(colour));
    m_painter.setBrush(ToQColor(colour));
    m_painter.drawRect(r);
    m_painter.setBrush(Qt::NoBrush);
}

bool cmAPIPrinter::cmOutput_PrintBox(float left, float top, float width, float height, bool filled,
                                     qint32 colour, qint32 lineWidth)
{
    if (!Run("cmOutput_PrintBox", [&] { return RequireDocument(); })) return false;
    if (!m_painter.isActive()) return true;
    const QRectF box(left, top, width, height);
    if (filled) {
        FillRect(box, colour);
    } else if (lineWidth != 0) {
        const float right = left + width, bottom = top + height;
        return cmOutput_PrintLine(left, top, right, top, colour, lineWidth) &&
               cmOutput_PrintLine(left, top, left, bottom, colour, lineWidth) &&
               cmOutput_PrintLine(right, top, right, bottom, colour, lineWidth) &&
               cmOutput_PrintLine(left, bottom, right, bottom, colour, lineWidth);
    } else {
        m_painter.setPen(OnePixelPen(colour));
        m_painter.drawRect(box);
    }
    return true;
}

bool cmAPIPrinter::cmOutput_PrintCircle(float x, float y, float radius, bool filled, qint32 colour)
{
    if (!Run("cmOutput_PrintCircle", [&] { return RequireDocument(); })) return false;
    if (!m_painter.isActive()) return true;
    m_painter.setPen(OnePixelPen(colour));
    if (filled) m_painter.setBrush(ToQColor(colour));
    m_painter.drawEllipse(QPointF(x, y), radius, radius);
    m_painter.setBrush(Qt::NoBrush);
    return true;
}

bool cmAPIPrinter::cmOutput_PrintLine(float x1, float y1, float x2, float y2, qint32 colour, qint32 width)
{
    if (!Run("cmOutput_PrintLine", [&] { return RequireDocument(); })) return false;
    if (!m_painter.isActive()) return true;
    if (width == 0) {
        m_painter.setPen(OnePixelPen(colour));
        m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        return true;
    }
    // A thick line is the band around it: a slanted one becomes its bounding rectangle.
    const float h = float(width) / 100.0f / 2.0f;
    m_painter.setPen(Qt::NoPen);
    m_painter.fillRect(QRectF(QPointF(x1 - h, y1 - h), QPointF(x2 + h, y2 + h)).normalized(),
                       ToQColor(colour));
    return true;
}

void cmAPIPrinter::PaintTile(const QImage& tile, float x, float y, float w, float h, float tileW, float tileH)
{
    if (w <= 0.0f || h <= 0.0f) return; // a tile cut to nothing paints nothing
    const QRectF whole(x, y, tileW, tileH);
    if (w >= tileW && h >= tileH) {
        m_painter.drawImage(whole, tile);
        return;
    }
    // The top-left part of the tile: the same picture painted under a clip, so that a PDF keeps
    // one copy of it.
    m_painter.save();
    m_painter.setClipRect(QRectF(x, y, w, h), Qt::IntersectClip);
    m_painter.drawImage(whole, tile);
    m_painter.restore();
}

bool cmAPIPrinter::cmOutput_PrintPicture(float left, float top, float width, float height,
                                         const QImage& picture, bool stretch, bool tile)
{
    if (!Run("cmOutput_PrintPicture", [&] { return RequireDocument(); })) return false;
    if (!m_painter.isActive() || picture.isNull()) return true;
    if (stretch) {
        m_painter.drawImage(QRectF(left, top, width, height), picture);
        return true;
    }
    if (!tile) {
        // Once at its natural size from the top-left corner, cut at the area's edges.
        const float tileW = float(picture.width()) * kCmPerScreenPixel;
        const float tileH = float(picture.height()) * kCmPerScreenPixel;
        PaintTile(picture, left, top, std::min(width, tileW), std::min(height, tileH), tileW, tileH);
        return true;
    }
    const QImage block = TileBlock(picture);
    const float tileW = float(block.width()) * kCmPerScreenPixel;
    const float tileH = float(block.height()) * kCmPerScreenPixel;
    const float right = left + width, bottom = top + height;
    for (float x = left; x <= right; x += tileW) {
        for (float y = top; y <= bottom; y += tileH) {
            const float w = x + tileW >= right ? right - x : tileW;
            const float h = y + tileH >= bottom ? bottom - y : tileH;
            PaintTile(block, x, y, w, h, tileW, tileH);
            LetInterfaceRepaint();
        }
    }
    return true;
}

QFont cmAPIPrinter::FontFor(const PrintFont& font) const
{
    QFont f = ProgramFont(font.Name, font.Bold);
    f.setItalic(font.Italic);
    f.setStrikeOut(font.Strikethrough);
    f.setUnderline(font.Underline);
    const float points = font.Size * (m_toPrinter ? 1.0f : m_zoom);
    if (points > 0.0f) f.setPointSizeF(points);
    return f;
}

QString cmAPIPrinter::FittingText(const QString& text, const PrintFont& font, float width)
{
    if (!m_device) return text;
    // Widths in centimetres, with the font and narrowing the text is printed with; the font and
    // its measures are made once for the whole search.
    const QFont f = FontFor(font);
    const QFontMetricsF metrics(f, m_device);
    const qreal scale = FontNarrowing(f, font.Name) / m_toDevice.m11();
    const auto fits = [&](qsizetype length) {
        return float(metrics.horizontalAdvance(text.left(length)) * scale) <= width;
    };
    if (fits(text.size())) return text;
    qsizetype fitting = 0, tooLong = text.size();
    while (tooLong - fitting > 1) {
        const qsizetype middle = (fitting + tooLong) / 2;
        (fits(middle) ? fitting : tooLong) = middle;
    }
    return text.left(fitting);
}

bool cmAPIPrinter::cmOutput_PrintText(float x, float y, const QString& text, qint32 colour,
                                      const PrintFont& font, bool alignRight, bool centred, float boxWidth)
{
    if (!Run("cmOutput_PrintText", [&] { return RequireDocument(); })) return false;
    if (!m_painter.isActive() || text.isEmpty() || font.Size <= 0.0f) return true;
    const QFont f = FontFor(font);
    const QFontMetricsF metrics(f, m_device);
    const qreal narrowing = FontNarrowing(f, font.Name);
    const float textWidth = float(metrics.horizontalAdvance(text) * narrowing / m_toDevice.m11());
    float left = x;
    if (alignRight)
        left = x - textWidth;
    else if (centred && boxWidth != 0.0f)
        left = x + (boxWidth - textWidth) / 2.0f;

    // Text is laid out at the device's own resolution: the font keeps its size in points.
    const QPointF at = m_toDevice.map(QPointF(left, y));
    m_painter.save();
    m_painter.setTransform(QTransform::fromTranslate(at.x(), at.y()).scale(narrowing, 1));
    m_painter.setFont(f);
    m_painter.setPen(ToQColor(colour));
    m_painter.drawText(QPointF(0, metrics.ascent()), text);
    m_painter.restore();
    return true;
}
