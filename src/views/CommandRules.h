#pragma once
// Which commands of the main window are enabled and shown, as plain rules of the mode, the
// selected day and the selected list line.

#include "document/Session.h"

#include <QList>
#include <QString>
#include <optional>

// Tab indexes of the navigation panel's tab bar; the content panel of tab t is "PicTab" 5 - t.
enum TabIndex : int
{
    TabSummary = 0,
    TabBirthdays = 1,
    TabDebts = 2,
    TabAutoEvents = 3,
    TabEvents = 4,
    TabCommands = 5,
};
constexpr int kTabCount = 6;

// The caption of each tab, by tab index.
int TabCaption(int tab);

// Commands that the main window hands on to the document, printing, options and about code.
enum class ShellCommand
{
    New,
    Open,
    Save,
    SaveAs,
    Preview,
    Print,
    Options,
    About,
    Properties,
    Export,
    Import,
    Undo,
    Redo,
    Sync
};

// The command of a toolbar key ("New", "Prop"...) or of a commands-tab button ("CmdCONew"...);
// nothing for the keys and buttons the main window handles itself.
std::optional<ShellCommand> ToolbarCommand(const QString& key);
std::optional<ShellCommand> CommandsTabCommand(const QString& button);

struct ToolbarKey
{
    QString Key;
    int Tip = 0; // string number; 0 for a separator
    bool IsSeparator() const { return Tip == 0; }
};

// The toolbar's buttons and separators in their order.
const QList<ToolbarKey>& ToolbarKeys();

struct CommandState
{
    bool Enabled = false;
    bool Visible = false;
};

CommandState ToolbarState(const QString& key, MainMode mode, bool printerInstalled);

// Month number of "m01".."m12"; 0 for any other key.
int MonthOfKey(const QString& key);
QString MonthKey(int month);

// What a toolbar click does. Keys that need a document act only in "Edit" with no refill
// under way; New, Open, Options and Help act whatever the mode.
bool ToolbarKeyActs(const QString& key, MainMode mode, bool refreshInProgress);

// The list buttons of a tab for the selected line I (-1 none) of N lines.
struct ListButtonStates
{
    bool Edit = false;
    bool Remove = false;
    bool RemoveAll = false;
    bool Sort = false;
    bool Up = false;
    bool Down = false;
    bool UpdateCalendar = false;
    bool ShowPicture = false;
};
ListButtonStates ListButtons(int selected, int count, bool selectedHasPicture);

// The hint and work panels of a tab; E = a document is being edited, S = a day is selected.
struct PanelStates
{
    bool Hint = false;
    bool Work = false;
    bool StepOne = false;
    bool StepTwo = false;
};
PanelStates TabPanels(int tab, bool editing, bool daySelected);

// The help page of a tab's help button.
QString TabHelpPage(int tab, bool editing, bool daySelected);

// The line a refill selects: the requested one when it exists, else the first, else -1.
int LineToSelect(int requested, int count);
