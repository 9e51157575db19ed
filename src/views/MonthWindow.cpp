#include "views/MonthWindow.h"

#include "document/MonthCaptions.h"
#include "document/Session.h"
#include "entries/EntryText.h"
#include "platform/Clock.h"
#include "platform/HelpTopic.h"
#include "resources/Strings.h"
#include "views/DayMoves.h"
#include "views/Icons.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <optional>

namespace {

std::optional<DayMove> MoveOfKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return DayMove::PreviousDay;
    case Qt::Key_Right:
        return DayMove::NextDay;
    case Qt::Key_Up:
        return DayMove::PreviousWeek;
    case Qt::Key_Down:
        return DayMove::NextWeek;
    case Qt::Key_Home:
        return DayMove::FirstOfMonth;
    case Qt::Key_End:
        return DayMove::LastOfMonth;
    case Qt::Key_PageUp:
        return DayMove::PreviousMonth;
    case Qt::Key_PageDown:
        return DayMove::NextMonth;
    default:
        return std::nullopt;
    }
}

} // namespace

bool MonthWindowsAcceptInput()
{
    const Session& s = Session::Get();
    return s.Mode() == MainMode::Edit && !s.RefreshInProgress;
}

MonthWindow::MonthWindow(int month, QWidget* parent)
    : QMdiSubWindow(parent), m_month(month), m_grid(new MonthGrid)
{
    setObjectName(QStringLiteral("FrmMonthModele%1").arg(month));
    setProperty("Tag", QString::number(month));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowIcon(MonthIcon(month));
    setWidget(m_grid);
    for (int k = 0; k < 7; ++k) m_grid->Headings[size_t(k)] = Str(WeekdayHeadingText(k));

    connect(m_grid, &MonthGrid::CellReleased, this, &MonthWindow::OnCellReleased);
    m_grid->installEventFilter(this);
    // The caption comes with the document (BuildFromDocument); a hidden window needs none.
    ResetMonthWindow();
}

void MonthWindow::showEvent(QShowEvent* event)
{
    // Sized once the title bar and frame are known, so that the grid has its own 10095 x 7485
    // twips; later the user's size is kept.
    if (!m_sized) {
        m_sized = true;
        resize(size() - m_grid->size() + m_grid->sizeHint());
    }
    QMdiSubWindow::showEvent(event);
}

QMenu* MonthWindow::Menu()
{
    // Made at the first right click: twelve menus are not worth their time at start-up.
    if (m_menu) return m_menu;
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("mnuEdit"));
    const int texts[kCellMenuItems] = {408, 409, 410, 0, 411, 412, 413, 0, 414};
    for (int i = 0; i < kCellMenuItems; ++i) {
        QAction* a = texts[i] ? m_menu->addAction(Str(texts[i])) : m_menu->addSeparator();
        a->setObjectName(QStringLiteral("mnuEditCmd%1").arg(i));
        m_menuItems[size_t(i)] = a;
        if (!texts[i]) continue;
        connect(a, &QAction::triggered, this, [this, i] {
            const CellMenuState& s = Session::Get().CellMenu;
            emit MenuCommand(i, s.Month, s.Cell, s.Line);
        });
    }
    return m_menu;
}

QAction* MonthWindow::MenuAction(int item)
{
    Menu();
    return m_menuItems[size_t(item)];
}

void MonthWindow::BuildFromDocument()
{
    SetCaption();
    FillDayNumbers();
    ApplyMonthColours();
    DrawMonthBackground();
    for (int cell = kFirstCell; cell <= kLastCell; ++cell) RefreshDayCell(cell);
}

void MonthWindow::SetCaption()
{
    setWindowTitle(MonthCaption(Session::Get().CurrentDocument, m_month));
    m_grid->setAccessibleName(windowTitle()); // the table a screen reader enters: "Mars 2026"
}

void MonthWindow::FillDayNumbers()
{
    const int year = Session::Get().CurrentDocument.YearNumber();
    for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
        GridCell& c = m_grid->Cell(cell);
        c.Day = DayCaption(year, m_month, cell);
        const int day = ::DayOfCell(year, m_month, cell);
        c.Date = day ? MakeDate(day, m_month, year) : DateRec();
    }
    m_grid->update();
}

void MonthWindow::ResetMonthWindow()
{
    const qint32 back = Session::Get().CurrentDocument.DefaultColours.Colour1;
    for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
        GridCell& c = m_grid->Cell(cell);
        c = GridCell();
        c.Back = back;
    }
    m_grid->Picture = QImage();
    m_grid->SetBorderedLine(0, -1);
    m_grid->SetCurrentCell(0);
    m_grid->update();
}

int MonthWindow::DayOfCell(int cell) const
{
    return ValidCell(cell) ? m_grid->Cell(cell).Date.Day : 0;
}

bool MonthWindow::IsToday(int cell) const
{
    const QDate today = Clock::Current().Today();
    return Session::Get().CurrentDocument.Year == QString::number(today.year()) && today.month() == m_month &&
           DayOfCell(cell) == today.day();
}

void MonthWindow::PaintCellState(int cell)
{
    if (!ValidCell(cell)) return;
    const Session& s = Session::Get();
    const CalendarDocument& doc = s.CurrentDocument;
    const ColourSettings& c = doc.EffectiveColours(m_month);
    const bool selected = s.Selected.Month == m_month && s.Selected.Cell == cell;
    const bool showsPicture = !doc.EffectiveBackground(m_month).PicturePath.isEmpty();
    GridCell& g = m_grid->Cell(cell);
    g.Opaque = selected || !showsPicture;
    g.Back = selected ? c.Colour4 : c.Colour1;
    g.DayColour = IsToday(cell) ? c.Colour3 : c.Colour2;
    if (selected)
        m_grid->SetCurrentCell(cell);
    else if (m_grid->CurrentCell() == cell)
        m_grid->SetCurrentCell(0);
    m_grid->UpdateCell(cell);
}

void MonthWindow::ApplyMonthColours()
{
    const ColourSettings& c = Session::Get().CurrentDocument.EffectiveColours(m_month);
    m_grid->HeadingBack = c.Colour6;
    m_grid->HeadingText = c.Colour7;
    m_grid->ShowGrids = c.ShowGrids;
    for (int cell = kFirstCell; cell <= kLastCell; ++cell) PaintCellState(cell);
    m_grid->update();
}

void MonthWindow::DrawMonthBackground()
{
    const BackgroundSettings& b = Session::Get().CurrentDocument.EffectiveBackground(m_month);
    const QImage& picture = b.Picture;
    m_grid->Picture = QImage();
    // Every mode shows, as the print and the properties' sample show it.
    if (!b.PicturePath.isEmpty() && !picture.isNull())
        m_grid->Picture = CalendarAreaPicture(picture, b.Mode, QRect(), m_grid->devicePixelRatioF());
    m_grid->update();
}

void MonthWindow::RefreshDayCell(int cell)
{
    if (!ValidCell(cell)) return;
    m_grid->SetCellLines(cell, CellLines(Session::Get().CurrentDocument, m_month, cell));
}

void MonthWindow::OnCellReleased(int cell, int line, Qt::MouseButton button, QPoint globalPos)
{
    if (!MonthWindowsAcceptInput()) return;
    if (button == Qt::LeftButton)
        emit DayClicked(m_month, cell);
    else if (button == Qt::RightButton)
        ShowCellMenu(cell, line, globalPos);
}

void MonthWindow::ShowCellMenu(int cell, int line, QPoint globalPos)
{
    if (!ValidCell(cell)) return;
    Session& s = Session::Get();
    const DayCell& day = s.CurrentDocument.Month(m_month).Cell(cell);
    const bool onEntry = line >= 0 && line < day.EntryCount();
    s.CellMenu = {qint16(m_month), qint16(cell), qint16(onEntry ? line : -1)};
    const bool holdsDay = !m_grid->Cell(cell).Day.isEmpty();

    QMenu* menu = Menu();
    m_menuItems[MenuCut]->setEnabled(onEntry);
    m_menuItems[MenuCopy]->setEnabled(onEntry);
    m_menuItems[MenuEdit]->setEnabled(onEntry);
    m_menuItems[MenuDelete]->setEnabled(onEntry);
    m_menuItems[MenuPaste]->setEnabled(s.Clipboard.Mode != 0 && holdsDay);
    m_menuItems[MenuAdd]->setEnabled(holdsDay);
    m_menuItems[MenuShowPicture]->setEnabled(onEntry && !day.Entries[line].PicturePath.isEmpty());

    if (onEntry) m_grid->SetBorderedLine(cell, line);
    if (MenusBlock) {
        menu->exec(globalPos);
        m_grid->SetBorderedLine(0, -1);
    } else {
        connect(
            menu, &QMenu::aboutToHide, m_grid, [this] { m_grid->SetBorderedLine(0, -1); },
            Qt::SingleShotConnection);
        menu->popup(globalPos);
    }
}

void MonthWindow::closeEvent(QCloseEvent* event)
{
    if (Session::Get().Mode() == MainMode::Unload) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    event->ignore();
    hide();
    emit HiddenByClose(m_month);
}

void MonthWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(QStringLiteral("Html\\d_month.htm"));
        return;
    }
    if (HandleDayKey(event)) return;
    QMdiSubWindow::keyPressEvent(event);
}

// Arrows, Home, End, Page Up and Page Down move the selected day; in a month that holds none,
// the first key picks the first day (End the last). Enter adds an entry to the day; Shift+F10
// opens its menu.
bool MonthWindow::HandleDayKey(const QKeyEvent* event)
{
    if (!MonthWindowsAcceptInput()) return false;
    const int cell = m_grid->CurrentCell();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F10 && mods == Qt::ShiftModifier) {
        ShowMenuOfCurrentDay();
        return true;
    }
    if (mods != Qt::NoModifier) return false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (DayOfCell(cell)) emit MenuCommand(MenuAdd, m_month, cell, -1);
        return true;
    }
    const std::optional<DayMove> move = MoveOfKey(event->key());
    if (!move) return false;
    if (DayOfCell(cell)) {
        emit DayRequested(MovedDay(m_grid->Cell(cell).Date, *move));
        return true;
    }
    const DateRec first = MakeDate(1, m_month, Session::Get().CurrentDocument.YearNumber());
    const bool toAnEnd = *move == DayMove::FirstOfMonth || *move == DayMove::LastOfMonth;
    emit DayRequested(toAnEnd ? MovedDay(first, *move) : first);
    return true;
}

// The menu key arrives as a context menu event of its own (the mouse's comes with its release).
void MonthWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse || !MonthWindowsAcceptInput()) {
        QMdiSubWindow::contextMenuEvent(event);
        return;
    }
    ShowMenuOfCurrentDay();
}

// A child window keeps Tab among its own controls, and the grid is its only one: Tab would
// never leave it. It goes on to the main window's controls instead, past the other months
// (Ctrl+Tab turns those).
bool MonthWindow::focusNextPrevChild(bool next)
{
    QWidget* w = m_grid;
    while ((w = next ? w->nextInFocusChain() : w->previousInFocusChain()) != m_grid) {
        if (mdiArea() && mdiArea()->isAncestorOf(w)) continue;
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
        w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QMdiSubWindow::focusNextPrevChild(next);
}

// Tab into the month windows lands in the one in front, not in the first one of the chain.
bool MonthWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* front = mdiArea() ? qobject_cast<MonthWindow*>(mdiArea()->activeSubWindow()) : nullptr;
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && front && front != this &&
            front->isVisible()) {
            front->Grid()->setFocus(reason);
            return true;
        }
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void MonthWindow::ShowMenuOfCurrentDay()
{
    const int cell = m_grid->CurrentCell();
    if (!DayOfCell(cell)) return;
    ShowCellMenu(cell, -1, m_grid->mapToGlobal(m_grid->ToPixels(MonthLayout::DayLabel(cell)).center()));
}
