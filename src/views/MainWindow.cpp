#include "views/MainWindow.h"

#include "document/Session.h"
#include "platform/HelpTopic.h"
#include "platform/Prompter.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "views/Icons.h"
#include "views/LogoViews.h"
#include "views/MainToolbar.h"
#include "views/MonthWindow.h"
#include "views/NavigationPanel.h"
#include "views/Tabs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QTimer>
#include <QToolButton>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_area(new QWidget(this)), m_mdi(new QMdiArea(m_area)),
      m_toolbar(new MainToolbar(this)), m_panel(new NavigationPanel(m_area)), m_logo(new LogoView(m_area)),
      m_loading(new LoadingView(m_area))
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowIcon(ProgramIcon());
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    setCentralWidget(m_area);
    m_area->setObjectName(QStringLiteral("MainArea"));
    m_area->installEventFilter(this);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_loading->hide();
    BuildPages();

    Session& s = Session::Get();
    setWindowTitle(s.Caption());
    connect(&s, &Session::CaptionChanged, this, &QWidget::setWindowTitle);
    connect(&s, &Session::ModeChanged, this, &MainWindow::OnModeChanged);
    // Each step of a long load or save shows at once.
    connect(&s, &Session::ProgressLineChanged, this, [this](int line, const QString& text) {
        m_loading->SetLine(line, text);
        LetInterfaceRepaint();
    });
    connect(&s, &Session::RefreshRequested, this, [this](int line) { RefreshCurrentTab(false, line); });
    connect(&s, &Session::DayCellChanged, this, [this](int month, int cell) {
        if (MonthWindow* w = ExistingMonthWindow(month)) w->RefreshDayCell(cell);
    });
    connect(&s, &Session::MonthWindowsReset, this, &MainWindow::ResetMonthWindows);

    connect(m_toolbar, &MainToolbar::KeyClicked, this, &MainWindow::OnToolbarKey);
    connect(m_panel, &NavigationPanel::TabChanged, this, [this] { RefreshCurrentTab(false, -1); });
    connect(m_panel, &NavigationPanel::WidthChanged, this, &MainWindow::LayoutArea);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::OnMonthActivated);
    qApp->installEventFilter(this);
    FollowHistory();

    OnModeChanged(s.Mode());
    resize(1024, 768);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    for (MonthWindow* w : m_months) delete w; // while the table they clear is still whole
}

void MainWindow::BuildPages()
{
    m_summary = new SummaryTab;
    m_birthdays = new ListTab(TabBirthdays, QStringLiteral("BD"), ListTab::UpdateButton);
    m_debts = new DebtsTab;
    m_autoEvents = new ListTab(TabAutoEvents, QStringLiteral("AE"), ListTab::UpdateButton);
    m_events = new EventsTab;
    m_commands = new CommandsTab;
    m_commands->Available = [this](const QString& button) {
        return CommandOffered(CommandsTabCommand(button));
    };
    // The commands tab shows first: it goes in first, so that no other page is laid out and
    // shown for nothing on the way.
    m_panel->SetCurrentTab(TabCommands);
    for (TabPage* page : {static_cast<TabPage*>(m_commands), static_cast<TabPage*>(m_summary),
                          static_cast<TabPage*>(m_birthdays), static_cast<TabPage*>(m_debts),
                          static_cast<TabPage*>(m_autoEvents), static_cast<TabPage*>(m_events)}) {
        m_panel->SetPage(page);
        connect(page->HelpButton(), &QAbstractButton::clicked, this,
                [page] { ShowHelpTopic(page->HelpPage()); });
    }
    for (ListTab* list :
         {static_cast<ListTab*>(m_events), m_autoEvents, static_cast<ListTab*>(m_debts), m_birthdays})
        connect(list, &ListTab::SelectionChanged, this, [this] { UpdateCommandStates(false); });
    connect(m_commands, &CommandsTab::CommandClicked, this, &MainWindow::OnCommandButton);
    connect(m_summary, &SummaryTab::TypeChosen, this, [this] {
        if (Session::Get().Mode() == MainMode::Edit && !Session::Get().RefreshInProgress)
            RefreshCurrentTab(false, -1);
    });
}

TabPage* MainWindow::Page(int tab) const
{
    return tab >= 0 && tab < kTabCount ? m_panel->Page(tab) : nullptr;
}

ListTab* MainWindow::ListPage(int tab) const
{
    return qobject_cast<ListTab*>(Page(tab));
}

int MainWindow::CurrentTab() const
{
    return m_panel->CurrentTab();
}

void MainWindow::SetCurrentTab(int tab)
{
    m_panel->SetCurrentTab(tab);
}

void MainWindow::LayoutArea()
{
    const QRect all = m_area->rect();
    const int closed = NavigationPanel::ClosedWidth();
    // The month windows live right of the closed panel; the open panel slides over them.
    m_mdi->setGeometry(all.adjusted(closed, 0, 0, 0));
    m_panel->setGeometry(0, 0, m_panel->width(), all.height());
    const QRect beside = all.adjusted(m_panel->width(), 0, 0, 0);
    m_logo->setGeometry(beside);
    m_loading->setGeometry(beside);
    m_panel->raise();
}

void MainWindow::OnModeChanged(MainMode mode)
{
    if (m_closeOnceLoaded && mode != MainMode::Load) {
        m_closeOnceLoaded = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
    m_logo->setVisible(mode == MainMode::Logo);
    m_loading->setVisible(mode == MainMode::Load);
    if (mode == MainMode::Logo) ShowNavigationPanel(true, false);
    if (mode == MainMode::Load) ShowNavigationPanel(false, true);
    if (mode != MainMode::Unload) UpdateCommandStates(true);
}

void MainWindow::ShowNavigationPanel(bool force, bool over)
{
    m_panel->ShowNavigationPanel(force, over, Session::Get().Mode());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area && event->type() == QEvent::Resize) LayoutArea();
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        if (watched->isWidgetType()) TrackPointer(static_cast<QWidget*>(watched));
    }
    return QMainWindow::eventFilter(watched, event);
}

// The pointer over the panel keeps it open; anywhere else in this window starts its timer.
void MainWindow::TrackPointer(QWidget* widget)
{
    if (widget->window() != this) return;
    const Session& s = Session::Get();
    if (s.Mode() != MainMode::Edit || s.RefreshInProgress) return;
    const bool overPanel = widget == m_panel || m_panel->isAncestorOf(widget);
    if (overPanel)
        ShowNavigationPanel(true, false);
    else if (!m_panel->HideTimer()->isActive() && m_panel->IsOpen())
        ShowNavigationPanel(false, false);
}

void MainWindow::Restore()
{
    showMaximized();
    raise();
    activateWindow();
}

void MainWindow::OpenPath(const QString& path)
{
    if (OpenFile)
        OpenFile(path);
    else
        m_rememberedPath = path;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        if (TabPage* page = Page(CurrentTab())) ShowHelpTopic(page->HelpPage());
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_shuttingDown) {
        event->accept();
        return;
    }
    Session& s = Session::Get();
    // While a document is being read or written the program ends once that is over: a reading
    // stops at its next step and gives up, a save completes.
    if (s.Mode() == MainMode::Load) {
        m_closeOnceLoaded = true;
        RequestStop();
        event->ignore();
        return;
    }
    if (SaveCheck && !SaveCheck()) {
        event->ignore();
        if (s.Mode() != MainMode::Edit) s.SetMode(MainMode::Edit);
        return;
    }
    emit ShutdownStarted();
    Shutdown();
    m_panel->HideTimer()->stop();
    event->accept();
}

void MainWindow::Shutdown()
{
    m_shuttingDown = true;
    BusyCursor busy;
    Session& s = Session::Get();
    s.SetMode(MainMode::Unload);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->close();
    s.CurrentDocument = s.BlankDocument(false); // closes the month windows in "Unload"
    s.SavedDocument = s.CurrentDocument;
    s.History().Clear();
    if (!SaveSettings()) qWarning("The settings could not be written to %s", qPrintable(SettingsFilePath()));
}
