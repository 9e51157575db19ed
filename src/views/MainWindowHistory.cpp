// The main window's side of Undo and Redo: their buttons name the step they would take, and
// after a step is taken the month windows, the day cells and the current tab show the document
// as it now is.

#include "document/DocumentChanges.h"
#include "document/Session.h"
#include "resources/Strings.h"
#include "views/MainToolbar.h"
#include "views/MainWindow.h"
#include "views/MonthWindow.h"
#include "views/Tabs.h"

#include <QAction>
#include <QPushButton>

namespace {

// "Annuler : Supprimer l'entrée", or "Annuler" alone when there is nothing to undo.
QString StepTip(int command, const QString& step)
{
    return step.isEmpty() ? Str(command) : Str(command) + QStringLiteral(" : ") + step;
}

// The selected day of another year: the same day of the same month, when that year has it.
void KeepSelectedDay(Selection& selected, int year)
{
    if (!selected.Valid() || selected.Date.Year == year) return;
    if (selected.Date.Day > DaysInMonth(year, selected.Month)) {
        selected = Selection();
        return;
    }
    selected.Date = MakeDate(selected.Date.Day, selected.Month, year);
    selected.Cell = qint16(CellOfDate(selected.Date));
}

} // namespace

bool MainWindow::CommandOffered(std::optional<ShellCommand> command) const
{
    if (!command) return true;
    const ChangeHistory& history = Session::Get().History();
    if (command == ShellCommand::Undo && !history.CanUndo()) return false;
    if (command == ShellCommand::Redo && !history.CanRedo()) return false;
    return CommandAvailable(*command);
}

void MainWindow::FollowHistory()
{
    m_toolbar->Action(QStringLiteral("Undo"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_toolbar->Action(QStringLiteral("Redo"))
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    ChangeHistory& history = Session::Get().History();
    connect(&history, &ChangeHistory::StateChanged, this, &MainWindow::ShowUndoState);
    connect(&history, &ChangeHistory::Restored, this, &MainWindow::ShowRestored);
    ShowUndoState();
}

void MainWindow::ShowUndoState()
{
    const ChangeHistory& history = Session::Get().History();
    const QString undo = StepTip(26001, history.UndoName());
    const QString redo = StepTip(26002, history.RedoName());
    m_toolbar->Action(QStringLiteral("Undo"))->setToolTip(undo);
    m_toolbar->Action(QStringLiteral("Redo"))->setToolTip(redo);
    m_commands->Button(QStringLiteral("CmdCOUndo"))->setToolTip(undo);
    m_commands->Button(QStringLiteral("CmdCORedo"))->setToolTip(redo);
    if (Session::Get().Mode() != MainMode::Unload) UpdateCommandStates(true);
}

void MainWindow::ShowRestored(const CalendarDocument& before)
{
    Session& s = Session::Get();
    const CalendarDocument& now = s.CurrentDocument;
    const bool otherYear = before.Year != now.Year;
    KeepSelectedDay(s.Selected, now.YearNumber());
    const std::bitset<12 * kCellCount> days = ChangedDays(before, now);
    for (int m = 1; m <= 12; ++m) {
        MonthWindow* w = ExistingMonthWindow(m);
        if (!w) continue;
        if (otherYear) { // other days in every cell
            w->BuildFromDocument();
            continue;
        }
        if (MonthColoursChanged(before, now, m)) w->ApplyMonthColours();
        if (MonthBackgroundChanged(before, now, m)) w->DrawMonthBackground();
        for (int cell = kFirstCell; cell <= kLastCell; ++cell)
            if (days.test(DayIndex(m, cell))) w->RefreshDayCell(cell);
    }
    const ListTab* list = ListPage(CurrentTab());
    RefreshCurrentTab(false, list ? list->SelectedLine() : -1);
}
