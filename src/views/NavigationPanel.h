#pragma once
// The navigation panel: a vertical tab bar with the six pages beside it. It slides open over the
// month windows (4000 twips wide) and back to a strip that shows only the tab bar (500 twips);
// its hide timer closes it one second after the pointer went elsewhere.

#include "views/CommandRules.h"

#include <QFrame>
#include <QTabBar>
#include <array>

class QStackedWidget;
class QTimer;
class QVariantAnimation;
class TabPage;

// The tab bar lists the tabs from the commands tab (index 5) at the top down to the summary
// (index 0); TabIndex is the program's tab index, whatever the position on screen.
class NavigationTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit NavigationTabBar(QWidget* parent = nullptr);
    int TabIndex() const { return ToTab(currentIndex()); }
    void SetTabIndex(int tab) { setCurrentIndex(ToPosition(tab)); }
    static int ToPosition(int tab) { return kTabCount - 1 - tab; }
    static int ToTab(int position) { return position < 0 ? -1 : kTabCount - 1 - position; }
};

class NavigationPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kOpenTwips = 4000;
    static constexpr int kClosedTwips = 500;
    static int OpenWidth();
    static int ClosedWidth();

    explicit NavigationPanel(QWidget* parent = nullptr);

    NavigationTabBar* TabBar() const { return m_tabs; }
    QTimer* HideTimer() const { return m_timer; }
    int CurrentTab() const { return m_tabs->TabIndex(); }
    void SetCurrentTab(int tab) { m_tabs->SetTabIndex(tab); }

    // Takes the page of its own tab index.
    void SetPage(TabPage* page);
    TabPage* Page(int tab) const { return m_pages[size_t(tab)]; }

    // Opens (force, or while no document is open), closes at once (pointer over the panel while
    // a document starts loading), or starts the hide timer.
    void ShowNavigationPanel(bool force, bool over, MainMode mode);

    // Where the panel is going: open or closed, whatever the slide has reached.
    bool IsOpen() const { return m_open; }
    void SetOpen(bool open);

    // Slides take this long; 0 makes them immediate.
    static inline int SlideMs = 120;

signals:
    void TabChanged(int tab);
    void WidthChanged(int width);

protected:
    void resizeEvent(QResizeEvent* event) override;

    // In front of the month windows and the logo.
    void BringToFront();

private:
    void OnTabChanged();

    NavigationTabBar* m_tabs;
    QStackedWidget* m_stack;
    std::array<TabPage*, kTabCount> m_pages{};
    QTimer* m_timer;
    QVariantAnimation* m_slide;
    bool m_open = true;
};
