#include "views/Icons.h"

#include "views/CommandRules.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Icons are drawn on a 32 x 32 design grid and rendered at each size.
using Drawing = std::function<void(QPainter&)>;

const QColor kInk(40, 48, 64);
const QColor kPaper(252, 252, 248);
const QColor kAccent(200, 50, 40);
const QColor kBlue(40, 100, 190);

// Draws on demand at the size asked for, so that nothing is rendered before it is shown.
class DrawnIconEngine : public QIconEngine
{
public:
    explicit DrawnIconEngine(Drawing draw) : m_draw(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(size.width(), size.height()));
        const quint64 key = (quint64(side) << 8) | quint64(mode);
        if (const auto it = m_cache.constFind(key); it != m_cache.constEnd()) return *it;
        QPixmap pm;
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            const QPixmap normal = pixmap(size, QIcon::Normal, QIcon::Off);
            QStyleOption option;
            option.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(mode, normal, &option);
        } else {
            pm = QPixmap(side, side);
            pm.fill(Qt::transparent);
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(side / 32.0, side / 32.0);
            m_draw(p);
        }
        m_cache.insert(key, pm);
        return pm;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(m_draw); }

private:
    Drawing m_draw;
    QHash<quint64, QPixmap> m_cache;
};

QIcon Render(const Drawing& draw)
{
    return QIcon(new DrawnIconEngine(draw));
}

void Page(QPainter& p, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 7, r.top());
    path.lineTo(r.right(), r.top() + 7);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 7, r.top()), QPointF(r.right() - 7, r.top() + 7));
    p.drawLine(QPointF(r.right() - 7, r.top() + 7), QPointF(r.right(), r.top() + 7));
}

void Lines(QPainter& p, double left, double top, double width, int count)
{
    p.setPen(QPen(kInk.lighter(180), 1.4));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + 4 * i), QPointF(left + width, top + 4 * i));
}

// Digits drawn as strokes on a 4 x 6 grid: crisp at 16 pixels and no font to load.
QPainterPath DigitPath(QChar digit)
{
    // clang-format off
    static const std::vector<std::vector<QPointF>> strokes[10] = {
        {{{2, 0}, {0.7, 0.5}, {0, 2}, {0, 4}, {0.7, 5.5}, {2, 6}, {3.3, 5.5}, {4, 4}, {4, 2}, {3.3, 0.5}, {2, 0}}},
        {{{0.8, 1.3}, {2.3, 0}, {2.3, 6}}},
        {{{0.1, 1.3}, {0.8, 0.3}, {2, 0}, {3.2, 0.3}, {3.9, 1.4}, {3.5, 2.7}, {0, 6}, {4, 6}}},
        {{{0.2, 0}, {3.8, 0}, {1.8, 2.4}, {3.2, 2.8}, {4, 4.1}, {3.4, 5.6}, {2, 6}, {0.7, 5.7}, {0, 5}}},
        {{{3, 6}, {3, 0}, {0, 4.3}, {4, 4.3}}},
        {{{3.8, 0}, {0.6, 0}, {0.3, 2.7}, {1.8, 2.3}, {3.3, 2.7}, {4, 4.1}, {3.4, 5.6}, {2, 6}, {0.7, 5.7},
          {0, 5}}},
        {{{3.5, 0.3}, {2.2, 0}, {0.8, 0.6}, {0.1, 2.3}, {0, 4.1}, {0.6, 5.6}, {2, 6}, {3.4, 5.6}, {4, 4.2},
          {3.4, 2.9}, {2, 2.5}, {0.6, 3}, {0.05, 4}}},
        {{{0, 0}, {4, 0}, {1.4, 6}}},
        {{{2, 2.8}, {0.6, 2.3}, {0.3, 1.2}, {1, 0.2}, {2, 0}, {3, 0.2}, {3.7, 1.2}, {3.4, 2.3}, {2, 2.8},
          {0.5, 3.4}, {0, 4.5}, {0.7, 5.7}, {2, 6}, {3.3, 5.7}, {4, 4.5}, {3.5, 3.4}, {2, 2.8}}},
        {{{0.5, 5.7}, {1.8, 6}, {3.2, 5.4}, {3.9, 3.7}, {4, 1.9}, {3.4, 0.4}, {2, 0}, {0.6, 0.4}, {0, 1.8},
          {0.6, 3.1}, {2, 3.5}, {3.4, 3}, {3.95, 2}}},
    };
    // clang-format on
    QPainterPath path;
    if (!digit.isDigit()) return path;
    for (const std::vector<QPointF>& stroke : strokes[digit.digitValue()]) {
        path.moveTo(stroke.front());
        for (size_t i = 1; i < stroke.size(); ++i) path.lineTo(stroke[i]);
    }
    return path;
}

// Digits centred in a box, each 4 x 6 grid units with one unit between them.
void PaintDigits(QPainter& p, const QRectF& box, const QString& digits, const QColor& ink)
{
    const double unit = box.height() / 6.0;
    const double width = (digits.size() * 5 - 1) * unit;
    p.save();
    p.translate(box.center().x() - width / 2, box.top());
    p.scale(unit, unit);
    p.setPen(QPen(ink, 1.15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < digits.size(); ++i) p.drawPath(DigitPath(digits[i]).translated(5.0 * i, 0));
    p.restore();
}

void CalendarSheet(QPainter& p, const QString& label)
{
    const QRectF r(4, 5, 24, 23);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 2.5, 2.5);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(4, 5, 24, 7), 2.5, 2.5);
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 3), QPointF(10, 8));
    p.drawLine(QPointF(22, 3), QPointF(22, 8));
    if (!label.isEmpty()) PaintDigits(p, QRectF(5, 14.5, 22, 10.5), label, kInk);
}

void Window(QPainter& p, QRectF r)
{
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.setBrush(kBlue);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 3.5));
}

Drawing DrawingFor(const QString& key)
{
    if (const int m = MonthOfKey(key)) return [m](QPainter& p) { CalendarSheet(p, QString::number(m)); };
    if (key == u"New")
        return [](QPainter& p) {
            Page(p, QRectF(7, 3, 18, 26));
            p.setPen(QPen(kAccent, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(22, 20), QPointF(22, 28));
            p.drawLine(QPointF(18, 24), QPointF(26, 24));
        };
    if (key == u"Open")
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 1.6));
            p.setBrush(QColor(230, 180, 70));
            p.drawRect(QRectF(3, 8, 24, 18));
            p.setBrush(QColor(250, 210, 110));
            QPolygonF flap({QPointF(7, 14), QPointF(30, 14), QPointF(26, 26), QPointF(3, 26)});
            p.drawPolygon(flap);
        };
    if (key == u"Save")
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 1.6));
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 4, 14, 9));
            p.setBrush(QColor(220, 225, 235));
            p.drawRect(QRectF(8, 18, 16, 10));
        };
    if (key == u"Undo" || key == u"Redo")
        return [redo = key == u"Redo"](QPainter& p) {
            if (redo) { // the same arrow, turning the other way
                p.translate(32, 0);
                p.scale(-1, 1);
            }
            QPainterPath arc; // from the lower right, round and back to the left
            arc.moveTo(24, 27);
            arc.cubicTo(31, 21, 29, 9, 18, 9.5);
            arc.lineTo(12, 9.5);
            p.setPen(QPen(kInk, 6.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(arc);
            p.setPen(QPen(kBlue, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(arc);
            p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(kBlue);
            p.drawPolygon(QPolygonF({QPointF(2.5, 9.5), QPointF(13, 2), QPointF(13, 17)}));
        };
    if (key == u"Preview")
        return [](QPainter& p) {
            Page(p, QRectF(4, 3, 18, 24));
            Lines(p, 7, 11, 10, 3);
            p.setPen(QPen(kInk, 2));
            p.setBrush(QColor(200, 225, 255, 200));
            p.drawEllipse(QPointF(19, 19), 6, 6);
            p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(23.5, 23.5), QPointF(29, 29));
        };
    if (key == u"Print")
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 1.6));
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 3, 14, 9));
            p.setBrush(QColor(150, 160, 175));
            p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 19, 14, 10));
            Lines(p, 11, 23, 10, 2);
        };
    if (key == u"Prop")
        return [](QPainter& p) {
            CalendarSheet(p, QString());
            p.setPen(QPen(kBlue, 2.4, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(9, 16 + 4 * i), QPointF(23, 16 + 4 * i));
        };
    if (key == u"Options")
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(5, 8 + 8 * i), QPointF(27, 8 + 8 * i));
            p.setBrush(kAccent);
            const double knobs[] = {20, 10, 16};
            for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(knobs[i], 8 + 8 * i), 3.2, 3.2);
        };
    if (key == u"HTile")
        return [](QPainter& p) {
            Window(p, QRectF(4, 4, 24, 11));
            Window(p, QRectF(4, 17, 24, 11));
        };
    if (key == u"VTile")
        return [](QPainter& p) {
            Window(p, QRectF(4, 4, 11, 24));
            Window(p, QRectF(17, 4, 11, 24));
        };
    if (key == u"Cascade")
        return [](QPainter& p) {
            Window(p, QRectF(3, 3, 17, 14));
            Window(p, QRectF(8, 9, 17, 14));
            Window(p, QRectF(13, 15, 16, 14));
        };
    if (key == u"AIcons")
        return [](QPainter& p) {
            for (int i = 0; i < 3; ++i) Window(p, QRectF(3 + 9.5 * i, 22, 7.5, 6));
            p.setPen(QPen(kInk.lighter(200), 1.4, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(5, 4, 22, 13));
        };
    if (key == u"Help")
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 1.4));
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(3, 3, 26, 26));
            QPainterPath mark; // a question mark: hook, stem and dot
            mark.moveTo(11.5, 12.5);
            mark.cubicTo(11.5, 7.5, 20.5, 7.5, 20.5, 12);
            mark.cubicTo(20.5, 15, 16, 15.5, 16, 19);
            p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(mark);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(16, 23.8), 2, 2);
        };
    return [](QPainter&) {};
}

} // namespace

QIcon ToolbarIcon(const QString& key)
{
    // Drawn once per key: the commands tab asks again at every refresh.
    static QHash<QString, QIcon> cache;
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.insert(key, Render(DrawingFor(key)));
    return *it;
}

QIcon MonthIcon(int month)
{
    return ToolbarIcon(MonthKey(month));
}

QIcon ProgramIcon()
{
    return Render([](QPainter& p) { CalendarSheet(p, QStringLiteral("31")); });
}
