#pragma once
// A month window: the month's grid inside a child window of the main window. Closing it during
// normal work only hides it; it really closes only while the program ends.

#include "dialogkit/MonthGrid.h"

#include <QMdiSubWindow>
#include <array>

class QAction;
class QMenu;

// Items of the cell context menu, by index (3 and 7 are separators).
enum CellMenuItem : int
{
    MenuCut = 0,
    MenuCopy = 1,
    MenuPaste = 2,
    MenuAdd = 4,
    MenuEdit = 5,
    MenuDelete = 6,
    MenuShowPicture = 8,
};
constexpr int kCellMenuItems = 9;

class MonthWindow : public QMdiSubWindow
{
    Q_OBJECT
public:
    explicit MonthWindow(int month, QWidget* parent = nullptr);

    int Month() const { return m_month; }
    MonthGrid* Grid() const { return m_grid; }
    // The cell context menu "mnuEdit" and its items "mnuEditCmd0".."mnuEditCmd8".
    QMenu* Menu();
    QAction* MenuAction(int item);

    // Caption, day numbers, colours, background and every cell from the current document.
    void BuildFromDocument();

    void SetCaption();
    void FillDayNumbers();
    void ResetMonthWindow();
    void ApplyMonthColours();
    void DrawMonthBackground();
    void RefreshDayCell(int cell);

    // Colours and transparency of one cell for the current selection and today's date.
    void PaintCellState(int cell);

    // The context menu of a cell. It blocks until it closes unless MenusBlock is off (tests).
    void ShowCellMenu(int cell, int line, QPoint globalPos);
    static inline bool MenusBlock = true;

    // The day number of a cell; 0 outside the month.
    int DayOfCell(int cell) const;

signals:
    void DayClicked(int month, int cell);
    // A key moved the selected day, perhaps into another month.
    void DayRequested(const DateRec& date);
    void MenuCommand(int item, int month, int cell, int line);
    void HiddenByClose(int month);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnCellReleased(int cell, int line, Qt::MouseButton button, QPoint globalPos);
    bool IsToday(int cell) const;
    bool HandleDayKey(const QKeyEvent* event);
    void ShowMenuOfCurrentDay();

    int m_month;
    MonthGrid* m_grid;
    QMenu* m_menu = nullptr;
    bool m_sized = false;
    std::array<QAction*, kCellMenuItems> m_menuItems{};
};

// Clicks, menus and activation count only while a document is open and no list is refilled.
bool MonthWindowsAcceptInput();
