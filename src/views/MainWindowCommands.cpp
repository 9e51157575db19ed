// The main window's refresh of the current tab, its enabling rules and its command dispatch.

#include "document/Session.h"
#include "platform/HelpTopic.h"
#include "platform/Prompter.h"
#include "views/MainToolbar.h"
#include "views/MainWindow.h"
#include "views/MonthWindow.h"
#include "views/NavigationPanel.h"
#include "views/Tabs.h"

#include <QAction>

void MainWindow::RefreshCurrentTab(bool updateToolbar, int line)
{
    Session& s = Session::Get();
    ShowSelectedDate();
    const int tab = CurrentTab();
    if (tab == TabSummary) {
        if (m_summary->Compute) m_summary->Compute();
        UpdateCommandStates(updateToolbar);
        return;
    }
    ListTab* list = ListPage(tab);
    if (!list) {
        UpdateCommandStates(updateToolbar);
        return;
    }
    s.RefreshInProgress = true;
    list->Refill(line);
    UpdateCommandStates(updateToolbar);
    emit list->Refilled(); // totals and balances
    LetInterfaceRepaint();
    s.RefreshInProgress = false;
}

void MainWindow::UpdateCommandStates(bool updateToolbar)
{
    const Session& s = Session::Get();
    const bool printer = PrinterInstalled && PrinterInstalled();
    if (updateToolbar)
        m_toolbar->ApplyRules(s.Mode(), printer, [this](const QString& key) {
            if (key == u"Help") return HelpAvailable();
            return CommandOffered(ToolbarCommand(key));
        });
    if (TabPage* page = Page(CurrentTab()))
        page->ApplyStates(s.Mode() == MainMode::Edit, s.Selected.Cell != 0, printer);
}

void MainWindow::OnToolbarKey(const QString& key)
{
    LetInterfaceRepaint();
    const Session& s = Session::Get();
    const int month = MonthOfKey(key);
    if (!ToolbarKeyActs(key, s.Mode(), s.RefreshInProgress)) {
        // A month button keeps showing whether its window is shown.
        if (month) {
            const MonthWindow* w = ExistingMonthWindow(month);
            m_toolbar->SetMonthPressed(month, w && w->isVisible());
        }
        return;
    }
    if (key == u"Help") {
        ShowHelpTopic(QStringLiteral("Html\\index.htm"));
    } else if (month) {
        ShowMonth(month);
    } else if (key == u"HTile" || key == u"VTile" || key == u"Cascade" || key == u"AIcons") {
        ArrangeMonthWindows(key);
    } else if (const auto command = ToolbarCommand(key)) {
        emit CommandRequested(*command);
    }
}

void MainWindow::OnCommandButton(const QString& name)
{
    if (name == u"CmdCOExit") {
        close();
        return;
    }
    if (const auto command = CommandsTabCommand(name)) emit CommandRequested(*command);
}
