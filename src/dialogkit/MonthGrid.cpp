#include "dialogkit/MonthGrid.h"

#include "dialogkit/Fonts.h"
#include "dialogkit/MonthGridAccessible.h"
#include "document/BackgroundPicture.h"
#include "document/ColourValue.h"
#include "document/DateText.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>

using namespace MonthLayout;

namespace {

// Sizes are given in points at 96 dots per inch and scale with the grid like everything else.
QFont GridFont(const QString& name, double points, bool bold, double scale)
{
    QFont f = ProgramFont(name, bold);
    f.setPixelSize(std::max(1, int(points * 96.0 / 72.0 * scale + 0.5)));
    return f;
}

} // namespace

MonthGrid::MonthGrid(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(MonthGridAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(sizeHint());
}

QSize MonthGrid::sizeHint() const
{
    return QSize(TwipsToPixels(kClientWidth, logicalDpiX()), TwipsToPixels(kClientHeight, logicalDpiY()));
}

QSize MonthGrid::minimumSizeHint() const
{
    return QSize(140, 100);
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
    const int old = m_borderCell;
    m_borderCell = cell;
    m_borderLine = line;
    if (ValidCell(old)) UpdateCell(old);
    if (ValidCell(cell)) UpdateCell(cell);
}

void MonthGrid::UpdateCell(int cell)
{
    if (ValidCell(cell)) update(ToPixels(DayLabel(cell)).adjusted(-1, -1, 1, 1));
}

void MonthGrid::SetCellLines(int cell, const std::array<CellLine, kCellLines>& lines)
{
    if (!ValidCell(cell)) return;
    std::array<CellLine, kCellLines>& shown = Cell(cell).Lines;
    const bool renamed = !std::equal(shown.cbegin(), shown.cend(), lines.cbegin(),
                                     [](const CellLine& a, const CellLine& b) { return a.Text == b.Text; });
    shown = lines;
    UpdateCell(cell);
    if (!renamed) return;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    event.setChild(cell - kFirstCell);
    Announce(&event);
}

void MonthGrid::SetCurrentCell(int cell)
{
    const int cleaned = ValidCell(cell) ? cell : 0;
    if (cleaned == m_currentCell) return;
    const int old = m_currentCell;
    m_currentCell = cleaned;
    UpdateCell(old);
    UpdateCell(cleaned);
    AnnounceCurrentCell();
}

QString MonthGrid::CellName(int cell) const
{
    if (!ValidCell(cell) || Cell(cell).Day.isEmpty()) return QString();
    QStringList lines;
    for (const CellLine& line : Cell(cell).Lines)
        if (!line.Text.isEmpty()) lines.append(line.Text.simplified()); // names are padded to a column
    const GridCell& c = Cell(cell);
    const QString date = c.Date.Day ? SpokenDateText(c.Date) : c.Day; // a sample grid has no dates
    return lines.isEmpty() ? date : date + QStringLiteral(" : ") + lines.join(QStringLiteral(", "));
}

void MonthGrid::AnnounceCurrentCell()
{
    if (!m_currentCell) return;
    const int child = m_currentCell - kFirstCell;
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(child);
    Announce(&selection);
    if (!hasFocus()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(child);
    Announce(&focus);
}

void MonthGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    UpdateCell(m_currentCell);
    AnnounceCurrentCell();
}

void MonthGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    UpdateCell(m_currentCell);
}

void MonthGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const double scale =
        std::min(double(width()) / kClientWidth, double(height()) / kClientHeight) * kTwipsPerPixel;
    m_headingFont = GridFont(QStringLiteral("Arial"), 8.25, true, scale);
    m_dayFont = GridFont(QStringLiteral("Desdemona"), 48, false, scale);
    m_lineFont = GridFont(QStringLiteral("Arial"), 6.75, false, scale);
}

void MonthGrid::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    const QRect area = ToPixels(CalendarArea());
    p.fillRect(dirty, palette().window());
    if (!Picture.isNull()) p.drawImage(area, Picture);

    // Later cells lie over earlier ones where neighbours share their border line.
    for (int cell = kFirstCell; cell <= kLastCell; ++cell)
        if (ToPixels(DayLabel(cell)).intersects(dirty)) PaintCell(p, cell);
    if (dirty.top() < ToPixels(HeadingBox(0)).bottom() + 1) PaintHeadings(p);
}

void MonthGrid::PaintHeadings(QPainter& p)
{
    p.setFont(m_headingFont);
    for (int k = 0; k < 7; ++k) {
        const QRect box = ToPixels(HeadingBox(k));
        p.fillRect(box, ToQColor(HeadingBack));
        if (ShowGrids) {
            p.setPen(Qt::black);
            p.drawRect(box.adjusted(0, 0, -1, -1));
        }
        p.setPen(ToQColor(HeadingText));
        p.drawText(ToPixels(HeadingLabel(k, ShowGrids)), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                   Headings[size_t(k)]);
    }
}

void MonthGrid::PaintCell(QPainter& p, int cell)
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
        p.setFont(m_dayFont);
        p.drawText(box, Qt::AlignCenter, c.Day);
    }
    QFont lineFont = m_lineFont;
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
        QRect text = r.adjusted(1, 0, 0, 0);
        if (line.Picture) text.setRight(PaintPictureMark(p, r) - 2);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line.Text);
    }
    if (cell == m_currentCell && hasFocus()) PaintFocusFrame(p, box);
}

// A dashed frame inside the cell's border, black or white against the cell's colour, so that it
// shows on any background the month chose.
void MonthGrid::PaintFocusFrame(QPainter& p, const QRect& box)
{
    const int width = std::max(2, box.width() / 48);
    const bool dark = qGray(ToQColor(Cell(m_currentCell).Back).rgb()) < 128;
    QPen pen(dark ? Qt::white : Qt::black, width, Qt::DashLine);
    p.save();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(width + 1, width + 1, -width - 2, -width - 2));
    p.restore();
}

// A small framed landscape at the right end of a line whose entry has a picture, in the line's
// colour; returns its left edge.
int MonthGrid::PaintPictureMark(QPainter& p, const QRect& line)
{
    const int h = std::max(4, line.height() - 4);
    const QRect frame(line.right() - h * 4 / 3 - 1, line.top() + (line.height() - h) / 2, h * 4 / 3, h);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.setBrush(p.pen().color());
    const QPointF hill[3] = {QPointF(frame.left() + 1, frame.bottom()),
                             QPointF(frame.center().x(), frame.top() + h / 3.0),
                             QPointF(frame.right(), frame.bottom())};
    p.drawPolygon(hill, 3);
    p.restore();
    return frame.left();
}

void MonthGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const Hit hit = HitTest(ToTwips(event->position().toPoint()));
    if (hit.Cell) emit CellReleased(hit.Cell, hit.Line, event->button(), event->globalPosition().toPoint());
}

QImage CalendarAreaPicture(const QImage& picture, qint32 mode, const QRect& target, qreal devicePixelRatio)
{
    const QRect area = MonthLayout::CalendarArea();
    const QSize size(area.width() / MonthLayout::kTwipsPerPixel, area.height() / MonthLayout::kTwipsPerPixel);
    const qreal ratio = std::max<qreal>(1, devicePixelRatio);
    QImage surface(QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio)),
                   QImage::Format_ARGB32_Premultiplied);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::transparent);
    QPainter p(&surface);
    PaintBackgroundPicture(p, target.isNull() ? QRect(QPoint(), size) : target, picture, mode);
    return surface;
}
