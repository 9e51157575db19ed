// A day's road through the real program: open the example, pick a day, read its entries and
// totals, cut and paste, tick, sort, delete, save, quit and open again; and the document
// commands as the windows add to them (the save-parts dialog, New, Cancel everywhere).

#include "ProgramFixture.h"
#include "app/ShellCommands.h"
#include "commands/SavePartsDialog.h"
#include "entries/EventEditor.h"
#include "help/Help.h"
#include "platform/RefusalNote.h"
#include "resources/Strings.h"
#include "support/Widgets.h"

#include <QLabel>
#include <QMdiArea>

class TestDayRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void dayRoadFromOpeningToOpeningAgain()
    {
        QVERIFY(f->StartOnExample());
        MainWindow* main = f->Main();
        QCOMPARE(main->windowTitle(), u"Daybinder v2.1 - "_qs + f->example);
        // "00" in the current year: March, today's month, comes to the front.
        QCOMPARE(main->MdiArea()->activeSubWindow(), main->ExistingMonthWindow(3));
        for (int m = 1; m <= 12; ++m) QVERIFY(main->ExistingMonthWindow(m)->isVisible());

        // A day with an event and an expense: its lines and totals (95.50 rounds to 96).
        main->SetCurrentTab(TabEvents);
        f->ClickDay(8, 3);
        QCOMPARE(f->Events()->SelectedDateBox()->text().right(4), u"2026"_qs);
        QCOMPARE(f->EventsLines(), (QStringList{"(EV) - Vaccin du chat", "(DE) - Véto       95.50$"}));
        QCOMPARE(Find<QLabel>(f->Events(), "LblEVInTot")->text(), u"0$"_qs);
        QCOMPARE(Find<QLabel>(f->Events(), "LblEVOutTot")->text(), u"96$"_qs);
        QCOMPARE(Find<QLabel>(f->Events(), "LblEVTot")->text(), u"-96$"_qs);

        // Cut the event from the 8th, paste it on the 10th: it moves to the end of that day.
        f->CellMenu(8, 3, 0, MenuCut);
        f->CellMenu(10, 3, -1, MenuPaste);
        QCOMPARE(f->Grid(3)->Cell(CellOf(8, 3)).Lines[0].Text, u"Véto       95.50$"_qs);
        QCOMPARE(f->Grid(3)->Cell(CellOf(10, 3)).Lines[1].Text, u"Vaccin du chat"_qs);
        QCOMPARE(Session::Get().Clipboard.Mode, 0);
        QVERIFY(main->windowTitle().endsWith(u'*'));

        // Tick it in the list, sort Z-A, remove the other one.
        f->ClickDay(10, 3);
        QListWidget* list = f->Events()->List();
        QCOMPARE(f->EventsLines(), (QStringList{"(DE) - Hydro      110$", "(EV) - Vaccin du chat"}));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, ProgramFixture::CheckBoxOf(list, 1));
        QVERIFY(EntriesOn(10, 3)[1].Ticked);
        QVERIFY(f->Grid(3)->Cell(CellOf(10, 3)).Lines[1].Strike);
        ProgramFixture::Click(f->Events(), "Sort1");
        QCOMPARE(f->EventsLines(), (QStringList{"(EV) - Vaccin du chat", "(DE) - Hydro      110$"}));
        QCOMPARE(list->item(0)->checkState(), Qt::Checked);
        list->setCurrentRow(1);
        ProgramFixture::Click(f->Events(), "Remove");
        QCOMPARE(f->EventsLines(), QStringList{"(EV) - Vaccin du chat"});
        QCOMPARE(Find<QLabel>(f->Events(), "LblEVOutTot")->text(), u"0$"_qs);

        // Save: the save-parts dialog lists March's entries; Yes writes them.
        QStringList lines;
        WhenModal<SavePartsDialog>([&](SavePartsDialog* d) {
            for (int i = 0; i < d->PartList()->count(); ++i) lines.append(d->PartList()->item(i)->text());
            Press(d, "CmdYes");
        });
        f->ToolbarClick("Save");
        QCOMPARE(lines, QStringList{Str(231) + u"  ... "_qs + Str(212)});
        QVERIFY(!main->windowTitle().endsWith(u'*'));

        // Quit with the commands tab, start again on the file: everything as left.
        main->SetCurrentTab(TabCommands);
        QTest::mouseClick(main->Commands()->Button(u"CmdCOExit"_qs), Qt::LeftButton);
        QVERIFY(!main->isVisible());
        f->program.reset();
        QVERIFY(f->Start(f->example));
        QCOMPARE(Descriptions(EntriesOn(8, 3)), QStringList{"Véto       95.50"});
        QCOMPARE(Descriptions(EntriesOn(10, 3)), QStringList{"Vaccin du chat"});
        QVERIFY(EntriesOn(10, 3)[0].Ticked);
        QVERIFY(f->Grid(3)->Cell(CellOf(10, 3)).Lines[0].Strike);
        QVERIFY(Session::Get().CurrentDocument.IsSaved);
    }

    void removingTheLastLineSelectsTheFirst()
    {
        QVERIFY(f->StartOnExample());
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(23, 12); // seven events and an expense
        QListWidget* list = f->Events()->List();
        QCOMPARE(list->count(), 8);
        list->setCurrentRow(7);
        ProgramFixture::Click(f->Events(), "Remove");
        QCOMPARE(list->count(), 7);
        QCOMPARE(list->currentRow(), 0);
        // A cell of seven shows them all; "[...]" only from eight.
        QCOMPARE(f->Grid(12)->Cell(CellOf(23, 12)).Lines[6].Text, u"Ménage du salon"_qs);
        list->setCurrentRow(3);
        ProgramFixture::Click(f->Events(), "Remove");
        QCOMPARE(list->currentRow(), 3); // a line that still exists stays selected
        ProgramFixture::Click(f->Events(), "Clear");
        QCOMPARE(list->count(), 0);
        QVERIFY(!f->Events()->Button(u"Edit"_qs)->isEnabled());
        QCOMPARE(Find<QLabel>(f->Events(), "LblEVTot")->text(), u"0$"_qs);
    }

    void doubleClickEditsAndLeavesTheCheckMark()
    {
        QVERIFY(f->StartOnExample());
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(8, 3);
        QListWidget* list = f->Events()->List();
        const QList<DayEntry> before = EntriesOn(8, 3);
        for (const bool onTheBox : {true, false}) {
            list->setCurrentRow(0);
            QString title, description;
            WhenModal<EventEditor>([&](EventEditor* d) {
                title = d->windowTitle();
                description = Box(d, "TxtEV0")->text();
                d->reject();
            });
            const QRect r = list->visualItemRect(list->item(1));
            const QPoint at = onTheBox ? ProgramFixture::CheckBoxOf(list, 1) : r.center();
            ProgramFixture::DoubleClick(list->viewport(), at);
            QCOMPARE(title, u"Daybinder - Éditer un Événement"_qs);
            QCOMPARE(description, u"Véto"_qs); // the line double-clicked
            QCOMPARE(list->currentRow(), 1);
            QCOMPARE(list->item(1)->checkState(), before[1].Ticked ? Qt::Checked : Qt::Unchecked);
            QCOMPARE(EntriesOn(8, 3)[1].Ticked, before[1].Ticked);
        }
    }

    void saveOnAnUnnamedDocument()
    {
        QVERIFY(f->Start());
        MainWindow* main = f->Main();
        f->NewDocument();
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QCOMPARE(Session::Get().CurrentDocument.Year, u"2026"_qs);

        // Unchanged: Save asks for a path at once, in the program's file type, and writes.
        const QString first = f->dir.filePath(u"premier.cal"_qs);
        f->dialogs->Files = {first};
        f->ToolbarClick("Save");
        const FileDialogRequest& asked = f->dialogs->Saved.value(0);
        QCOMPARE(asked.Filter, Str(10050));
        QCOMPARE(asked.FilterIndex, 2);
        QCOMPARE(asked.DefaultExtension, u"cal"_qs);
        QVERIFY(asked.OverwritePrompt);
        QVERIFY(QFile::exists(first));
        QCOMPARE(main->windowTitle(), u"Daybinder v2.1 - "_qs + first);

        // Changed and unnamed again (New): the save-parts dialog first, then the path.
        f->NewDocument();
        f->ClickDay(20, 3);
        AppendEntry(3, CellOf(20, 3), Event(u"Piscine"_qs));
        const QString second = f->dir.filePath(u"second.cal"_qs);
        f->dialogs->Files = {second};
        int pathsAskedBefore = -1;
        WhenModal<SavePartsDialog>([&](SavePartsDialog* d) {
            QVERIFY(Find<QLabel>(d, "LblQuestion")->text().contains(Str(540)));
            pathsAskedBefore = int(f->dialogs->Saved.size());
            Press(d, "CmdYes");
        });
        main->SetCurrentTab(TabCommands);
        QTest::mouseClick(main->Commands()->Button(u"CmdCOSave"_qs), Qt::LeftButton);
        QCOMPARE(pathsAskedBefore, 1); // only the first save's
        QCOMPARE(f->dialogs->Saved.size(), 2);
        QVERIFY(QFile::exists(second));
        QVERIFY(Session::Get().CurrentDocument.IsSaved);
    }

    void noInTheDialogOfNewDropsTheChanges()
    {
        QVERIFY(f->StartOnExample());
        const QByteArray onDisk = FileBytes(f->example);
        RemoveEntry(3, CellOf(8, 3), true, -1);
        WhenModal<SavePartsDialog>([](SavePartsDialog* d) { Press(d, "CmdNo"); });
        f->NewDocument();
        const CalendarDocument& doc = Doc();
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QVERIFY(doc.FilePath.isEmpty() && doc.IsSaved && doc.DE.DebtsSavings.isEmpty());
        QVERIFY(EntriesOn(10, 3).isEmpty());
        QVERIFY(f->Grid(3)->Cell(CellOf(10, 3)).Lines[0].Text.isEmpty());
        QCOMPARE(FileBytes(f->example), onDisk);
    }

    void deselectedPartIsWrittenAsLastSavedAndDropped()
    {
        QVERIFY(f->StartOnExample());
        MainWindow* main = f->Main();
        main->SetCurrentTab(TabDebts);
        f->Debts()->List()->setCurrentRow(0);
        ProgramFixture::Click(f->Debts(), "Remove");
        QCOMPARE(f->Debts()->List()->count(), 1);
        RemoveEntry(3, CellOf(8, 3), true, -1);

        // The debts line is left out: the file keeps both accounts, the window drops the change.
        WhenModal<SavePartsDialog>([](SavePartsDialog* d) {
            QListWidget* parts = d->PartList();
            QCOMPARE(parts->count(), 2);
            QCOMPARE(parts->item(0)->text(), Str(233));
            const QRect r = parts->visualItemRect(parts->item(0));
            QTest::mouseClick(parts->viewport(), Qt::LeftButton, {}, r.center());
            QVERIFY(!parts->item(0)->isSelected());
            Press(d, "CmdYes");
        });
        f->ToolbarClick("Save");
        QCOMPARE(f->Debts()->List()->count(), 2);
        QCOMPARE(Doc().DE.DECount(), 2);
        QVERIFY(EntriesOn(8, 3).isEmpty());
        QVERIFY(Doc().IsSaved);

        f->Quit();
        QVERIFY(f->Start(f->example));
        QCOMPARE(Doc().DE.DECount(), 2);
        QVERIFY(EntriesOn(8, 3).isEmpty());
    }

    void cancelEverywhereLeavesDocumentAndDisk()
    {
        QVERIFY(f->StartOnExample());
        MainWindow* main = f->Main();
        const QByteArray onDisk = FileBytes(f->example);
        RemoveEntry(3, CellOf(8, 3), false, 0);
        const QList<DayEntry> changed = EntriesOn(8, 3);

        int asked = 0;
        const auto cancel = [&] {
            WhenModal<SavePartsDialog>([&](SavePartsDialog* d) {
                ++asked;
                Press(d, "CmdCancel");
            });
        };
        cancel();
        f->ToolbarClick("Save");
        main->SetCurrentTab(TabCommands);
        QTest::mouseClick(main->Commands()->Button(u"CmdCOSaveAs"_qs),
                          Qt::LeftButton); // no file chosen
        QCOMPARE(f->dialogs->Saved.size(), 1);
        cancel();
        f->ToolbarClick("New");
        f->dialogs->Files = {f->Example(u"autre.cal"_qs)};
        cancel();
        f->ToolbarClick("Open");
        cancel();
        QVERIFY(!main->close());

        QCOMPARE(asked, 4);
        QVERIFY(main->isVisible());
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QCOMPARE(Doc().FilePath, f->example);
        QCOMPARE(EntriesOn(8, 3).size(), changed.size());
        QVERIFY(main->windowTitle().endsWith(u'*'));
        QCOMPARE(FileBytes(f->example), onDisk);
    }

    void aDamagedFileLeavesTheProgramAtItsLogo()
    {
        QVERIFY(f->StartOnExample());
        QByteArray bytes = FileBytes(f->example);
        bytes.truncate(bytes.size() / 2);
        const QString damaged = f->dir.filePath(u"abime.cal"_qs);
        QVERIFY(SaveBytes(damaged, bytes));

        f->dialogs->Files = {damaged};
        f->ToolbarClick("Open");
        QCOMPARE(f->prompter.Asked.size(), 1);
        QVERIFY(f->prompter.Asked[0].Text.contains(damaged));
        QCOMPARE(Session::Get().Mode(), MainMode::Logo);
        QVERIFY(Doc().FilePath.isEmpty());
        QVERIFY(Doc().DE.DebtsSavings.isEmpty()); // nothing half read is kept
        for (int m = 1; m <= 12; ++m) QVERIFY(!f->Main()->ExistingMonthWindow(m)->isVisible());
        QCOMPARE(FileBytes(damaged), bytes);
    }

    // "Date choisie:" names a day of the open document only: New and a failed open clear it.
    void theSelectedDateGoesWithItsDocument()
    {
        QVERIFY(f->StartOnExample());
        EventsTab* tab = f->Events();
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(22, 12);
        QVERIFY(!tab->SelectedDateBox()->text().isEmpty());
        QVERIFY(tab->WorkPanel()->isVisible());

        f->NewDocument();
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QVERIFY(tab->StepTwo()->isVisible());
        QCOMPARE(tab->SelectedDateBox()->text(), QString());

        f->ClickDay(22, 12);
        QVERIFY(!tab->SelectedDateBox()->text().isEmpty());
        const QString damaged = f->dir.filePath(u"abime.cal"_qs);
        QVERIFY(SaveBytes(damaged, "PK\x03\x04 pas une archive"));
        f->dialogs->Files = {damaged};
        f->ToolbarClick("Open");
        QCOMPARE(Session::Get().Mode(), MainMode::Logo);
        QVERIFY(tab->StepOne()->isVisible());
        QCOMPARE(tab->SelectedDateBox()->text(), QString());
    }

    // Every text box of the program tells a refused character at the box; the rest goes in.
    void refusedCharactersAreToldInTheEditors()
    {
        QVERIFY(f->StartOnExample());
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(10, 3);
        QString kept, note;
        WhenModal<EventEditor>([&](EventEditor* d) {
            QTest::keyClicks(Find(d, "TxtEV0"), "Dit \"oui\"");
            kept = Box(d, "TxtEV0")->text();
            if (QLabel* shown = VisibleRefusalNote()) note = shown->text();
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(f->Events(), "Add");
        QCOMPARE(kept, u"Dit oui"_qs);
        QCOMPARE(note, Str(20001));
        QCOMPARE(Descriptions(EntriesOn(10, 3)).last(), u"Dit oui"_qs);
        QVERIFY(!VisibleRefusalNote()); // gone with its dialog
    }

    // A command whose window is not built yet must not look usable, on the toolbar or the
    // commands tab; once a handler exists the same button works.
    void commandsWithoutAWindowAreDisabled()
    {
        QVERIFY(f->StartOnExample());
        MainToolbar* bar = f->Main()->Toolbar();
        CommandsTab* co = f->Main()->Commands();
        f->Main()->SetCurrentTab(TabCommands);
        for (const ToolbarKey& k : ToolbarKeys()) {
            const auto command = ToolbarCommand(k.Key);
            if (command && !HasShellCommandHandler(*command))
                QVERIFY2(!bar->Action(k.Key)->isEnabled(), qPrintable(k.Key));
        }
        for (const char* name : {"CmdCOPreview", "CmdCOPrint", "CmdCOOptions", "CmdCOAbout"}) {
            const auto command = CommandsTabCommand(QLatin1String(name));
            QCOMPARE(co->Button(QLatin1String(name))->isEnabled(), HasShellCommandHandler(*command));
        }
        const bool helpPages = !HelpPageFile(u"Html\\index.htm"_qs).isEmpty();
        QCOMPARE(bar->Action(u"Help"_qs)->isEnabled(), helpPages);
        QVERIFY(bar->Action(u"Save"_qs)->isEnabled() && co->Button(u"CmdCOSaveAs"_qs)->isEnabled());

        // A handler registered later (as a new window's wiring does) enables its button.
        const bool hadAbout = HasShellCommandHandler(ShellCommand::About);
        int ran = 0;
        SetShellCommandHandler(ShellCommand::About, CommandGuard::Always, [&ran] { ++ran; });
        f->Main()->UpdateCommandStates(true);
        QTest::mouseClick(co->Button(u"CmdCOAbout"_qs), Qt::LeftButton);
        QCOMPARE(ran, 1);
        if (!hadAbout) SetShellCommandHandler(ShellCommand::About, CommandGuard::Always, nullptr);
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestDayRoad)
#include "tst_dayroad.moc"
