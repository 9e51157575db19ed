#pragma once
// How a background picture covers an area: stretched over it (mode 1), tiled from its top-left
// corner (mode 2), or drawn once at its natural size from its top-left corner (mode 0, and any
// other), alike in the month grid, the printed page and the properties' sample.

#include <QImage>
#include <QRect>

class QPainter;

void PaintBackgroundPicture(QPainter& painter, const QRect& area, const QImage& picture, qint32 mode);
