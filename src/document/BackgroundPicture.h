#pragma once
// How a background picture covers an area: stretched over it (mode 1), tiled from its top-left
// corner (mode 2), or drawn once at its natural size (mode 0, where the printed page and the
// properties preview show it; the month grid draws nothing then).

#include <QImage>
#include <QRect>

class QPainter;

void PaintBackgroundPicture(QPainter& painter, const QRect& area, const QImage& picture, qint32 mode);
