#include "views/WindowArrangement.h"

#include <algorithm>
#include <cmath>

namespace {

// count windows in `lanes` lanes; the first lanes take count / lanes windows each, the last
// (count % lanes) lanes one more.
int WindowsInLane(int lane, int lanes, int count)
{
    const int base = count / lanes;
    const int extra = count % lanes;
    return base + (lane >= lanes - extra ? 1 : 0);
}

// Splits length into n parts that cover it exactly.
int Edge(int start, int length, int i, int n)
{
    return start + int(qint64(length) * i / n);
}

} // namespace

QList<QRect> TileRects(int count, const QRect& area, bool horizontal)
{
    QList<QRect> rects;
    if (count <= 0 || area.isEmpty()) return rects;
    const int lanes = std::max(1, int(std::sqrt(double(count))));
    for (int lane = 0; lane < lanes; ++lane) {
        const int n = WindowsInLane(lane, lanes, count);
        for (int i = 0; i < n; ++i) {
            if (horizontal) {
                // lanes are columns; windows stacked top to bottom in each
                const int l = Edge(area.left(), area.width(), lane, lanes);
                const int r = Edge(area.left(), area.width(), lane + 1, lanes);
                const int t = Edge(area.top(), area.height(), i, n);
                const int b = Edge(area.top(), area.height(), i + 1, n);
                rects.append(QRect(QPoint(l, t), QPoint(r - 1, b - 1)));
            } else {
                const int t = Edge(area.top(), area.height(), lane, lanes);
                const int b = Edge(area.top(), area.height(), lane + 1, lanes);
                const int l = Edge(area.left(), area.width(), i, n);
                const int r = Edge(area.left(), area.width(), i + 1, n);
                rects.append(QRect(QPoint(l, t), QPoint(r - 1, b - 1)));
            }
        }
    }
    return rects;
}

QList<QPoint> IconPositions(int count, const QRect& area, QSize iconSize)
{
    QList<QPoint> points;
    if (count <= 0 || iconSize.isEmpty()) return points;
    const int perRow = std::max(1, area.width() / iconSize.width());
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int column = i % perRow;
        points.append(QPoint(area.left() + column * iconSize.width(),
                             area.top() + area.height() - (row + 1) * iconSize.height()));
    }
    return points;
}
