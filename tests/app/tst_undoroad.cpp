// Undo and Redo through the real program: every kind of change made in the windows is taken back
// and done again with the toolbar, the keyboard and the commands tab, the document each time as
// it was; the month windows, the open tab and the caption follow; the history starts again with
// each document.

#include "ProgramFixture.h"
#include "alarms/AlertWindow.h"
#include "document/DateText.h"
#include "document/DocumentChanges.h"
#include "entries/AutoEventEditor.h"
#include "entries/BirthdayEditor.h"
#include "entries/EntryText.h"
#include "entries/EventEditor.h"
#include "interchange/ImportDialog.h"
#include "resources/Strings.h"

#include <QDateEdit>
#include <QToolButton>

namespace {

QAction* ToolbarAction(const ProgramFixture& f, const char* key)
{
    return f.Main()->Toolbar()->Action(QLatin1String(key));
}

} // namespace

class TestUndoRoad : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        f = std::make_unique<ProgramFixture>();
        states.clear();
        names.clear();
    }
    void cleanup() { f.reset(); }

    void everyChangeOfTheDaysAndListsIsTakenBackAndDoneAgain()
    {
        QVERIFY(f->StartOnExample());
        MainWindow* main = f->Main();
        states.append(Doc());
        main->SetCurrentTab(TabEvents);
        f->ClickDay(8, 3);

        WhenModal<EventEditor>([](EventEditor* d) {
            Check(d, "ChkEV0")->click();
            QTest::keyClicks(Box(d, "TxtEV0"), "Prime");
            Retype(Box(d, "TxtEV1"), "200");
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(f->Events(), "Add");
        Changed(26017); // "Ajouter un revenu"
        WhenModal<EventEditor>([](EventEditor* d) {
            Retype(Box(d, "TxtEV0"), "Vaccin du chien");
            Press(d, "CmdOk");
        });
        QListWidget* list = f->Events()->List();
        ProgramFixture::DoubleClick(list->viewport(), list->visualItemRect(list->item(0)).center());
        Changed(26011);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, ProgramFixture::CheckBoxOf(list, 1));
        Changed(26021); // the vet's bill was ticked off
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, ProgramFixture::CheckBoxOf(list, 1));
        Changed(26020);
        list->setCurrentRow(0);
        ProgramFixture::Click(f->Events(), "Down");
        Changed(26015);
        ProgramFixture::Click(f->Events(), "Sort0");
        Changed(26016);
        list->setCurrentRow(2);
        ProgramFixture::Click(f->Events(), "Remove");
        Changed(26012);
        f->CellMenu(8, 3, 0, MenuCut);
        f->CellMenu(10, 3, -1, MenuPaste);
        Changed(26019);
        f->ClickDay(23, 12);
        ProgramFixture::Click(f->Events(), "Clear");
        Changed(26013);

        // An occurrence removed by hand comes back with the update of the birthdays.
        f->ClickDay(28, 3);
        list->setCurrentRow(f->EventsLines().indexOf(u"(EV) - AN:Léa"_qs));
        ProgramFixture::Click(f->Events(), "Remove");
        Changed(26012);
        main->SetCurrentTab(TabBirthdays);
        ListTab* birthdays = main->ListPage(TabBirthdays);
        ProgramFixture::Click(birthdays, "Update");
        Changed(266);

        // Definitions with the occurrences they place or remove.
        WhenModal<BirthdayEditor>([](BirthdayEditor* d) {
            QTest::keyClicks(Box(d, "TxtGen"), "Hugo");
            Find<QDateEdit>(d, "DtGen")->setDate(QDate(2019, 6, 2));
            Press(d, "CmdOk");
        });
        ProgramFixture::Click(birthdays, "Add");
        Changed(26050);
        QCOMPARE(Descriptions(EntriesOn(2, 6)).count(u"AN:Hugo"_qs), 1);
        ProgramFixture::Click(birthdays, "Clear");
        Changed(26053);
        QVERIFY(!Descriptions(EntriesOn(28, 3)).contains(u"AN:Léa"_qs));
        main->SetCurrentTab(TabAutoEvents);
        ListTab* autoEvents = main->ListPage(TabAutoEvents);
        autoEvents->List()->setCurrentRow(0);
        ProgramFixture::Click(autoEvents, "Remove");
        Changed(26032);
        main->SetCurrentTab(TabDebts);
        f->Debts()->List()->setCurrentRow(0);
        ProgramFixture::Click(f->Debts(), "Remove");
        Changed(26042);

        WalkBackAndForth();
    }

    void aPictureAnAlarmAnImportAndThePropertiesAreStepsToo()
    {
        const QString picture = f->PictureFile(u"plage.bmp"_qs, QSize(80, 60), qRgb(250, 10, 0));
        QVERIFY(f->StartOnExample());
        DayEntry outing = Event(u"Plage"_qs);
        outing.PicturePath = picture;
        outing.Picture = QImage(picture);
        outing.AlarmOn = true;
        outing.AlarmDaysBefore = 30;
        AppendEntry(4, CellOf(2, 4), outing);
        Session::Get().History().Clear(); // the test's own start
        states.append(Doc());

        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(2, 4);
        WhenModal<PictureEditor>([](PictureEditor* editor) {
            ProgramFixture::Brighten(editor, 30);
            Press(editor, u"CmdOk"_qs);
        });
        ProgramFixture::Click(f->Events(), "ShowPic");
        Changed(26023);

        WhenModal<AlertWindow>([](AlertWindow* w) {
            if (!Check(w, "ChkALOff")->isChecked()) Check(w, "ChkALOff")->click();
            Press(w, "CmdOk");
        });
        DocumentCommands::Get().RunAlarmCheck();
        Changed(26022);
        QVERIFY(!EntriesOn(2, 4).last().AlarmOn);

        const QString ics = f->dir.filePath(u"printemps.ics"_qs);
        QVERIFY(SaveBytes(ics, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//T//FR\r\n"
                               "BEGIN:VEVENT\r\nUID:p\r\nDTSTAMP:20260101T000000Z\r\n"
                               "DTSTART;VALUE=DATE:20260320\r\nDTEND;VALUE=DATE:20260323\r\n"
                               "SUMMARY:Printemps\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"));
        f->dialogs->Files = {ics};
        WhenModal<ImportDialog>([](ImportDialog* d) { Press(d, u"CmdBrowse"_qs); });
        f->Main()->SetCurrentTab(TabCommands);
        QTest::mouseClick(f->Main()->Commands()->Button(u"CmdCOImport"_qs), Qt::LeftButton);
        Changed(27026);
        QCOMPARE(EntriesOn(22, 3).last().Description, u"Printemps"_qs);

        f->dialogs->Colours = {0x00E0FF};
        WhenModal<PropertiesDialog>([](PropertiesDialog* d) {
            Retype(Box(d, "TxtAuthor"), "Famille");
            ProgramFixture::Select(d, d->ColoursItem(5));
            Check(d, "ChkCol0")->click();
            Find<QToolButton>(d, "PicSelCol6")->click(); // the cells' background
            Press(d, "CmdOk");
        });
        f->ToolbarClick("Prop");
        Changed(26060);
        QCOMPARE(f->Grid(5)->Cell(CellOf(20, 5)).Back, 0x00E0FF);

        WalkBackAndForth();
        ShowsInTheWindows();
    }

    void anotherYearIsOneStepAndTakingItBackBringsTheFileBack()
    {
        QVERIFY(f->StartOnExample());
        MainWindow* main = f->Main();
        main->SetCurrentTab(TabEvents);
        const CalendarDocument before = Doc();
        f->AnotherYear(u"2027"_qs);
        QCOMPARE(Doc().Year, u"2027"_qs);
        QCOMPARE(main->windowTitle(), u"Daybinder v2.1 - [Sans nom]*"_qs);
        QCOMPARE(ToolbarAction(*f, "Undo")->toolTip(), u"Annuler : Changer l'année du calendrier"_qs);
        const CalendarDocument after = Doc();
        f->ClickDay(8, 3); // a Monday in 2027, a Sunday in 2026

        f->ToolbarClick("Undo");
        QVERIFY(SameContent(Doc(), before));
        QCOMPARE(main->windowTitle(), u"Daybinder v2.1 - "_qs + f->example); // as on disk
        QCOMPARE(main->ExistingMonthWindow(3)->windowTitle(), u"Mars 2026"_qs);
        QCOMPARE(f->Grid(3)->Cell(CellOf(8, 3)).Lines[0].Text, u"Vaccin du chat"_qs);
        // The 8th of March stays chosen, in its cell of 2026, and the tab shows it.
        QCOMPARE(Session::Get().Selected.Cell, CellOf(8, 3));
        QCOMPARE(f->Events()->SelectedDateBox()->text(), ShortDateText(MakeDate(8, 3, 2026)));
        QCOMPARE(f->EventsLines().value(0), u"(EV) - Vaccin du chat"_qs);

        QVERIFY(ActivateMain());
        QTest::keyClick(main, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(SameContent(Doc(), after));
        QVERIFY(Doc().FilePath.isEmpty());
        QCOMPARE(main->ExistingMonthWindow(3)->windowTitle(), u"Mars 2027"_qs);
        QVERIFY(f->Grid(3)->Cell(CellOf(8, 3)).Lines[0].Text.isEmpty());
    }

    void theCommandsFollowTheModeAndEachDocumentHasItsOwnHistory()
    {
        QVERIFY(f->Start());
        QAction* undo = ToolbarAction(*f, "Undo");
        QAction* redo = ToolbarAction(*f, "Redo");
        QPushButton* undoLine = f->Main()->Commands()->Button(u"CmdCOUndo"_qs);
        QVERIFY(!undo->isEnabled() && !redo->isEnabled() && !undoLine->isEnabled()); // at the logo
        QCOMPARE(undo->toolTip(), u"Annuler"_qs);
        QCOMPARE(undo->shortcut(), QKeySequence(u"Ctrl+Z"_qs));
        QCOMPARE(redo->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(u"Ctrl+Shift+Z"_qs), QKeySequence(u"Ctrl+Y"_qs)}));

        f->dialogs->Files = {f->Example()};
        f->ToolbarClick("Open");
        QVERIFY(!undo->isEnabled()); // nothing done yet
        RemoveFirstOf(8, 3);
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->toolTip(), u"Annuler : Supprimer l'entrée"_qs);
        f->Main()->SetCurrentTab(TabCommands);
        QVERIFY(undoLine->isEnabled());
        QCOMPARE(undoLine->toolTip(), undo->toolTip());
        Session::Get().SetMode(MainMode::Load); // a long operation under way
        QVERIFY(!undo->isEnabled() && !undoLine->isEnabled());
        Session::Get().SetMode(MainMode::Edit);

        // Saving keeps the history: undoing past the save is a change again.
        f->Save();
        QVERIFY(undo->isEnabled());
        QVERIFY(ActivateMain());
        QTest::keyClick(f->Main(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(EntriesOn(8, 3).size(), 2);
        QVERIFY(f->Main()->windowTitle().endsWith(u'*'));
        QCOMPARE(redo->toolTip(), u"Rétablir : Supprimer l'entrée"_qs);
        QTest::keyClick(f->Main(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!f->Main()->windowTitle().endsWith(u'*'));

        // Parts left out of a save are dropped, and Undo brings them back.
        RemoveFirstOf(8, 3);
        f->Main()->SetCurrentTab(TabDebts);
        f->Debts()->List()->setCurrentRow(0);
        ProgramFixture::Click(f->Debts(), "Remove");
        WhenModal<SavePartsDialog>([](SavePartsDialog* d) {
            d->PartList()->item(0)->setSelected(false); // the accounts
            Press(d, "CmdYes");
        });
        f->ToolbarClick("Save");
        QCOMPARE(Doc().DE.DebtsSavings.size(), 2);
        QCOMPARE(undo->toolTip(), u"Annuler : "_qs + Str(26005));
        f->Main()->SetCurrentTab(TabCommands);
        QTest::mouseClick(undoLine, Qt::LeftButton);
        QCOMPARE(Doc().DE.DebtsSavings.size(), 1);
        QVERIFY(Doc().DE.DEModified && !Doc().Month(3).EntriesModified);

        // New starts another history.
        WhenModal<SavePartsDialog>([](SavePartsDialog* d) { Press(d, "CmdNo"); });
        f->NewDocument();
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    }

private:
    // A change made: its name is what Undo offers, and the document is kept to compare.
    void Changed(int name)
    {
        QCOMPARE(ToolbarAction(*f, "Undo")->toolTip(), Str(26001) + u" : "_qs + Str(name));
        QVERIFY2(!SameContent(Doc(), states.last()), qPrintable(Str(name)));
        states.append(Doc());
        names.append(Str(name));
    }

    // Every change undone with the toolbar, then redone, the document as it was at each step;
    // back at the start the file on disk and the document agree again.
    void WalkBackAndForth()
    {
        for (qsizetype i = states.size() - 1; i > 0; --i) {
            f->ToolbarClick("Undo");
            QVERIFY2(SameContent(Doc(), states[i - 1]), qPrintable(names[i - 1]));
            QVERIFY2(GridsShowTheDocument(), qPrintable(names[i - 1]));
            QCOMPARE(ToolbarAction(*f, "Redo")->toolTip(), Str(26002) + u" : "_qs + names[i - 1]);
        }
        QVERIFY(!ToolbarAction(*f, "Undo")->isEnabled());
        QCOMPARE(f->Main()->windowTitle().endsWith(u'*'),
                 !SameContent(states[0], Session::Get().SavedDocument));
        for (qsizetype i = 1; i < states.size(); ++i) {
            f->ToolbarClick("Redo");
            QVERIFY2(SameContent(Doc(), states[i]), qPrintable(names[i - 1]));
            QVERIFY2(GridsShowTheDocument(), qPrintable(names[i - 1]));
        }
        QVERIFY(!ToolbarAction(*f, "Redo")->isEnabled());
        QVERIFY(f->Main()->windowTitle().endsWith(u'*'));
    }

    // Every line of every day cell as the document has it now.
    bool GridsShowTheDocument() const
    {
        for (int m = 1; m <= 12; ++m)
            for (int c = kFirstCell; c <= kLastCell; ++c) {
                const auto shown = f->Grid(m)->Cell(c).Lines;
                const auto lines = CellLines(Doc(), m, c);
                for (size_t n = 0; n < lines.size(); ++n)
                    if (shown[n].Text != lines[n].Text || shown[n].Strike != lines[n].Strike) return false;
            }
        return true;
    }

    // The windows show the document after the last redo: days, tab and balances.
    void ShowsInTheWindows() const
    {
        QCOMPARE(f->Grid(5)->Cell(CellOf(20, 5)).Back, 0x00E0FF);
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(22, 3);
        QVERIFY(f->EventsLines().contains(u"(EV) - Printemps"_qs));
    }

    // The keyboard's shortcuts reach the window the user works in.
    bool ActivateMain() const
    {
        f->Main()->activateWindow();
        return QTest::qWaitForWindowActive(f->Main());
    }

    void RemoveFirstOf(int day, int month) const
    {
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(day, month);
        f->Events()->List()->setCurrentRow(0);
        ProgramFixture::Click(f->Events(), "Remove");
    }

    std::unique_ptr<ProgramFixture> f;
    QList<CalendarDocument> states;
    QStringList names;
};

QTEST_MAIN(TestUndoRoad)
#include "tst_undoroad.moc"
