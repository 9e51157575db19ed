// Export and import through the real program: the commands tab's two buttons, the system file
// dialogs (scripted), the files written, the months an import changes, and a picture renamed
// .ics refused with a message.

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
        QPushButton* exportButton = f->Main()->Commands()->Button(u"CmdCOExport"_qs);
        QPushButton* importButton = f->Main()->Commands()->Button(u"CmdCOImport"_qs);
        QCOMPARE(exportButton->text() + importButton->text(), u"Exporter...Importer..."_qs);
        QVERIFY(!exportButton->isEnabled() && !importButton->isEnabled());
        f->NewDocument();
        QVERIFY(exportButton->isEnabled() && importButton->isEnabled());
    }

    void exportWritesTheCalendarOrTheBudgetAsTheFileIsNamed()
    {
        QVERIFY(f->Start(f->Example()));
        f->Main()->SetCurrentTab(TabCommands);
        const QString ics = f->dir.filePath(u"année.ics"_qs), csv = f->dir.filePath(u"budget.csv"_qs);
        f->dialogs->Files = {ics, csv};
        Press("CmdCOExport");
        Press("CmdCOExport");
        QCOMPARE(f->dialogs->Saved[0].Filter, u"iCalendar (*.ics)|*.ics|CSV (*.csv)|*.csv"_qs);
        QVERIFY(FileBytes(ics).startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(FileBytes(csv).startsWith("\xEF\xBB\xBF"
                                          "Date;Type;Nom;Montant;Pointé;Compte\r\n"));
        QVERIFY(f->prompter.Asked.isEmpty());
        QVERIFY(Doc().IsSaved); // exporting changes nothing of the document
    }

    void importAddsToTheDaysAndMarksTheirMonthsAndAPictureIsRefused()
    {
        QVERIFY(f->Start(f->Example()));
        const QString ics = f->dir.filePath(u"printemps.ics"_qs), jpeg = f->dir.filePath(u"vacances.ics"_qs);
        QVERIFY(SaveBytes(ics, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//T//FR\r\n"
                               "BEGIN:VEVENT\r\nUID:p\r\nDTSTAMP:20260101T000000Z\r\n"
                               "DTSTART;VALUE=DATE:20260320\r\nSUMMARY:Printemps\r\nEND:VEVENT\r\n"
                               "END:VCALENDAR\r\n"));
        QImage photo(32, 32, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        QVERIFY(photo.save(jpeg, "JPEG"));
        f->dialogs->Files = {jpeg, ics};
        f->Main()->SetCurrentTab(TabCommands);
        Press("CmdCOImport");
        QCOMPARE(f->prompter.Asked[0].Icon, PromptIcon::Stop);
        QVERIFY(f->prompter.Asked[0].Text.contains(u"n'est pas un calendrier iCalendar"_qs));
        QVERIFY(Doc().IsSaved);

        Press("CmdCOImport");
        QCOMPARE(f->prompter.Asked[1].Text, u"1 événement importé du fichier « printemps.ics »."_qs);
        QCOMPARE(EntriesOn(20, 3).last().Description, u"Printemps"_qs);
        for (int m = 1; m <= 12; ++m) QCOMPARE(Doc().Month(m).EntriesModified, m == 3);
        QVERIFY(f->Main()->windowTitle().endsWith(u'*'));
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(20, 3);
        QVERIFY(f->EventsLines().contains(u"(EV) - Printemps"_qs));
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
