#include "views/NavigationPanel.h"

#include "dialogkit/MonthLayout.h"
#include "resources/Strings.h"
#include "views/TabPage.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QVariantAnimation>

NavigationTabBar::NavigationTabBar(QWidget* parent) : QTabBar(parent)
{
    setObjectName(QStringLiteral("TbMenu"));
    setShape(QTabBar::RoundedWest);
    setExpanding(false);
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideRight);
    for (int position = 0; position < kTabCount; ++position) {
        const QString caption = Str(TabCaption(ToTab(position)));
        addTab(caption);
        // The caption may be cut short on a narrow panel; the tooltip and a screen reader say it whole.
        setTabToolTip(position, caption);
        setAccessibleTabName(position, caption);
    }
}

namespace {
double ScreenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 0;
}
} // namespace

int NavigationPanel::OpenWidth()
{
    return MonthLayout::TwipsToPixels(kOpenTwips, ScreenDpi());
}

int NavigationPanel::ClosedWidth()
{
    return MonthLayout::TwipsToPixels(kClosedTwips, ScreenDpi());
}

NavigationPanel::NavigationPanel(QWidget* parent)
    : QFrame(parent), m_tabs(new NavigationTabBar(this)), m_stack(new QStackedWidget(this)),
      m_timer(new QTimer(this)), m_slide(new QVariantAnimation(this))
{
    setObjectName(QStringLiteral("PicMenu"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true); // it lies over the month windows
    m_timer->setObjectName(QStringLiteral("TmNavVisible"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_timer->stop();
        SetOpen(false);
    });
    m_slide->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_slide, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& w) { resize(w.toInt(), height()); });
    connect(m_tabs, &QTabBar::currentChanged, this, &NavigationPanel::OnTabChanged);
    resize(OpenWidth(), height());
}

void NavigationPanel::SetPage(TabPage* page)
{
    const int tab = page->TabIndex();
    const int position = NavigationTabBar::ToPosition(tab);
    // The stack holds the pages in their order on screen, whatever order they come in.
    int index = 0;
    for (int p = 0; p < position; ++p)
        if (m_pages[size_t(NavigationTabBar::ToTab(p))]) ++index;
    m_stack->insertWidget(index, page);
    m_pages[size_t(tab)] = page;
    page->setEnabled(tab == CurrentTab());
    if (tab == CurrentTab()) m_stack->setCurrentWidget(page);
}

void NavigationPanel::OnTabChanged()
{
    const int current = CurrentTab();
    // Only the current tab's panel is enabled.
    for (int tab = 0; tab < kTabCount; ++tab)
        if (m_pages[size_t(tab)]) m_pages[size_t(tab)]->setEnabled(tab == current);
    if (TabPage* page = m_pages[size_t(current)]) m_stack->setCurrentWidget(page);
    emit TabChanged(current);
}

void NavigationPanel::ShowNavigationPanel(bool force, bool over, MainMode mode)
{
    if (mode == MainMode::Logo || force) {
        m_timer->stop();
        SetOpen(true);
    } else if (over) {
        m_timer->stop();
        SetOpen(false);
    } else if (!m_timer->isActive()) {
        m_timer->start();
    }
    BringToFront();
}

void NavigationPanel::BringToFront()
{
    const QWidget* parent = parentWidget();
    if (!parent) return;
    const QObjectList& siblings = parent->children();
    for (auto it = siblings.crbegin(); it != siblings.crend(); ++it) {
        if (!(*it)->isWidgetType()) continue;
        if (*it != this) raise(); // raising repaints, so only when something lies above
        return;
    }
}

void NavigationPanel::SetOpen(bool open)
{
    const int target = open ? OpenWidth() : ClosedWidth();
    if (m_open == open && (width() == target || m_slide->state() == QAbstractAnimation::Running)) return;
    m_open = open;
    m_slide->stop();
    if (SlideMs <= 0 || !isVisible()) {
        resize(target, height());
        return;
    }
    m_slide->setDuration(SlideMs);
    m_slide->setStartValue(width());
    m_slide->setEndValue(target);
    m_slide->start();
}

void NavigationPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    // The pages keep their open width and are uncovered as the panel slides.
    const QRect inside = contentsRect();
    const int bar = std::min(m_tabs->sizeHint().width(), ClosedWidth() - 2 * frameWidth());
    m_tabs->setGeometry(inside.left(), inside.top(), bar, inside.height());
    m_stack->setGeometry(inside.left() + bar, inside.top(), OpenWidth() - bar - 2 * frameWidth(),
                         inside.height());
    if (event->size().width() != event->oldSize().width()) emit WidthChanged(width());
}
