#include "views/LogoViews.h"

#include "views/Artwork.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

LogoView::LogoView(QWidget* parent) : QWidget(parent), m_picture(LogoPicture(devicePixelRatioF()))
{
    setObjectName(QStringLiteral("PicLogo"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

namespace {

// A light backdrop behind the pictures, so the logo does not sit on the bare work area.
void PaintBackdrop(QWidget* w)
{
    QPainter p(w);
    QLinearGradient back(0, 0, 0, w->height());
    back.setColorAt(0, QColor(238, 242, 247));
    back.setColorAt(1, QColor(208, 219, 232));
    p.fillRect(w->rect(), back);
}

} // namespace

void LogoView::paintEvent(QPaintEvent*)
{
    PaintBackdrop(this);
    QPainter p(this);
    const QSizeF size = m_picture.deviceIndependentSize();
    // Centred in the area; a narrow window shows the picture scaled down rather than cut.
    const qreal scale = std::min({1.0, width() / size.width(), height() / size.height()});
    const QSizeF shown = size * scale;
    const QRectF target(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, m_picture);
}

LoadingView::LoadingView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PicLoading"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    m_picture = new QLabel(this);
    m_picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_picture);
    for (int i = 0; i < 2; ++i) {
        auto* line = new QLabel(this);
        line->setObjectName(QStringLiteral("LblLoading%1").arg(i));
        line->setAlignment(Qt::AlignCenter);
        if (i == 0) {
            QFont f = line->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.15);
            line->setFont(f);
        }
        m_lines[size_t(i)] = line;
        layout->addWidget(line);
    }
    layout->addStretch(1);
}

void LoadingView::paintEvent(QPaintEvent*)
{
    PaintBackdrop(this);
}

void LoadingView::showEvent(QShowEvent* event)
{
    // Drawn the first time a document loads, not at every start.
    if (m_picture->pixmap().isNull())
        m_picture->setPixmap(QPixmap::fromImage(LoadingPicture(devicePixelRatioF())));
    QWidget::showEvent(event);
}

void LoadingView::SetLine(int line, const QString& text)
{
    if (line == 0 || line == 1) m_lines[size_t(line)]->setText(text);
}
