#include "views/CommandRules.h"

int TabCaption(int tab)
{
    static constexpr int captions[kTabCount] = {234, 283, 233, 232, 231, 230};
    return tab >= 0 && tab < kTabCount ? captions[tab] : 0;
}

namespace {

struct CommandName
{
    const char* ToolbarKey; // nullptr: no toolbar button
    const char* Button;     // nullptr: no commands-tab button
    ShellCommand Command;
};

constexpr CommandName kCommandNames[] = {
    {"New", "CmdCONew", ShellCommand::New},
    {"Open", "CmdCOOpen", ShellCommand::Open},
    {"Save", "CmdCOSave", ShellCommand::Save},
    {nullptr, "CmdCOSaveAs", ShellCommand::SaveAs},
    {"Preview", "CmdCOPreview", ShellCommand::Preview},
    {"Print", "CmdCOPrint", ShellCommand::Print},
    {"Options", "CmdCOOptions", ShellCommand::Options},
    {nullptr, "CmdCOAbout", ShellCommand::About},
    {"Prop", nullptr, ShellCommand::Properties},
    {nullptr, "CmdCOExport", ShellCommand::Export},
    {nullptr, "CmdCOImport", ShellCommand::Import},
    {"Undo", "CmdCOUndo", ShellCommand::Undo},
    {"Redo", "CmdCORedo", ShellCommand::Redo},
    {nullptr, "CmdCOSync", ShellCommand::Sync},
};

} // namespace

std::optional<ShellCommand> ToolbarCommand(const QString& key)
{
    for (const CommandName& c : kCommandNames)
        if (c.ToolbarKey && key == QLatin1String(c.ToolbarKey)) return c.Command;
    return std::nullopt;
}

std::optional<ShellCommand> CommandsTabCommand(const QString& button)
{
    for (const CommandName& c : kCommandNames)
        if (c.Button && button == QLatin1String(c.Button)) return c.Command;
    return std::nullopt;
}

const QList<ToolbarKey>& ToolbarKeys()
{
    static const QList<ToolbarKey> keys = [] {
        QList<ToolbarKey> k = {
            {QStringLiteral("New"), 204},     {QStringLiteral("Open"), 205},   {QStringLiteral("Save"), 206},
            {QStringLiteral("Undo"), 26001},  {QStringLiteral("Redo"), 26002}, {QStringLiteral("Sep1"), 0},
            {QStringLiteral("Preview"), 207}, {QStringLiteral("Print"), 208},  {QStringLiteral("Sep2"), 0},
            {QStringLiteral("Options"), 209}, {QStringLiteral("Sep3"), 0},
        };
        for (int m = 1; m <= 12; ++m) k.append({MonthKey(m), 209 + m});
        k += {{QStringLiteral("Sep4"), 0},      {QStringLiteral("Prop"), 222},
              {QStringLiteral("HTile"), 224},   {QStringLiteral("VTile"), 225},
              {QStringLiteral("Cascade"), 226}, {QStringLiteral("AIcons"), 227},
              {QStringLiteral("Sep5"), 0},      {QStringLiteral("Help"), 223}};
        return k;
    }();
    return keys;
}

int MonthOfKey(const QString& key)
{
    if (key.size() != 3 || key[0] != u'm' || !key[1].isDigit() || !key[2].isDigit()) return 0;
    const int m = key.mid(1).toInt();
    return ValidMonth(m) ? m : 0;
}

QString MonthKey(int month)
{
    return QStringLiteral("m%1").arg(month, 2, 10, QLatin1Char('0'));
}

namespace {

bool AlwaysActs(const QString& key)
{
    return key == u"New" || key == u"Open" || key == u"Options" || key == u"Help";
}

bool NeedsDocumentView(const QString& key)
{
    return MonthOfKey(key) || key == u"Prop" || key == u"HTile" || key == u"VTile" || key == u"Cascade" ||
           key == u"AIcons";
}

} // namespace

CommandState ToolbarState(const QString& key, MainMode mode, bool printerInstalled)
{
    const bool edit = mode == MainMode::Edit;
    const bool notLogo = mode != MainMode::Logo;
    if (AlwaysActs(key)) return {true, true};
    if (key == u"Save" || key == u"Undo" || key == u"Redo") return {edit, true};
    if (key == u"Preview" || key == u"Print") return {edit && printerInstalled, true};
    if (key == u"Sep1" || key == u"Sep2" || key == u"Sep5") return {true, true};
    if (key == u"Sep3" || key == u"Sep4") return {true, notLogo};
    if (NeedsDocumentView(key)) return {edit, notLogo};
    return {};
}

bool ToolbarKeyActs(const QString& key, MainMode mode, bool refreshInProgress)
{
    if (AlwaysActs(key)) return true;
    return mode == MainMode::Edit && !refreshInProgress;
}

ListButtonStates ListButtons(int selected, int count, bool selectedHasPicture)
{
    ListButtonStates s;
    s.Edit = s.Remove = selected != -1;
    s.RemoveAll = count > 0;
    s.Sort = count > 1;
    s.Down = selected != count - 1;
    s.Up = selected > 0 && count > 0;
    s.UpdateCalendar = count > 0;
    s.ShowPicture = count > 0 && selected != -1 && selectedHasPicture;
    return s;
}

PanelStates TabPanels(int tab, bool editing, bool daySelected)
{
    PanelStates p;
    if (tab == TabEvents || tab == TabSummary) {
        p.Work = editing && daySelected;
        p.Hint = !p.Work;
        p.StepOne = !editing;
        p.StepTwo = editing && !daySelected;
    } else if (tab == TabCommands) {
        p.Work = true;
    } else {
        p.Work = editing;
        p.Hint = !editing;
        p.StepOne = !editing;
    }
    return p;
}

QString TabHelpPage(int tab, bool editing, bool daySelected)
{
    const int state = !editing ? 1 : (daySelected ? 3 : 2);
    const auto page = [](const char* name) {
        return QStringLiteral("Html\\") + QLatin1String(name) + QStringLiteral(".htm");
    };
    switch (tab) {
    case TabCommands:
        return page("t_commands");
    case TabEvents:
        return page(state == 1 ? "t_events_1" : state == 2 ? "t_events_2" : "t_events_3");
    case TabAutoEvents:
        return page(state == 1 ? "t_aevents_1" : "t_aevents_2");
    case TabDebts:
        return page(state == 1 ? "t_debts_1" : "t_debts_2");
    case TabBirthdays:
        return page(state == 1 ? "t_bd_1" : "t_bd_2");
    case TabSummary:
        return page(state == 1 ? "t_sum_1" : state == 2 ? "t_sum_2" : "t_sum_3");
    default:
        return {};
    }
}

int LineToSelect(int requested, int count)
{
    if (requested >= 0 && requested < count) return requested;
    return count > 0 ? 0 : -1;
}
