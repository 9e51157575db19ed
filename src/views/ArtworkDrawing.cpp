#include "views/ArtworkDrawing.h"

#include "document/Session.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kCover(31, 58, 95);
const QColor kCoverLight(52, 96, 150);
const QColor kSheet(252, 251, 246);
const QColor kHeading(20, 24, 32);
const QColor kSelected(255, 0, 255); // the grid's default selected-cell colour
const QColor kToday(230, 180, 0);
const QColor kRing(200, 205, 214);

// The emblem on a 200 x 200 design grid.
void PaintEmblem(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    // cover
    QLinearGradient cover(0, 0, 200, 200);
    cover.setColorAt(0, kCoverLight);
    cover.setColorAt(1, kCover);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(QRectF(14, 16, 180, 180), 16, 16); // shadow
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(8, 8, 180, 180), 16, 16);

    // the month sheet
    const QRectF sheet(40, 24, 136, 148);
    p.setBrush(kSheet);
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.drawRoundedRect(sheet, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kHeading);
    p.drawRect(QRectF(sheet.left(), sheet.top() + 14, sheet.width(), 12));
    const double cellW = sheet.width() / 7.0;
    const double cellH = (sheet.height() - 30) / 5.0;
    p.setPen(QPen(QColor(150, 150, 150), 0.8));
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 7; ++c) {
            const QRectF cell(sheet.left() + c * cellW, sheet.top() + 28 + r * cellH, cellW, cellH);
            const int index = r * 7 + c;
            p.setBrush(index == 17 ? kSelected : kSheet);
            p.drawRect(cell);
            if (index == 10) {
                p.setBrush(kToday);
                p.drawEllipse(cell.center(), cellW * 0.22, cellW * 0.22);
            }
            // entry lines in the grid's income, expense and event colours
            if (index == 3 || index == 22 || index == 26) {
                const QColor ink = index == 3    ? QColor(0, 0, 255)
                                   : index == 22 ? QColor(255, 0, 0)
                                                 : Qt::black;
                p.setPen(QPen(ink, 1.6));
                p.drawLine(QPointF(cell.left() + 3, cell.top() + 6),
                           QPointF(cell.right() - 3, cell.top() + 6));
                p.drawLine(QPointF(cell.left() + 3, cell.top() + 10),
                           QPointF(cell.right() - 6, cell.top() + 10));
                p.setPen(QPen(QColor(150, 150, 150), 0.8));
            }
        }
    }

    // rings along the spine
    for (int i = 0; i < 4; ++i) {
        const double y = 44 + i * 36;
        p.setPen(QPen(QColor(20, 30, 45), 2.2));
        p.setBrush(kRing);
        p.drawRoundedRect(QRectF(22, y, 30, 10), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 140));
        p.drawRoundedRect(QRectF(26, y + 2, 20, 3), 1.5, 1.5);
    }
}

QImage Canvas(QSizeF size, qreal ratio)
{
    QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

void PaintWordmark(QPainter& p, const QRectF& r)
{
    QFont name(QStringLiteral("DejaVu Serif"));
    name.setBold(true);
    // As large as fits: the serif face that is installed decides the width.
    for (int px = int(r.height() * 0.42); px > 8; --px) {
        name.setPixelSize(px);
        if (QFontMetricsF(name).horizontalAdvance(QStringLiteral("Daybinder")) <= r.width() - 4) break;
    }
    p.setFont(name);
    p.setPen(kCover);
    p.drawText(r.adjusted(0, 0, 0, -r.height() * 0.40), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Daybinder"));
    QFont version(QStringLiteral("DejaVu Sans"));
    version.setPixelSize(int(r.height() * 0.16));
    p.setFont(version);
    p.setPen(QColor(90, 100, 115));
    p.drawText(r.adjusted(4, r.height() * 0.64, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("version ") + Session::FileVersion);
}

// A fixed palette of the 16 standard display colours.
QList<QRgb> SixteenColours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

} // namespace

QImage DrawLogoPicture(qreal ratio)
{
    const QSizeF size(560, 220);
    QImage image = Canvas(size, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.save();
    p.translate(10, 10);
    PaintEmblem(p);
    p.restore();
    PaintWordmark(p, QRectF(230, 40, 330, 140));
    return image;
}

QImage DrawLoadingPicture(qreal ratio)
{
    const QSizeF size(180, 180);
    QImage image = Canvas(size, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(0.85, 0.85);
    p.translate(10, 6);
    // sheets being turned behind the binder
    for (int i = 2; i >= 1; --i) {
        p.save();
        p.translate(100, 100);
        p.rotate(8.0 * i);
        p.translate(-100, -100);
        p.setPen(QPen(QColor(0, 0, 0, 50), 1));
        p.setBrush(QColor(240, 240, 235));
        p.drawRoundedRect(QRectF(48, 24, 136, 148), 4, 4);
        p.restore();
    }
    PaintEmblem(p);
    return image;
}

QImage DrawSplashPicture(int colourDepth, qreal ratio)
{
    const QSizeF size(440, 200);
    QImage image((size * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QLinearGradient back(0, 0, 0, size.height());
    back.setColorAt(0, QColor(236, 241, 247));
    back.setColorAt(1, QColor(206, 218, 232));
    QPainter p(&image);
    p.fillRect(QRectF(QPointF(), size), back);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.translate(14, 14);
    p.scale(0.86, 0.86);
    PaintEmblem(p);
    p.restore();
    PaintWordmark(p, QRectF(200, 36, 240, 110));
    p.end();
    if (colourDepth == 16)
        return image.convertToFormat(QImage::Format_Indexed8, SixteenColours(), Qt::OrderedDither);
    if (colourDepth == 256) return image.convertToFormat(QImage::Format_Indexed8, Qt::OrderedDither);
    return image;
}
