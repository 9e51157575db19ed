#pragma once
// A camera-sized photograph (4000 x 3000, a sky gradient) for the picture benchmarks.

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

inline QImage CameraPicture()
{
    QImage picture(4000, 3000, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, Qt::darkBlue);
    sky.setColorAt(1, Qt::yellow);
    p.fillRect(picture.rect(), sky);
    return picture;
}
