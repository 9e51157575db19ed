#include "app/SplashWindow.h"

#include "platform/Display.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"
#include "views/Artwork.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_progress(new QProgressBar(this))
{
    setObjectName(QStringLiteral("FrmSplash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ImgSplash"));
    picture->setPixmap(QPixmap::fromImage(SplashPicture(ColourDepth(), devicePixelRatioF())));
    layout->addWidget(picture);
    auto* text = new QLabel(Str(101), this);
    text->setObjectName(QStringLiteral("LblSplash"));
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    m_progress->setObjectName(QStringLiteral("PrgSplash"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(12, 0, 12, 0);
    bar->addWidget(m_progress);
    layout->addLayout(bar);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_sinceDrawn.start();
}

void SplashWindow::SetProgress(int value)
{
    m_value = value;
    // The bar draws itself at once on each new value (no event loop runs during start-up), and
    // a drawing costs more than a month window: it moves as often as an eye could follow, so a
    // fast start draws it not at all and a slow one still shows it advance.
    constexpr qint64 kFrameMs = 40;
    if (m_sinceDrawn.elapsed() < kFrameMs) return;
    m_progress->setValue(value);
    m_sinceDrawn.restart();
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(238, 242, 247));
    p.setPen(QColor(90, 106, 128));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

int SplashWindow::Progress() const
{
    return m_value;
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(QStringLiteral("Html\\d_splash.htm"));
        return;
    }
    QWidget::keyPressEvent(event);
}
