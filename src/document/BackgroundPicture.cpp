#include "document/BackgroundPicture.h"

#include <QPainter>

void PaintBackgroundPicture(QPainter& painter, const QRect& area, const QImage& picture, qint32 mode)
{
    if (picture.isNull()) return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    if (mode == 1) {
        painter.drawImage(area, picture); // no smoothing: the pixels are copied as they are
    } else if (mode == 2) {
        // Columns outer, rows inner, until the picture passes the area's edge.
        for (int x = 0; x <= area.width(); x += picture.width())
            for (int y = 0; y <= area.height(); y += picture.height())
                painter.drawImage(area.topLeft() + QPoint(x, y), picture);
    } else {
        painter.drawImage(area.topLeft(), picture);
    }
    painter.restore();
}
