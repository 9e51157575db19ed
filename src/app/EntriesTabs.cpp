#include "app/EntriesTabs.h"

#include "app/PicturesWiring.h"
#include "document/Session.h"
#include "entries/AccountEditor.h"
#include "entries/AutoEventEditor.h"
#include "entries/AutoEvents.h"
#include "entries/Balances.h"
#include "entries/BirthdayEditor.h"
#include "entries/Birthdays.h"
#include "entries/DayEntries.h"
#include "entries/DebtsSavings.h"
#include "entries/EntryText.h"
#include "entries/EventEditor.h"
#include "entries/Occurrences.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"
#include "views/MainWindow.h"
#include "views/Tabs.h"

namespace {

// List commands act while a document is open and no list is being refilled.
bool ListCommandsAct()
{
    const Session& s = Session::Get();
    return s.Mode() == MainMode::Edit && !s.RefreshInProgress;
}

// The commands a list's buttons run on its selected line; the buttons' enabling keeps the line
// valid, and every operation ignores one that is not.
struct ListCommands
{
    std::function<void(int line)> Add, Edit, Remove, Clear;
    std::function<void(int from, int to)> Move;
    std::function<void(int order)> Sort;
    std::function<void(int line)> ShowPicture; // the events tab only
    // The name of the step an Add made, when it depends on what was added.
    std::function<QString()> AddedName;
    // The names of the steps: Add, Edit, Remove, Clear, Up, Down and Sort from this number on.
    int Steps = 0;
};

// The step name of a button; 0 for a button that is no change of the list.
int StepOfButton(const ListCommands& c, const QString& name)
{
    static const QStringList order = {u"Add"_qs, u"Edit"_qs, u"Remove"_qs, u"Clear"_qs, u"Up"_qs, u"Down"_qs};
    if (name == u"Sort0" || name == u"Sort1") return c.Steps + 6;
    if (name == u"ShowPic") return c.ShowPicture ? 26023 : 0;
    const qsizetype i = order.indexOf(name);
    return i < 0 ? 0 : c.Steps + int(i);
}

// Every button is one step of the history, with what it changes in the lists and the days.
void ConnectButtons(ListTab* tab, const std::function<bool()>& acts, const ListCommands& c)
{
    QObject::connect(tab, &ListTab::ButtonClicked, tab, [tab, acts, c](const QString& name) {
        const int stepName = StepOfButton(c, name);
        if (!stepName || !acts()) return;
        ChangeStep step(Str(stepName));
        const int line = tab->SelectedLine();
        if (name == u"Add") {
            c.Add(line);
            if (c.AddedName) step.Rename(c.AddedName());
        } else if (name == u"Edit")
            c.Edit(line);
        else if (name == u"Remove")
            c.Remove(line);
        else if (name == u"Clear")
            c.Clear(line);
        else if (name == u"Up")
            c.Move(line, line - 1);
        else if (name == u"Down")
            c.Move(line, line + 1);
        else if (name == u"Sort0")
            c.Sort(SortAtoZ);
        else if (name == u"Sort1")
            c.Sort(SortZtoA);
        else if (name == u"ShowPic")
            c.ShowPicture(line);
    });
    // A double-click edits the line (the tab has already put back its check mark).
    QObject::connect(tab, &ListTab::LineDoubleClicked, tab, [tab, acts, c](int line) {
        if (!acts() || line < 0 || line >= tab->LineCount()) return;
        ChangeStep step(Str(StepOfButton(c, u"Edit"_qs)));
        c.Edit(line);
    });
}

// The balance under a list for the selected day and line, refreshed on every click, change of
// line and refill. rule is EventsTabBalance or DebtsTabBalance.
template <class Tab>
void FollowBalance(Tab* tab, BalanceLabels (*rule)(const CalendarDocument&, int, int, const DateRec&, int))
{
    const auto show = [tab, rule] {
        const Selection& sel = Session::Get().Selected;
        const BalanceLabels b =
            rule(Session::Get().CurrentDocument, sel.Month, sel.Cell, sel.Date, tab->SelectedLine());
        ShowBalanceLabels(tab->Balance(), b.Visible, b.Caption, b.Value);
    };
    QObject::connect(tab, &ListTab::Refilled, tab, show);
    QObject::connect(tab, &ListTab::LineClicked, tab, show);
    QObject::connect(tab, &ListTab::SelectionChanged, tab, show);
}

// ---- events tab

bool DayCommandsAct()
{
    return ListCommandsAct() && Session::Get().Selected.Valid();
}

QList<ListLine> SelectedDayLines()
{
    const Session& s = Session::Get();
    QList<ListLine> lines;
    for (const EventsLine& l : EventsListLines(s.CurrentDocument, s.Selected.Month, s.Selected.Cell))
        lines.append({l.Text, true, l.Checked, l.HasPicture});
    return lines;
}

void ShowDayTotals(EventsTab* tab)
{
    const Selection& sel = Session::Get().Selected;
    const DayTotals t = TotalsOfDay(Session::Get().CurrentDocument, sel.Month, sel.Cell);
    tab->SetTotals(t.Incomes, t.Expenses, t.Total);
}

// The step name of an Add on the events tab: what the day's last entry is.
int AddedEntryStep(const DayCell* day)
{
    const qint32 type = day && !day->Entries.isEmpty() ? day->Entries.last().EntryType : EntryEvent;
    return type == EntryIncome ? 26017 : type == EntryExpense ? 26018 : 26010;
}

QList<ListLine> PlainLines(const QStringList& texts)
{
    QList<ListLine> lines;
    lines.reserve(texts.size());
    for (const QString& text : texts) lines.append({text});
    return lines;
}

// ---- debts tab

QList<ListLine> DebtsTabLines()
{
    return PlainLines(DebtListLines(Session::Get().CurrentDocument));
}

// ---- auto-events and birthdays tabs

// A definition tab: every change of a definition is followed by its update, which places the
// new occurrences and removes the stale ones; "Mise à jour du calendrier" runs it on demand.
template <class T>
void ConnectDefinitionTab(MainWindow& main, int tabIndex, const DefinitionList<T>& list,
                          QStringList (*lines)(const CalendarDocument&),
                          int (*runEditor)(QWidget*, int mode, int line), void (*update)(), int steps)
{
    ListTab* tab = main.ListPage(tabIndex);
    tab->Lines = [lines] { return PlainLines(lines(Session::Get().CurrentDocument)); };
    ListCommands c;
    c.Add = [&main, runEditor, update](int) {
        if (runEditor(&main, EditorAdd, -1)) update();
    };
    c.Edit = [&main, runEditor, update](int line) {
        if (runEditor(&main, EditorEdit, line)) update();
    };
    c.Remove = [&list, update](int line) {
        if (list.Remove(line)) update();
    };
    c.Clear = [&list, update](int) {
        list.RemoveAll();
        update();
    };
    c.Move = [&list](int from, int to) { list.Move(from, to); };
    c.Sort = [&list](int order) { list.Sort(order); };
    c.Steps = steps;
    ConnectButtons(tab, ListCommandsAct, c);
    QObject::connect(tab, &ListTab::ButtonClicked, tab, [update](const QString& name) {
        if (name != u"Update" || !ListCommandsAct()) return;
        {
            ChangeStep step(Str(266));
            update();
        }
        ShowMessage(QStringLiteral("Daybinder"), Str(10057), PromptIcon::Information);
    });
}

} // namespace

void ConnectEventsTab(MainWindow& main)
{
    EventsTab* tab = main.Events();
    tab->Lines = SelectedDayLines;
    QObject::connect(tab, &ListTab::Refilled, tab, [tab] { ShowDayTotals(tab); });
    FollowBalance(tab, &EventsTabBalance);
    QObject::connect(tab, &ListTab::LineChecked, tab, [](int line, bool checked) {
        const Selection& sel = Session::Get().Selected;
        if (!DayCommandsAct()) return;
        ChangeStep step(Str(checked ? 26020 : 26021));
        SetTicked(sel.Month, sel.Cell, line, checked);
    });

    // Each operation asks for the refill on its own line and redraws the day's cell.
    const auto day = [] { return Session::Get().Selected; };
    ListCommands c;
    c.Add = [&main](int) { RunEventEditor(&main, EditorAdd, -1); };
    c.Edit = [&main](int line) { RunEventEditor(&main, EditorEdit, line); };
    c.Remove = [day](int line) { RemoveEntry(day().Month, day().Cell, false, line); };
    c.Clear = [day](int) { RemoveEntry(day().Month, day().Cell, true, -1); };
    c.Move = [day](int from, int to) { MoveEntry(day().Month, day().Cell, from, to); };
    c.Sort = [day](int order) { SortEntries(day().Month, day().Cell, order); };
    c.ShowPicture = [&main, day](int line) { ShowEntryPicture(&main, day().Month, day().Cell, line); };
    c.AddedName = [day] { return Str(AddedEntryStep(DayOf(day().Month, day().Cell))); };
    c.Steps = 26010;
    ConnectButtons(tab, DayCommandsAct, c);

    QObject::connect(&main, &MainWindow::PasteRequested, tab, [](int month, int cell) {
        if (!ListCommandsAct()) return;
        ChangeStep step(Str(26019));
        PasteEntry(month, cell);
    });
    QObject::connect(&main, &MainWindow::DeleteRequested, tab, [](int month, int cell, int line) {
        if (!ListCommandsAct()) return;
        ChangeStep step(Str(26012));
        RemoveEntry(month, cell, false, line);
    });
}

void ConnectDebtsTab(MainWindow& main)
{
    DebtsTab* tab = main.Debts();
    tab->Lines = DebtsTabLines;
    FollowBalance(tab, &DebtsTabBalance);

    ListCommands c;
    c.Add = [&main](int) { RunDebtEditor(&main, EditorAdd, -1); };
    c.Edit = [&main](int line) { RunDebtEditor(&main, EditorEdit, line); };
    c.Remove = [](int line) { DebtList.Remove(line); };
    c.Clear = [](int) { DebtList.RemoveAll(); };
    c.Move = [](int from, int to) { DebtList.Move(from, to); };
    c.Sort = [](int order) { DebtList.Sort(order); };
    c.Steps = 26040;
    ConnectButtons(tab, ListCommandsAct, c);
}

void ConnectAutoEventsTab(MainWindow& main)
{
    ConnectDefinitionTab(main, TabAutoEvents, AutoEventDefs, &AutoEventListLines, &RunAutoEventEditor,
                         &RunCalendarUpdate, 26030);
}

void ConnectBirthdaysTab(MainWindow& main)
{
    ConnectDefinitionTab(main, TabBirthdays, BirthdayDefs, &BirthdayListLines, &RunBirthdayEditor,
                         &RunBirthdayUpdate, 26050);
}
