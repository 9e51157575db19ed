#include "views/Icons.h"

#include "views/CommandRules.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

// Icons are drawn on a 32 x 32 design grid and rendered at each size.
using Drawing = std::function<void(QPainter&)>;

const QColor kInk(40, 48, 64);
const QColor kPaper(252, 252, 248);
const QColor kAccent(200, 50, 40);
const QColor kBlue(40, 100, 190);

QIcon Render(const Drawing& draw)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
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
    for (int i = 0; i < count; ++i) p.drawLine(QPointF(left, top + 4 * i), QPointF(left + width, top + 4 * i));
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
    QFont f;
    f.setBold(true);
    f.setPixelSize(label.size() > 1 ? 12 : 14);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QRectF(4, 12, 24, 16), Qt::AlignCenter, label);
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
            QFont f;
            f.setBold(true);
            f.setPixelSize(20);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
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
