#pragma once
// Where the arrange commands put the month windows inside the main window's work area.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Tiling for count windows. Horizontal tiling makes windows wider than tall: they are stacked
// in rows within about sqrt(count) columns; vertical tiling is the same turned a quarter, with
// windows side by side. Windows left over by an uneven split go to the last columns (rows).
QList<QRect> TileRects(int count, const QRect& area, bool horizontal);

// Minimised windows in a row along the bottom edge, left to right, wrapping upwards.
QList<QPoint> IconPositions(int count, const QRect& area, QSize iconSize);
