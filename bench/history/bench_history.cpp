// Undo and Redo on the heavy document with its twelve month windows open. A hundred edits of
// every kind the windows make (entries added, edited, removed, ticked, moved, sorted, cut and
// pasted; auto-events, birthdays and accounts with their occurrences; month pictures and
// colours), each one step; then every step undone and redone, the document and the windows
// brought back each time; the memory the history holds after the hundred edits; and the change
// of year, undone and redone. The paint that follows a change of year draws every line of every
// day anew, as after Open (bench_monthwindows): a figure of the month grid, not of the history.
// Usage: bench_history

#include "HeavyMonthWindows.h"
#include "Timing.h"
#include "commands/DocumentCommands.h"
#include "entries/AutoEvents.h"
#include "entries/Birthdays.h"
#include "entries/DayEntries.h"
#include "entries/DebtsSavings.h"
#include "entries/Occurrences.h"
#include "platform/Prompter.h"
#include "properties/ApplyProperties.h"
#include "resources/Strings.h"

#include <algorithm>
#include <malloc.h>

namespace {

// "Changer l'année du calendrier ... continuer?": yes.
class YesPrompter : public UnattendedPrompter
{
public:
    PromptAnswer Ask(const PromptRequest&) override { return PromptAnswer::Yes; }
};

// What the program holds on its heap now, the large blocks of pictures included.
double HeapMiB()
{
    const struct mallinfo2 m = mallinfo2();
    return double(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

// OK in the properties dialog with one change made to its working copies.
void Properties(const std::function<void(PropertiesWork&)>& change)
{
    const CalendarDocument before = Session::Get().CurrentDocument;
    PropertiesWork work = PropertiesOf(before, YearChoices(2026));
    change(work);
    ApplyProperties(work);
    RebuildChangedMonths(before);
}

// The i-th edit, one step, as the windows' commands make it.
void Edit(int i)
{
    Session& s = Session::Get();
    CalendarDocument& doc = s.CurrentDocument;
    const int month = 1 + i % 12;
    const int cell = CellOfDate(MakeDate(1 + (i * 7) % 28, month, 2026));
    DayEntry entry;
    entry.EntryType = EntryEvent;
    entry.Description = QStringLiteral("Modification %1").arg(i);
    ChangeStep step(QStringLiteral("Modification %1").arg(i));
    switch (i % 10) {
    case 0:
        AppendUserEntry(month, cell, entry);
        break;
    case 1:
        ReplaceEntry(month, cell, 3, entry);
        break;
    case 2:
        RemoveEntry(month, cell, false, 5);
        break;
    case 3:
        SetTicked(month, cell, 1, !doc.Month(month).Cell(cell).Entries[1].Ticked);
        break;
    case 4:
        MoveEntry(month, cell, 2, 3);
        break;
    case 5:
        SortEntries(month, cell, i % 20 ? SortAtoZ : SortZtoA);
        break;
    case 6:
        CopyEntry(month, cell, 4, ClipboardCut);
        PasteEntry(1 + (month % 12), cell);
        break;
    case 7:
        if (i % 20 == 7) {
            const AutoEventDef def{KindMonthly,
                                   qint16(1 + i % 28),
                                   0,
                                   MakeDate(1, 1, 2026),
                                   MakeDate(31, 12, 2026),
                                   NewDefinitionKey(u"AE", doc.AE.AENextId, doc.AE.AutoEvents),
                                   entry.Description,
                                   EntryEvent};
            AutoEventDefs.Add(def);
            RunCalendarUpdate();
        } else {
            BirthdayDefs.Add({MakeDate(1 + i % 28, month, 1990),
                              NewDefinitionKey(u"BD", doc.BD.BDNextId, doc.BD.Birthdays), entry.Description});
            RunBirthdayUpdate();
        }
        break;
    case 8:
        DebtList.Add({i % 2 == 0, MakeDate(1, month, 2026), QStringLiteral("Compte%1  100").arg(i)});
        break;
    default:
        Properties([&](PropertiesWork& work) {
            if (i % 20 == 9) { // a month's picture out of the picture editor, brighter
                QImage brighter = work.Backgrounds[size_t(month)].Picture.copy();
                brighter.invertPixels();
                work.Backgrounds[size_t(month)].Picture = brighter;
            } else {
                work.Colours[size_t(month)].UseDefault = false;
                work.Colours[size_t(month)].Colour1 = 0x80FF80 + i;
            }
        });
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietPlatform);
    QApplication app(argc, argv);
    YesPrompter yes;
    Prompter::Install(&yes);

    Session& s = Session::Get();
    MainWindow main;
    OpenHeavyDocument(main);
    main.BuildMonthWindows();
    DocumentCommands::Get().BuildMonthWindow = [&](int month) { main.BuildMonthWindow(month); };
    PropertiesHooks& hooks = PropertiesHooks::Get();
    hooks.UpdateAutoEvents = &RunCalendarUpdate;
    hooks.UpdateBirthdays = &RunBirthdayUpdate;
    hooks.BuildMonthWindow = [&](int month) { main.BuildMonthWindow(month); };
    hooks.ReloadMonthWindows = [](const QList<int>& months) {
        DocumentCommands::Get().ReloadMonthWindows(months, {});
    };
    s.SetModified(PartAll, false);
    s.SavedDocument = s.CurrentDocument;
    s.History().Clear();
    QApplication::processEvents();
    ChangeHistory& history = s.History();

    std::printf("Undo and Redo, heavy document (%.1f MiB), twelve month windows open\n",
                double(DocumentBytes(s.CurrentDocument)) / (1024.0 * 1024.0));
    const auto paint = [&](int) {
        main.repaint();
        QApplication::processEvents();
    };
    const std::vector<double> painted = Time(10, paint);
    const std::vector<double> edits = Time(100, Edit);
    const double withHistory = HeapMiB();
    std::printf("%-56s median %8.3f  max %8.3f ms  (for comparison)\n",
                "an edit of any kind, recorded as a step", Median(QList<double>(edits.begin(), edits.end())),
                *std::max_element(edits.begin(), edits.end()));

    // Every step taken back, then done again: the document and the windows, not yet painted.
    std::vector<double> undo, redo;
    for (int i = 0; i < 100; ++i) undo.push_back(Time(1, [&](int) { history.Undo(); })[0]);
    for (int i = 0; i < 100; ++i) redo.push_back(Time(1, [&](int) { history.Redo(); })[0]);
    Report("undo of each of the 100 steps (document and windows)", undo, 16);
    Report("redo of each of the 100 steps (document and windows)", redo, 16);

    history.Clear();
    std::printf("%-56s %8.2f MiB  (target < 20)\n", "history after 100 edits, above the document",
                withHistory - HeapMiB());

    // Another year: one step that empties the calendar and places the definitions' occurrences.
    const std::vector<double> change = Time(1, [&](int) {
        ChangeStep step(Str(26061));
        Properties([](PropertiesWork& work) { work.Year = QStringLiteral("2027"); });
    });
    if (history.StepCount() != 1 || s.CurrentDocument.Year != u"2027") {
        std::printf("the change of year is not one step\n");
        return 1;
    }
    std::printf("%-56s %8.1f ms\n", "the change of year itself (for comparison)", change[0]);
    const double afterYear = HeapMiB();
    std::vector<double> yearUndo, yearRedo, yearPainted;
    for (int i = 0; i < 10; ++i) {
        yearUndo.push_back(Time(1, [&](int) { history.Undo(); })[0]);
        yearPainted.push_back(Time(1, paint)[0]);
        yearRedo.push_back(Time(1, [&](int) { history.Redo(); })[0]);
        QApplication::processEvents();
    }
    Report("undo of the change of year (document and windows)", yearUndo, 16);
    Report("redo of the change of year (document and windows)", yearRedo, 16);
    Report("  then the main window painted, another year in each month", yearPainted, 16);
    Report("  the main window painted, nothing changed (for comparison)", painted, 16);
    history.Clear();
    // The year it replaced is shared with the copy of the document as saved: little of it is
    // the history's own.
    std::printf("%-56s %8.2f MiB\n", "history holding the change of year, above the document",
                afterYear - HeapMiB());

    s.SetMode(MainMode::Unload);
    Prompter::Install(nullptr);
    return 0;
}
