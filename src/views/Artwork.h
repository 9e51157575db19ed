#pragma once
// The program's pictures, drawn at run time: the logo shown while no document is open, the
// picture above the loading lines, and the splash picture.

#include <QImage>

// The emblem (a ring binder holding a month sheet) and the name, on a transparent background.
QImage LogoPicture(qreal devicePixelRatio = 1.0);

// The emblem alone, smaller, with sheets fanned out as if being turned.
QImage LoadingPicture(qreal devicePixelRatio = 1.0);

// The splash picture for a display's colour depth (16, 256, or -1 for anything richer): the
// same drawing reduced to 16 or 256 colours where the display has no more.
QImage SplashPicture(int colourDepth);
