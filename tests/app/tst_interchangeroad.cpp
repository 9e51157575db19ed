// Export and import through the real program: the commands tab's two buttons, the system file
// dialogs (scripted), the files written, the days and months an import changes, and a picture
// renamed .ics refused with a message while the year stays as it was.

#include "ProgramFixture.h"
#include "support/TestFiles.h"

class TestInterchangeRoad : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void buttonsWaitForADocument()
    {
        QVERIFY(f->Start());
        f->Main()->SetCurrentTab(TabCommands);
        CommandsTab* co = f->Main()->Commands();
        QCOMPARE(co->Button(u"CmdCOExport"_qs)->text(), u"Exporter..."_qs);
        QCOMPARE(co->Button(u"CmdCOImport"_qs)->text(), u"Importer..."_qs);
        QVERIFY(!co->Button(u"CmdCOExport"_qs)->isEnabled());
        QVERIFY(!co->Button(u"CmdCOImport"_qs)->isEnabled());
        f->NewDocument();
        QVERIFY(co->Button(u"CmdCOExport"_qs)->isEnabled());
        QVERIFY(co->Button(u"CmdCOImport"_qs)->isEnabled());
    }

    void exportWritesTheCalendarOrTheBudgetAsTheFileIsNamed()
    {
        QVERIFY(f->Start(f->Example()));
        f->Main()->SetCurrentTab(TabCommands);
        const QString ics = f->dir.filePath(u"année.ics"_qs), csv = f->dir.filePath(u"budget.csv"_qs);
        f->dialogs->Files = {ics, csv, std::nullopt};
        Press("CmdCOExport");
        Press("CmdCOExport");
        Press("CmdCOExport"); // cancelled: nothing more
        QCOMPARE(f->dialogs->Saved.size(), 3);
        const FileDialogRequest& asked = f->dialogs->Saved[0];
        QCOMPARE(asked.Filter, u"iCalendar (*.ics)|*.ics|CSV (*.csv)|*.csv"_qs);
        QVERIFY(asked.OverwritePrompt && asked.ExtensionFollowsFilter);
        QCOMPARE(asked.FileName, u"exemple"_qs);
        QVERIFY(FileBytes(ics).startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(FileBytes(ics).contains("SUMMARY:"));
        QVERIFY(FileBytes(csv).startsWith("\xEF\xBB\xBF"
                                          "Date;Type;Nom;Montant;Pointé;Compte\r\n"));
        QVERIFY(f->prompter.Asked.isEmpty());
        QVERIFY(Doc().IsSaved); // exporting changes nothing of the document
    }

    void importAddsTheEventsToTheirDaysAndMarksOnlyThoseMonths()
    {
        QVERIFY(f->Start(f->Example()));
        f->ClickDay(20, 3);
        const qsizetype before = EntriesOn(20, 3).size();
        const QString ics = f->dir.filePath(u"printemps.ics"_qs);
        QVERIFY(SaveBytes(ics, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//T//FR\r\n"
                               "BEGIN:VEVENT\r\nUID:p\r\nDTSTAMP:20260101T000000Z\r\n"
                               "DTSTART;VALUE=DATE:20260320\r\nSUMMARY:Printemps\r\nEND:VEVENT\r\n"
                               "END:VCALENDAR\r\n"));
        f->dialogs->Files = {ics};
        f->Main()->SetCurrentTab(TabCommands);
        Press("CmdCOImport");
        QCOMPARE(f->dialogs->Opened.last().Filter, u"iCalendar (*.ics)|*.ics"_qs);
        QCOMPARE(f->prompter.Asked.size(), 1);
        QCOMPARE(f->prompter.Asked[0].Text, u"1 événement importé du fichier « printemps.ics »."_qs);
        QCOMPARE(f->prompter.Asked[0].Icon, PromptIcon::Information);
        QCOMPARE(EntriesOn(20, 3).size(), before + 1);
        QCOMPARE(EntriesOn(20, 3).last().Description, u"Printemps"_qs);
        QVERIFY(Doc().Month(3).EntriesModified);
        for (int m : {1, 2, 4, 12}) QVERIFY(!Doc().Month(m).EntriesModified);
        QVERIFY(f->Main()->windowTitle().endsWith(u'*'));
        // The grid shows it at once, and the events tab lists it.
        const auto lines = CellLines(Doc(), 3, CellOf(20, 3));
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const CellLine& l) {
            return l.Text == u"Printemps"_qs || l.Text == u"[...]"_qs;
        }));
        f->Main()->SetCurrentTab(TabEvents);
        QVERIFY(f->EventsLines().contains(u"(EV) - Printemps"_qs));
    }

    void aPictureRenamedIcsIsRefusedAndTheYearStaysAsItWas()
    {
        QVERIFY(f->Start(f->Example()));
        QImage photo(32, 32, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        const QString path = f->dir.filePath(u"vacances.ics"_qs);
        QVERIFY(photo.save(path, "JPEG"));
        const CalendarDocument before = Doc();
        f->dialogs->Files = {path};
        f->Main()->SetCurrentTab(TabCommands);
        Press("CmdCOImport");
        QCOMPARE(f->prompter.Asked.size(), 1);
        QCOMPARE(f->prompter.Asked[0].Title, u"Daybinder"_qs);
        QCOMPARE(f->prompter.Asked[0].Icon, PromptIcon::Stop);
        QVERIFY(f->prompter.Asked[0].Text.contains(u"n'est pas un calendrier iCalendar"_qs));
        QVERIFY(Doc().IsSaved);
        for (int m = 1; m <= 12; ++m)
            for (int c = kFirstCell; c <= kLastCell; ++c)
                QCOMPARE(Doc().Month(m).Cell(c).Entries.size(), before.Month(m).Cell(c).Entries.size());
    }

private:
    void Press(const char* name) const
    {
        QPushButton* b = f->Main()->Commands()->Button(QLatin1String(name));
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestInterchangeRoad)
#include "tst_interchangeroad.moc"
