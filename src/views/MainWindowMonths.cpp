// The main window's side of the month windows: the table of twelve, the selected day, the
// arrange commands and the cell menu.

#include "document/DateText.h"
#include "document/Session.h"
#include "entries/DayEntries.h"
#include "views/MainToolbar.h"
#include "views/MainWindow.h"
#include "views/MonthWindow.h"
#include "views/Tabs.h"
#include "views/WindowArrangement.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>

namespace {
constexpr int kCascadeStep = 22; // pixels between two month windows of the first cascade
constexpr const char* kPlaced = "PlacedInCascade";
} // namespace

MonthWindow* MainWindow::ExistingMonthWindow(int month) const
{
    return ValidMonth(month) ? m_months[size_t(month - 1)] : nullptr;
}

MonthWindow* MainWindow::MonthWindowFor(int month)
{
    if (!ValidMonth(month)) return nullptr;
    MonthWindow*& w = m_months[size_t(month - 1)];
    if (w) return w;
    w = new MonthWindow(month);
    m_mdi->addSubWindow(w);
    w->hide();
    connect(w, &MonthWindow::DayClicked, this, &MainWindow::SelectDay);
    connect(w, &MonthWindow::DayRequested, this, &MainWindow::SelectDateByKey);
    connect(w, &MonthWindow::MenuCommand, this, &MainWindow::OnCellMenuCommand);
    connect(w, &MonthWindow::HiddenByClose, this, [this](int m) { m_toolbar->SetMonthPressed(m, false); });
    connect(w, &QObject::destroyed, this, [this, month] { m_months[size_t(month - 1)] = nullptr; });
    return w;
}

void MainWindow::BuildMonthWindow(int month)
{
    MonthWindow* w = MonthWindowFor(month);
    if (!w) return;
    w->BuildFromDocument();
    if (!w->isVisible()) {
        w->showNormal();
        // Shown for the first time: one step further down the cascade than the month before.
        if (!w->property(kPlaced).toBool()) {
            w->setProperty(kPlaced, true);
            w->move(QPoint(1, 1) * (kCascadeStep * (month - 1)));
        }
    }
    m_toolbar->SetMonthPressed(month, true);
}

void MainWindow::BuildMonthWindows()
{
    for (int m = 1; m <= 12; ++m) BuildMonthWindow(m);
}

void MainWindow::ShowMonth(int month)
{
    MonthWindow* w = MonthWindowFor(month);
    if (!w) return;
    w->showNormal();
    w->raise();
    m_mdi->setActiveSubWindow(w);
    m_toolbar->SetMonthPressed(month, true);
}

void MainWindow::CloseMonthWindows()
{
    for (MonthWindow* w : m_months)
        if (w) w->close();
}

void MainWindow::ResetMonthWindows(bool closing)
{
    ShowSelectedDate(); // the document that held the selection is gone
    for (MonthWindow* w : m_months) {
        if (!w) continue;
        w->ResetMonthWindow();
        if (!closing) continue;
        w->close(); // really closes: the program is ending
        w->deleteLater();
    }
}

void MainWindow::OnMonthActivated(QMdiSubWindow* window)
{
    auto* w = qobject_cast<MonthWindow*>(window);
    if (!w || !MonthWindowsAcceptInput()) return;
    m_toolbar->SetMonthPressed(w->Month(), true);
    w->show();
    w->raise();
}

void MainWindow::ArrangeMonthWindows(const QString& key)
{
    if (key == u"Cascade") {
        m_mdi->cascadeSubWindows();
        return;
    }
    QList<QMdiSubWindow*> normal;
    QList<QMdiSubWindow*> minimised;
    for (QMdiSubWindow* w : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isVisible()) continue;
        (w->isMinimized() ? minimised : normal).append(w);
    }
    const QRect area = m_mdi->viewport()->rect();
    if (key == u"HTile" || key == u"VTile") {
        const QList<QRect> rects = TileRects(int(normal.size()), area, key == u"HTile");
        for (int i = 0; i < normal.size(); ++i) {
            if (normal[i]->isMaximized()) normal[i]->showNormal();
            normal[i]->setGeometry(rects[i]);
        }
    } else if (key == u"AIcons" && !minimised.isEmpty()) {
        const QList<QPoint> places = IconPositions(int(minimised.size()), area, minimised.first()->size());
        for (int i = 0; i < minimised.size(); ++i) minimised[i]->move(places[i]);
    }
}

void MainWindow::SelectDay(int month, int cell)
{
    Session& s = Session::Get();
    const Selection old = s.Selected;
    s.Selected = Selection();
    if (old.Valid())
        if (MonthWindow* w = ExistingMonthWindow(old.Month)) w->PaintCellState(old.Cell);

    MonthWindow* w = ValidCell(cell) ? ExistingMonthWindow(month) : nullptr;
    const int day = w ? w->DayOfCell(cell) : 0;
    if (day != 0) {
        s.Selected = {qint16(month), qint16(cell), MakeDate(day, month, s.CurrentDocument.YearNumber())};
        w->PaintCellState(cell);
    }
    RefreshCurrentTab(false, -1); // shows the selected date
}

void MainWindow::SelectDateByKey(const DateRec& date)
{
    MonthWindow* w = ExistingMonthWindow(date.Month);
    if (!w) return;
    if (!w->isVisible() || m_mdi->activeSubWindow() != w) ShowMonth(date.Month);
    SelectDay(date.Month, CellOfDate(date));
    w->Grid()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::ShowSelectedDate()
{
    const Selection& sel = Session::Get().Selected;
    m_events->SelectedDateBox()->setText(sel.Valid() ? ShortDateText(sel.Date) : QString());
}

void MainWindow::OnCellMenuCommand(int item, int month, int cell, int line)
{
    if (!ValidMonth(month) || !ValidCell(cell)) return;
    switch (item) {
    case MenuCut:
    case MenuCopy:
        CopyEntry(month, cell, line, item == MenuCopy ? ClipboardCopied : ClipboardCut);
        return;
    case MenuPaste:
        emit PasteRequested(month, cell);
        return;
    case MenuDelete:
        emit DeleteRequested(month, cell, line);
        return;
    case MenuAdd:
    case MenuEdit:
    case MenuShowPicture: {
        // The events tab's own commands do the work, on the day of the menu.
        SetCurrentTab(TabEvents);
        SelectDay(month, cell);
        if (item != MenuAdd) m_events->SelectLine(line);
        emit m_events->ButtonClicked(item == MenuAdd    ? QStringLiteral("Add")
                                     : item == MenuEdit ? QStringLiteral("Edit")
                                                        : QStringLiteral("ShowPic"));
        return;
    }
    default:
        return;
    }
}
