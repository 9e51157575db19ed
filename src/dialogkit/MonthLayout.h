#pragma once
// Geometry of a month window in twips (1/1440 inch; 15 twips = 1 pixel at 96 dpi), and which
// cell and line a point falls on.

#include <QPoint>
#include <QRect>

namespace MonthLayout {

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 10095;
constexpr int kClientHeight = 7485;
constexpr int kCalendarTop = 280;
constexpr int kCalendarHeight = 7215;
constexpr int kColumnStep = 1440;
constexpr int kRowStep = 1200;

// Pixels for a length in twips on a screen of the given logical density: 15 twips a pixel at
// 96 dpi, fewer where the desktop asks for larger text.
int TwipsToPixels(int twips, double logicalDpi);

// Heading box k (0 = Sunday) and its label, in client twips.
QRect HeadingBox(int k);
QRect HeadingLabel(int k, bool showGrids);

// Calendar area, day label of a cell and line n of a cell, in client twips.
QRect CalendarArea();
QRect DayLabel(int cell);
QRect LineLabel(int cell, int line);

// The cell holding day d of a month whose first day falls on firstWeekday (1 = Sunday).
int CellOfDay(int day, int firstWeekday);

struct Hit
{
    int Cell = 0;  // 0 when the point is on no cell
    int Line = -1; // -1 on the day label itself
};

// Later labels lie over earlier ones where neighbours overlap, as they are drawn.
Hit HitTest(QPoint twips);

} // namespace MonthLayout
