#pragma once
// The main window: the frame that holds the twelve month windows, the toolbar and the sliding
// navigation panel with its six tabs. It follows the session's mode, refills the current tab
// after every change and applies the enabling rules of every command. Commands that belong to
// other parts of the program are handed on through CommandRequested and the hooks below.

#include "views/CommandRules.h"

#include <QMainWindow>
#include <array>
#include <functional>

class CommandsTab;
class DebtsTab;
class EventsTab;
class MonthWindow;
class ListTab;
class LoadingView;
class LogoView;
class MainToolbar;
class NavigationPanel;
class QMdiArea;
class QMdiSubWindow;
class SummaryTab;
class TabPage;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    MainToolbar* Toolbar() const { return m_toolbar; }
    NavigationPanel* Panel() const { return m_panel; }
    QMdiArea* MdiArea() const { return m_mdi; }
    LogoView* Logo() const { return m_logo; }
    LoadingView* Loading() const { return m_loading; }

    TabPage* Page(int tab) const;
    ListTab* ListPage(int tab) const; // nullptr for the summary and commands tabs
    EventsTab* Events() const { return m_events; }
    DebtsTab* Debts() const { return m_debts; }
    SummaryTab* Summary() const { return m_summary; }
    CommandsTab* Commands() const { return m_commands; }
    int CurrentTab() const;
    void SetCurrentTab(int tab);

    // ---- month windows (MainWindowMonths.cpp)
    // The window of a month, created (hidden) when it does not exist yet.
    MonthWindow* MonthWindowFor(int month);
    MonthWindow* ExistingMonthWindow(int month) const;
    // A month window from the current document (caption, days, colours, picture, cells), shown
    // with its button pressed; the first time, in its place of a cascade.
    void BuildMonthWindow(int month);
    // The same for the twelve months.
    void BuildMonthWindows();
    // Restores a month window to its normal size and activates it.
    void ShowMonth(int month);
    // Closing outside "Unload" only hides the windows and releases their buttons.
    void CloseMonthWindows();
    // "HTile", "VTile", "Cascade" or "AIcons".
    void ArrangeMonthWindows(const QString& key);
    // Makes a day the selected day, or clears the selection (bad month or cell, empty cell).
    void SelectDay(int month, int cell);
    // Selects a date of the year from the keyboard: its month's window comes to the front with
    // the keyboard focus on its grid.
    void SelectDateByKey(const DateRec& date);

    // ---- tabs and commands (MainWindowCommands.cpp)
    void RefreshCurrentTab(bool updateToolbar, int line);
    void UpdateCommandStates(bool updateToolbar);
    void ShowNavigationPanel(bool force, bool over);

    // The command "RESTORE" of a second instance: maximised, in front, focused.
    void Restore();

    // The path named on the command line: opened by OpenFile once the document commands set
    // it, remembered until then.
    void OpenPath(const QString& path);
    QString RememberedPath() const { return m_rememberedPath; }

    // Hooks for the parts of the program that arrive later.
    std::function<bool()> SaveCheck = [] { return true; };        // false cancels closing
    std::function<bool()> PrinterInstalled = [] { return true; }; // a PDF file always serves
    std::function<void(const QString&)> OpenFile;
    // Whether a command has its window yet, and whether the help pages are installed; the
    // toolbar buttons and commands-tab buttons of the others stay disabled.
    std::function<bool(ShellCommand)> CommandAvailable = [](ShellCommand) { return true; };
    std::function<bool()> HelpAvailable = [] { return true; };

signals:
    void CommandRequested(ShellCommand command);
    // Context-menu commands that change a day's entries; the others are handled here.
    void PasteRequested(int month, int cell);
    void DeleteRequested(int month, int cell, int line);
    // Closing was confirmed: timers of other windows stop here, before anything is released.
    void ShutdownStarted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPages();
    void LayoutArea();
    void OnModeChanged(MainMode mode);
    void OnToolbarKey(const QString& key);
    void OnCommandButton(const QString& name);
    void OnMonthActivated(QMdiSubWindow* window);
    void OnCellMenuCommand(int item, int month, int cell, int line);
    void ResetMonthWindows(bool closing);
    // ---- Undo and Redo (MainWindowHistory.cpp)
    void FollowHistory();
    void ShowUndoState();
    void ShowRestored(const CalendarDocument& before);
    // Whether the button of a command is enabled beyond the mode's rules: its window exists,
    // and Undo and Redo have a step to take.
    bool CommandOffered(std::optional<ShellCommand> command) const;
    // "Date choisie:" follows the session's selection, which a new document clears.
    void ShowSelectedDate();
    void TrackPointer(QWidget* widget);
    void Shutdown();

    QWidget* m_area;
    QMdiArea* m_mdi;
    MainToolbar* m_toolbar;
    NavigationPanel* m_panel;
    LogoView* m_logo;
    LoadingView* m_loading;
    EventsTab* m_events = nullptr;
    ListTab* m_autoEvents = nullptr;
    DebtsTab* m_debts = nullptr;
    ListTab* m_birthdays = nullptr;
    SummaryTab* m_summary = nullptr;
    CommandsTab* m_commands = nullptr;
    std::array<MonthWindow*, 12> m_months{};
    QString m_rememberedPath;
    bool m_shuttingDown = false;
    bool m_closeOnceLoaded = false; // closed while a document was being read or written
};
