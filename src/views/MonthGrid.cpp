#include "views/MonthGrid.h"

#include "document/ColourValue.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

using namespace MonthLayout;

namespace {

QFont GridFont(const QStringList& families, double points, bool bold, double scale)
{
    QFont f;
    f.setFamilies(families);
    f.setStyleHint(QFont::SansSerif);
    // Sizes are given for 96 dpi; scale them with the window like the rest of the grid.
    f.setPixelSize(std::max(1, int(points * 96.0 / 72.0 * scale + 0.5)));
    f.setBold(bold);
    return f;
}

} // namespace

MonthGrid::MonthGrid(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize MonthGrid::sizeHint() const
{
    return QSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
}

QRect MonthGrid::ToPixels(const QRect& t) const
{
    const double sx = double(width()) / kClientWidth;
    const double sy = double(height()) / kClientHeight;
    const int l = int(t.left() * sx), tp = int(t.top() * sy);
    const int r = int((t.left() + t.width()) * sx), b = int((t.top() + t.height()) * sy);
    return QRect(l, tp, std::max(1, r - l), std::max(1, b - tp));
}

QPoint MonthGrid::ToTwips(QPoint p) const
{
    return QPoint(int(p.x() * double(kClientWidth) / std::max(1, width())),
                  int(p.y() * double(kClientHeight) / std::max(1, height())));
}

void MonthGrid::SetBorderedLine(int cell, int line)
{
    m_borderCell = cell;
    m_borderLine = line;
    update();
}

void MonthGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const double scale = std::min(double(width()) / kClientWidth, double(height()) / kClientHeight) * kTwipsPerPixel;

    const QRect area = ToPixels(CalendarArea());
    p.fillRect(rect(), palette().window());
    if (!Picture.isNull()) {
        p.drawImage(area, Picture);
    }

    const QFont headingFont = GridFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, 8.25, true, scale);
    for (int k = 0; k < 7; ++k) {
        const QRect box = ToPixels(HeadingBox(k));
        p.fillRect(box, ToQColor(HeadingBack));
        if (ShowGrids) {
            p.setPen(Qt::black);
            p.drawRect(box.adjusted(0, 0, -1, -1));
        }
        p.setPen(ToQColor(HeadingText));
        p.setFont(headingFont);
        p.drawText(ToPixels(HeadingLabel(k, ShowGrids)), Qt::AlignHCenter | Qt::AlignTop, Headings[size_t(k)]);
    }

    for (int cell = kFirstCell; cell <= kLastCell; ++cell) PaintCell(p, cell, scale);
}

void MonthGrid::PaintCell(QPainter& p, int cell, double scale)
{
    const GridCell& c = Cell(cell);
    const QRect box = ToPixels(DayLabel(cell));
    if (c.Opaque) p.fillRect(box, ToQColor(c.Back));
    if (ShowGrids) {
        p.setPen(Qt::black);
        p.drawRect(box.adjusted(0, 0, -1, -1));
    }
    if (!c.Day.isEmpty()) {
        p.setPen(ToQColor(c.DayColour));
        p.setFont(GridFont({QStringLiteral("Desdemona"), QStringLiteral("DejaVu Serif")}, 48, false, scale));
        p.drawText(box, Qt::AlignCenter, c.Day);
    }
    QFont lineFont = GridFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, 6.75, false, scale);
    for (int n = 0; n < kCellLines; ++n) {
        const CellLine& line = c.Lines[size_t(n)];
        const QRect r = ToPixels(LineLabel(cell, n));
        if (cell == m_borderCell && n == m_borderLine) {
            p.setPen(Qt::black);
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
        if (line.Text.isEmpty()) continue;
        lineFont.setStrikeOut(line.Strike);
        p.setFont(lineFont);
        p.setPen(ToQColor(line.Colour));
        p.drawText(r.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line.Text);
    }
}

void MonthGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const Hit hit = HitTest(ToTwips(event->position().toPoint()));
    if (hit.Cell) emit CellReleased(hit.Cell, hit.Line, event->button(), event->globalPosition().toPoint());
}

void MonthGrid::mouseMoveEvent(QMouseEvent*)
{
    emit PointerMoved();
}
