// Export and import through the real program: the commands tab's two buttons, the system file
// dialogs (scripted), the files written, the months an import changes, a picture renamed .ics
// refused with a message, and calendars imported from an address of a local server.

#include "ProgramFixture.h"
#include "interchange/ImportDialog.h"
#include "interchange/LocalHttpServer.h"
#include "support/TestFiles.h"

#include <QProgressBar>

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
        Click("CmdCOExport");
        Click("CmdCOExport");
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
        ImportThrough([](ImportDialog* d) { Press(d, u"CmdBrowse"_qs); });
        QCOMPARE(f->dialogs->Opened[0].Filter, u"iCalendar (*.ics)|*.ics"_qs);
        QCOMPARE(f->prompter.Asked[0].Icon, PromptIcon::Stop);
        QVERIFY(f->prompter.Asked[0].Text.contains(u"n'est pas un calendrier iCalendar"_qs));
        QVERIFY(Doc().IsSaved);

        ImportThrough([](ImportDialog* d) { Press(d, u"CmdBrowse"_qs); });
        QCOMPARE(f->prompter.Asked[1].Text, u"1 événement(s) importé(s) sur 1 jour(s)."_qs);
        QCOMPARE(f->prompter.Asked[1].Icon, PromptIcon::Information);
        QCOMPARE(EntriesOn(20, 3).last().Description, u"Printemps"_qs);
        for (int m = 1; m <= 12; ++m) QCOMPARE(Doc().Month(m).EntriesModified, m == 3);
        QVERIFY(f->Main()->windowTitle().endsWith(u'*'));
        f->Main()->SetCurrentTab(TabEvents);
        f->ClickDay(20, 3);
        QVERIFY(f->EventsLines().contains(u"(EV) - Printemps"_qs));
    }

    void anAddressIsDownloadedWithItsProgressAndAFailureLetsTheUserPutItRight()
    {
        LocalHttpServer server;
        if (!server.Started()) QSKIP("python3 cannot serve files here");
        QVERIFY(server.Put(u"fetes.ics"_qs, HolidayCalendar()));
        QVERIFY(server.Put(u"page.html"_qs, "<html>Agenda</html>"));
        QVERIFY(f->Start(f->Example()));
        f->Main()->SetCurrentTab(TabCommands);

        // A wrong address, then a page, then the calendar: the dialog stays open for each fix.
        bool barShown = false;
        ImportThrough([&](ImportDialog* d) {
            for (const QString& path : {u"absent.ics"_qs, u"page.html"_qs, u"slow/fetes.ics"_qs}) {
                QLineEdit* box = Box(d, u"TxtAddress"_qs);
                box->clear();
                TypeText(box, server.Url(path));
                const qsizetype before = f->prompter.Asked.size();
                Press(d, u"CmdImport"_qs);
                barShown = Find<QProgressBar>(d, u"BarDownload"_qs)->isVisible() && !box->isEnabled();
                QTRY_VERIFY(f->prompter.Asked.size() > before || !d->isVisible());
            }
        });
        QVERIFY(barShown);
        QCOMPARE(f->prompter.Asked.size(), 3);
        QCOMPARE(f->prompter.Asked[0].Text,
                 u"Le serveur « 127.0.0.1 » a répondu par une erreur: 404 File not found."_qs);
        QCOMPARE(f->prompter.Asked[1].Text,
                 u"L'adresse « %1 » ne mène pas à un calendrier iCalendar: rien n'a été importé."_qs.arg(
                     server.Url(u"page.html"_qs)));
        QCOMPARE(f->prompter.Asked[2].Text, u"3 événement(s) importé(s) sur 3 jour(s)."_qs);
        QCOMPARE(EntriesOn(25, 12).last().Description, u"Noël"_qs);

        // Cancel stops a download under way: nothing comes in, nothing is said.
        ImportThrough([&](ImportDialog* d) {
            TypeText(Box(d, u"TxtAddress"_qs), server.Url(u"slow/fetes.ics"_qs));
            Press(d, u"CmdImport"_qs);
            Press(d, u"CmdCancel"_qs);
        });
        QCOMPARE(f->prompter.Asked.size(), 3);
        QCOMPARE(EntriesOn(25, 12).size(), 2);
    }

private:
    // "Importer...", its dialog used as the action says.
    void ImportThrough(std::function<void(ImportDialog*)> action) const
    {
        WhenModal<ImportDialog>(std::move(action));
        Click("CmdCOImport");
    }

    void Click(const char* name) const
    {
        QPushButton* b = f->Main()->Commands()->Button(QLatin1String(name));
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestInterchangeRoad)
#include "tst_interchangeroad.moc"
