#include "dialogkit/MonthLayout.h"

#include "document/CalendarDocument.h"

namespace MonthLayout {

namespace {
int Column(int cell)
{
    return (cell - kFirstCell) % 7;
}
int Row(int cell)
{
    return (cell - kFirstCell) / 7;
}
} // namespace

int TwipsToPixels(int twips, double logicalDpi)
{
    const double dpi = logicalDpi > 0 ? logicalDpi : 1440.0 / kTwipsPerPixel;
    return int(twips * dpi / 1440.0 + 0.5);
}

QRect HeadingBox(int k)
{
    return QRect(kColumnStep * k, 0, 1455, 300);
}

QRect HeadingLabel(int k, bool showGrids)
{
    const QRect box = HeadingBox(k);
    return QRect(box.left(), box.top() + (showGrids ? 0 : 50), 1395, 210);
}

QRect CalendarArea()
{
    return QRect(0, kCalendarTop, kClientWidth, kCalendarHeight);
}

QRect DayLabel(int cell)
{
    return QRect(kColumnStep * Column(cell), kCalendarTop + kRowStep * Row(cell), 1455, 1215);
}

QRect LineLabel(int cell, int line)
{
    const QRect day = DayLabel(cell);
    return QRect(day.left() + 30, day.top() + 60 + 150 * line, 1395, 165);
}

int CellOfDay(int day, int firstWeekday)
{
    return day + firstWeekday + 5;
}

Hit HitTest(QPoint p)
{
    for (int cell = kLastCell; cell >= kFirstCell; --cell) {
        if (!DayLabel(cell).contains(p)) continue;
        for (int line = 6; line >= 0; --line)
            if (LineLabel(cell, line).contains(p)) return {cell, line};
        return {cell, -1};
    }
    return {};
}

} // namespace MonthLayout
