// Synchronisation through the real program against a Radicale server of its own: the settings
// dialog and its connection test, the first exchange and its report, Undo of what came in, a
// wrong password, Annuler in the middle, and the exchange after a save when the options ask.

#include "ProgramFixture.h"
#include "interchange/YearEntries.h"
#include "platform/PasswordStore.h"
#include "settings/SettingsStore.h"
#include "sync/RadicaleServer.h"
#include "sync/SyncDialog.h"
#include "sync/SyncProgressBar.h"
#include "sync/SyncRunner.h"

#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>

namespace {

// The same date and summary, as phones write it.
QByteArray PhoneEvent(const QString& uid, const QString& date, const QString& summary)
{
    return QStringLiteral(
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:%1\r\n"
               "DTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:%2\r\nSUMMARY:%3\r\nEND:VEVENT\r\n"
               "END:VCALENDAR\r\n")
        .arg(uid, date, summary)
        .toUtf8();
}

int YearEntryCount(const CalendarDocument& doc)
{
    int n = 0;
    ForEachYearEntry(doc, [&](const DateRec&, int, const DayEntry&) { ++n; });
    return n;
}

} // namespace

class TestSyncRoad : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        PasswordStore::Install(&store);
        f = std::make_unique<ProgramFixture>();
        server = std::make_unique<RadicaleServer>();
        if (!server->Running()) QSKIP("radicale does not start here");
        calendar = server->MakeCalendar(u"annee"_qs);
        QVERIFY(!calendar.isEmpty());
    }

    void cleanup()
    {
        f.reset();
        server.reset();
        PasswordStore::Install(nullptr);
        store = MemoryPasswordStore();
    }

    void theConnectionTestSaysWhatTheServerSaid()
    {
        QVERIFY(f->StartOnExample());
        QStringList answers;
        WhenModal<SyncDialog>([&](SyncDialog* d) {
            const auto test = [&](const QString& url, const QString& password) {
                Retype(Box(d, u"TxtSyncUrl"_qs), url);
                Retype(Box(d, u"TxtSyncUser"_qs), RadicaleServer::User);
                Retype(Box(d, u"TxtSyncPassword"_qs), password);
                Press(d, u"CmdSyncTest"_qs);
                const bool answered = QTest::qWaitFor(
                    [d] { return Find<QPushButton>(d, u"CmdSyncTest"_qs)->isEnabled(); }, 30000);
                answers.append(answered ? d->TestAnswer() : u"no answer"_qs);
            };
            test(server->Url(calendar), RadicaleServer::Password);
            test(server->Url(calendar), u"faux"_qs);
            test(server->Url(u"/anne/nulle-part/"_qs), RadicaleServer::Password);
            test(server->Url(u"/anne/"_qs), RadicaleServer::Password);
            // Refused before anything is sent: the password would travel in clear.
            f->prompter.Answers = {PromptAnswer::No};
            Retype(Box(d, u"TxtSyncUrl"_qs), u"http://192.0.2.1/cal/"_qs);
            Press(d, u"CmdSyncTest"_qs);
            answers.append(d->TestAnswer());
            Press(d, u"CmdCancel"_qs);
        });
        Click("CmdCOSync");
        QCOMPARE(answers.size(), 5);
        QVERIFY2(answers[0].startsWith(u"Connexion réussie: le calendrier"_qs), qPrintable(answers[0]));
        QCOMPARE(answers[1], u"Le serveur « 127.0.0.1 » refuse ce nom d'utilisateur ou ce mot de passe."_qs);
        QVERIFY2(answers[2].startsWith(u"Il n'y a pas de calendrier à l'adresse"_qs), qPrintable(answers[2]));
        QVERIFY2(answers[3].contains(u"ne mène pas à un calendrier CalDAV"_qs), qPrintable(answers[3]));
        QCOMPARE(answers[4], answers[3]); // nothing asked of 192.0.2.1
        QCOMPARE(f->prompter.Asked.size(), 1);
        QVERIFY(f->prompter.Asked[0].Text.contains(u"le mot de passe y circulerait en clair"_qs));
        QVERIFY(!Doc().Sync.Configured()); // Cancel ties the document to nothing
    }

    void theFirstExchangeReportsAndOneUndoTakesBackWhatCameIn()
    {
        QVERIFY(server->Put(calendar + u"dentiste.ics"_qs,
                            PhoneEvent(u"dentiste"_qs, u"20260320"_qs, u"Dentiste"_qs)) == 201);
        QVERIFY(f->StartOnExample());
        const int local = YearEntryCount(Doc());
        const int before20March = int(EntriesOn(20, 3).size());
        bool busyMeanwhile = false;
        connect(Runner(), &SyncRunner::Started, this, [&] {
            busyMeanwhile = Session::Get().Mode() == MainMode::Load && f->Main()->statusBar()->isVisible() &&
                            !f->Main()->Commands()->Button(u"CmdCOSave"_qs)->isEnabled();
        });
        SyncThroughDialog(RadicaleServer::Password);
        QVERIFY(busyMeanwhile);
        QCOMPARE(LastReport(), u"Envoyés: %1, reçus: 1, supprimés: 0, conflits: 0."_qs.arg(local));
        QCOMPARE(f->prompter.Asked.last().Icon, PromptIcon::Information);
        QVERIFY(!f->Main()->statusBar()->isVisible());
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);
        QCOMPARE(EntriesOn(20, 3).last().Description, u"Dentiste"_qs);
        QCOMPARE(ServerCount(), local + 1);

        QCOMPARE(Session::Get().History().UndoName(), u"Synchronisation"_qs);
        f->ToolbarClick("Undo");
        QCOMPARE(EntriesOn(20, 3).size(), before20March);
        QCOMPARE(YearEntryCount(Doc()), local);

        // What was undone is a change of this side: the next exchange takes it to the server,
        // and sends nothing twice.
        Click("CmdCOSync");
        QVERIFY(WaitForReports(2));
        QCOMPARE(LastReport(), u"Envoyés: 0, reçus: 0, supprimés: 1, conflits: 0."_qs);
        QCOMPARE(ServerCount(), local);
        Click("CmdCOSync");
        QVERIFY(WaitForReports(3));
        QCOMPARE(LastReport(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
    }

    void aCalendarThatHoldsTheYearAlreadyIsPairedOnceForGood()
    {
        QVERIFY(f->StartOnExample());
        SyncThroughDialog(RadicaleServer::Password);
        const int local = YearEntryCount(Doc());
        QCOMPARE(ServerCount(), local);

        // The same year from another copy of the file, never synchronised.
        QVERIFY(f->Reopen(f->Example(u"copie.cal"_qs)));
        SyncThroughDialog(RadicaleServer::Password);
        QCOMPARE(LastReport(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
        QVERIFY(Doc().IsSaved); // only identities were taken: nothing to save, the file keeps them
        Click("CmdCOSync");
        QVERIFY(WaitForReports(3));
        QCOMPARE(LastReport(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
        QCOMPARE(ServerCount(), local);
    }

    void aWrongPasswordSaysSoAndTheDialogComesBackToPutItRight()
    {
        QVERIFY(f->StartOnExample());
        SyncThroughDialog(u"faux"_qs);
        QCOMPARE(f->prompter.Asked.last().Icon, PromptIcon::Stop);
        QVERIFY2(LastReport().startsWith(
                     u"Le serveur « 127.0.0.1 » refuse ce nom d'utilisateur ou ce mot de passe."_qs),
                 qPrintable(LastReport()));
        QVERIFY(LastReport().contains(u"Rien n'a été supprimé ni perdu"_qs));
        QCOMPARE(ServerCount(), 0);

        QString shownUrl;
        WhenModal<SyncDialog>([&](SyncDialog* d) {
            shownUrl = Box(d, u"TxtSyncUrl"_qs)->text();
            QVERIFY(Box(d, u"TxtSyncPassword"_qs)->text().isEmpty()); // the refused one is forgotten
            Retype(Box(d, u"TxtSyncPassword"_qs), RadicaleServer::Password);
            Press(d, u"CmdOk"_qs);
        });
        Click("CmdCOSync");
        QVERIFY(WaitForReports(2));
        QCOMPARE(shownUrl, server->Url(calendar));
        QVERIFY(LastReport().startsWith(u"Envoyés: "_qs));
        QCOMPARE(ServerCount(), YearEntryCount(Doc()));
    }

    void annulerMidWayLeavesAStateTheNextExchangeCompletes()
    {
        QVERIFY(f->StartOnExample());
        const int local = YearEntryCount(Doc());
        // Annuler once a few entries went out.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            const QString stage = Find<QLabel>(Runner()->Progress(), u"LblSyncStage"_qs)->text();
            const QRegularExpressionMatch sending =
                QRegularExpression(u"^Envoi des changements \\((\\d+) sur"_qs).match(stage);
            if (sending.hasMatch() && sending.captured(1).toInt() >= 10) {
                poll.stop();
                QTest::mouseClick(Find<QPushButton>(Runner()->Progress(), u"CmdSyncCancel"_qs),
                                  Qt::LeftButton);
            }
        });
        poll.start(1);
        SyncThroughDialog(RadicaleServer::Password);
        QCOMPARE(LastReport(),
                 u"La synchronisation a été annulée.\n\nRien n'a été supprimé ni perdu: la prochaine "
                 "synchronisation reprendra où celle-ci s'est arrêtée."_qs);
        const int sent = ServerCount();
        QVERIFY2(sent < local, qPrintable(QString::number(sent)));
        QCOMPARE(Session::Get().Mode(), MainMode::Edit);

        Click("CmdCOSync"); // the password of this session: no dialog
        QVERIFY(WaitForReports(2));
        QVERIFY2(LastReport().startsWith(u"Envoyés: "_qs), qPrintable(LastReport()));
        QCOMPARE(ServerCount(), local);
        QCOMPARE(YearEntryCount(Doc()), local);
    }

    void closingTheWindowMidWayStopsTheExchangeAndTheFileKeepsWhatTheServerTook()
    {
        QVERIFY(f->StartOnExample());
        const int local = YearEntryCount(Doc());
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (Find<QLabel>(Runner()->Progress(), u"LblSyncStage"_qs)
                    ->text()
                    .startsWith(u"Envoi des changements"_qs)) {
                poll.stop();
                f->Main()->close();
            }
        });
        poll.start(1);
        SyncThroughDialog(RadicaleServer::Password, false);
        QVERIFY(QTest::qWaitFor([&] { return !f->Main()->isVisible(); }, 60000));
        QVERIFY(f->prompter.Asked.isEmpty()); // no report, no question: the file was written
        QVERIFY(ServerCount() < local);

        // Another session (here daybinder-cli) completes it from the file alone, doubling nothing.
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"DAYBINDER_SYNC_PASSWORD"_qs, RadicaleServer::Password);
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(DAYBINDER_CLI), {u"sync"_qs, f->example});
        QVERIFY(cli.waitForFinished(120000));
        QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
        QCOMPARE(ServerCount(), local);
    }

    void withTheOptionASaveSendsItsChangesAndTheFileKeepsThePairing()
    {
        QVERIFY(f->StartOnExample());
        SyncThroughDialog(RadicaleServer::Password);
        const int local = YearEntryCount(Doc());
        QVERIFY(Doc().IsSaved); // nothing came in: the file was written again with the pairing
        QVERIFY(Keys::SyncAuto().Write(qint64(1)));

        EntriesOn(25, 12).append(Entry(EntryEvent, u"Noël chez Zoé"_qs));
        Session::Get().SetModified(PartMonthEntries, true, 12);
        const int reports = int(f->prompter.Asked.size());
        f->Save();
        QVERIFY(WaitForReports(reports + 1));
        QCOMPARE(LastReport(), u"Envoyés: 1, reçus: 0, supprimés: 0, conflits: 0."_qs);
        QCOMPARE(ServerCount(), local + 1);
        QVERIFY(Doc().IsSaved);

        // Another session: the password is asked once, and the file, paired, sends nothing.
        bool asked = false;
        WhenModal<SyncDialog>([&](SyncDialog* d) {
            asked = Box(d, u"TxtSyncUrl"_qs)->text() == server->Url(calendar);
            Retype(Box(d, u"TxtSyncPassword"_qs), RadicaleServer::Password);
            Press(d, u"CmdOk"_qs);
        });
        QVERIFY(f->Reopen(f->example));
        QVERIFY(QTest::qWaitFor([&] { return asked; }, 30000));
        QVERIFY(QTest::qWaitFor([&] { return !QApplication::activeModalWidget() && !Runner()->Running(); },
                                60000));
        QCOMPARE(f->prompter.Asked.size(), reports + 1); // nothing moved: no report
        QCOMPARE(ServerCount(), local + 1);
        QCOMPARE(YearEntryCount(Doc()), local + 1);
        QVERIFY(Doc().IsSaved);
    }

private:
    SyncRunner* Runner() const { return f->Main()->findChild<SyncRunner*>(u"SyncRunner"_qs); }

    void Click(const char* name) const
    {
        f->Main()->SetCurrentTab(TabCommands);
        QPushButton* b = f->Main()->Commands()->Button(QLatin1String(name));
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // "Synchroniser..." on a document tied to no calendar: the dialog filled in, OK, the report.
    void SyncThroughDialog(const QString& password, bool report = true)
    {
        const int reports = int(f->prompter.Asked.size());
        WhenModal<SyncDialog>([&](SyncDialog* d) {
            Retype(Box(d, u"TxtSyncUrl"_qs), server->Url(calendar));
            Retype(Box(d, u"TxtSyncUser"_qs), RadicaleServer::User);
            Retype(Box(d, u"TxtSyncPassword"_qs), password);
            Press(d, u"CmdOk"_qs);
        });
        Click("CmdCOSync");
        if (report) QVERIFY(WaitForReports(reports + 1));
    }

    bool WaitForReports(int n) const
    {
        return QTest::qWaitFor([&] { return f->prompter.Asked.size() >= n && !Runner()->Running(); }, 120000);
    }

    QString LastReport() const
    {
        return f->prompter.Asked.isEmpty() ? QString() : f->prompter.Asked.last().Text;
    }

    // The events the collection holds.
    int ServerCount() const
    {
        const QByteArray body =
            server
                ->Request("PROPFIND", calendar, "<propfind xmlns=\"DAV:\"><prop><getetag/></prop></propfind>",
                          {{"Depth", "1"}})
                .Body;
        return int(body.count(".ics</"));
    }

    MemoryPasswordStore store;
    std::unique_ptr<ProgramFixture> f;
    std::unique_ptr<RadicaleServer> server;
    QString calendar;
};

QTEST_MAIN(TestSyncRoad)
#include "tst_syncroad.moc"
