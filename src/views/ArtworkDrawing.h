#pragma once
// How the program's pictures are drawn. The build runs this once (GenerateArtwork) and the
// program loads the results as resources (Artwork.h), so no start ever pays for the drawing.

#include <QImage>

// The emblem (a ring binder holding a month sheet) and the name, on a transparent background.
QImage DrawLogoPicture(qreal devicePixelRatio);

// The emblem alone, with sheets fanned out behind it as if being turned.
QImage DrawLoadingPicture(qreal devicePixelRatio);

// The splash picture for a display's colour depth (16, 256, or -1 for anything richer): the
// same drawing reduced to 16 or 256 colours where the display has no more.
// The rich one comes at a device pixel ratio as well, for dense screens.
QImage DrawSplashPicture(int colourDepth, qreal devicePixelRatio = 1);
