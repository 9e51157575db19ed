#include "pictures/PictureView.h"

#include "dialogkit/EditorFrame.h"

#include <QEvent>
#include <QGridLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int kScrollSlack = 10; // a picture this much larger than the area needs no bar
constexpr int kScrollMargin = 6;

// Sets the bar for one axis and returns the picture's offset on it. current is the offset shown
// until now.
int PlaceOnAxis(QScrollBar* bar, int area, int picture, int current)
{
    const QSignalBlocker quiet(bar);
    if (picture <= area + kScrollSlack) {
        bar->setRange(0, 0);
        bar->setEnabled(false);
        return 0;
    }
    bar->setEnabled(true);
    bar->setRange(area - picture - kScrollMargin, 0);
    bar->setPageStep(std::max(1, area));
    bar->setSingleStep(std::max(1, area / 20));
    bar->setValue(bar->maximum() + bar->minimum() - current);
    return bar->maximum() + bar->minimum() - bar->value();
}

QWidget* BarHolder(QScrollBar* bar, const QString& name, QWidget* parent)
{
    auto* holder = Named(new QWidget(parent), name);
    auto* layout = new QGridLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    return holder;
}

} // namespace

PictureSurface::PictureSurface(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::SetImage(const QImage& image)
{
    m_image = image;
    resize(image.size());
    update();
}

void PictureSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, palette().window());
    if (!m_image.isNull()) painter.drawImage(exposed.topLeft(), m_image, exposed);
}

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    m_zone = Named(new QWidget(this), QStringLiteral("PicViewZone"));
    m_zone->setMinimumSize(320, 240);
    m_zone->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_zone->setBackgroundRole(QPalette::Dark);
    m_zone->setAutoFillBackground(true);
    m_zone->installEventFilter(this);
    m_surface = Named(new PictureSurface(m_zone), QStringLiteral("PicMain"));

    m_vBar = Named(new QScrollBar(Qt::Vertical, this), QStringLiteral("VScroll1"));
    m_hBar = Named(new QScrollBar(Qt::Horizontal, this), QStringLiteral("HScroll1"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(m_zone, 0, 0);
    grid->addWidget(BarHolder(m_vBar, QStringLiteral("PicVScroll"), this), 0, 1);
    grid->addWidget(BarHolder(m_hBar, QStringLiteral("PicHScroll"), this), 1, 0);
    connect(m_vBar, &QScrollBar::valueChanged, this, &PictureView::OnScroll);
    connect(m_hBar, &QScrollBar::valueChanged, this, &PictureView::OnScroll);
    LayOut();
}

void PictureView::ShowPicture(const QImage& picture)
{
    m_surface->SetImage(picture);
    m_surface->move(0, 0);
    LayOut();
}

void PictureView::LayOut()
{
    const int top = PlaceOnAxis(m_vBar, m_zone->height(), m_surface->height(), m_surface->y());
    const int left = PlaceOnAxis(m_hBar, m_zone->width(), m_surface->width(), m_surface->x());
    m_surface->move(left, top);
}

bool PictureView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_zone && event->type() == QEvent::Resize) LayOut();
    return QWidget::eventFilter(watched, event);
}

void PictureView::OnScroll()
{
    m_surface->move(m_hBar->maximum() + m_hBar->minimum() - m_hBar->value(),
                    m_vBar->maximum() + m_vBar->minimum() - m_vBar->value());
}
