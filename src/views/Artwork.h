#pragma once
// The program's pictures: the logo shown while no document is open, the picture above the
// loading lines, and the splash picture. They are drawn at build time (ArtworkDrawing.h).

#include <QImage>

QImage LogoPicture(qreal devicePixelRatio = 1.0);
QImage LoadingPicture(qreal devicePixelRatio = 1.0);

// The splash picture for a display's colour depth: 16, 256, or -1 for anything richer.
QImage SplashPicture(int colourDepth, qreal devicePixelRatio = 1.0);
