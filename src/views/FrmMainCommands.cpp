// The main window's refresh of the current tab, its enabling rules and its command dispatch.

#include "document/Session.h"
#include "help/Help.h"
#include "platform/Prompter.h"
#include "views/FrmMain.h"
#include "views/FrmMonthModele.h"
#include "views/MainToolbar.h"
#include "views/NavigationPanel.h"
#include "views/Tabs.h"

#include <QAction>

void FrmMain::RefreshCurrentTab(bool updateToolbar, int line)
{
    Session& s = Session::Get();
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

void FrmMain::UpdateCommandStates(bool updateToolbar)
{
    const Session& s = Session::Get();
    const bool printer = PrinterInstalled && PrinterInstalled();
    if (updateToolbar) m_toolbar->ApplyRules(s.Mode(), printer);
    if (TabPage* page = Page(CurrentTab()))
        page->ApplyStates(s.Mode() == MainMode::Edit, s.Selected.Cell != 0, printer);
}

void FrmMain::OnToolbarKey(const QString& key)
{
    LetInterfaceRepaint();
    const Session& s = Session::Get();
    const int month = MonthOfKey(key);
    if (!ToolbarKeyActs(key, s.Mode(), s.RefreshInProgress)) {
        // A month button keeps showing whether its window is shown.
        if (month) {
            const FrmMonthModele* w = ExistingMonthWindow(month);
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
    } else {
        static const QHash<QString, ShellCommand> commands = {
            {QStringLiteral("New"), ShellCommand::New},
            {QStringLiteral("Open"), ShellCommand::Open},
            {QStringLiteral("Save"), ShellCommand::Save},
            {QStringLiteral("Preview"), ShellCommand::Preview},
            {QStringLiteral("Print"), ShellCommand::Print},
            {QStringLiteral("Options"), ShellCommand::Options},
            {QStringLiteral("Prop"), ShellCommand::Properties},
        };
        const auto it = commands.constFind(key);
        if (it != commands.constEnd()) emit CommandRequested(*it);
    }
}

void FrmMain::OnCommandButton(const QString& name)
{
    if (name == u"CmdCOExit") {
        close();
        return;
    }
    static const QHash<QString, ShellCommand> commands = {
        {QStringLiteral("CmdCONew"), ShellCommand::New},
        {QStringLiteral("CmdCOOpen"), ShellCommand::Open},
        {QStringLiteral("CmdCOSave"), ShellCommand::Save},
        {QStringLiteral("CmdCOSaveAs"), ShellCommand::SaveAs},
        {QStringLiteral("CmdCOPreview"), ShellCommand::Preview},
        {QStringLiteral("CmdCOPrint"), ShellCommand::Print},
        {QStringLiteral("CmdCOOptions"), ShellCommand::Options},
        {QStringLiteral("CmdCOAbout"), ShellCommand::About},
    };
    const auto it = commands.constFind(name);
    if (it != commands.constEnd()) emit CommandRequested(*it);
}
