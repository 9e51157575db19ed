// Calendars published at an address: the address as people type it, the download from a local
// server (redirects followed), and each way it can fail told in French, the year unchanged.

#include "LocalHttpServer.h"
#include "interchange/CalendarDownload.h"
#include "interchange/InterchangeFiles.h"

#include <QSignalSpy>
#include <QTest>

class TestCalendarDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!server.Started()) QSKIP("python3 cannot serve files here");
        QVERIFY(server.Put(u"fêtes.ics"_qs, HolidayCalendar()));
        QVERIFY(server.Put(u"page.html"_qs, "<html><body>Calendrier des écoles</body></html>"));
        QVERIFY(server.Put(u"énorme.ics"_qs, QByteArray(kMaxDownloadSize + 4096, 'x')));
        QVERIFY(server.Put(u"lent.ics"_qs, QByteArray(200 * 1024, 'x')));
    }

    void init() { OpenTestDocument(2026); }

    void addressesAreTakenAsPeopleTypeThem()
    {
        const QList<std::pair<QString, QString>> taken = {
            {u"webcal://example.org/cal.ics"_qs, u"https://example.org/cal.ics"_qs},
            {u"  WEBCALS://Example.org/a b.ics "_qs, u"https://example.org/a%20b.ics"_qs},
            {u"http://127.0.0.1:8080/x.ics?y=1"_qs, u"http://127.0.0.1:8080/x.ics?y=1"_qs},
            {u"HTTPS://example.org"_qs, u"https://example.org"_qs},
        };
        for (const auto& [typed, fetched] : taken) {
            QVERIFY2(IsCalendarAddress(typed), qPrintable(typed));
            const std::optional<QUrl> url = CalendarUrl(typed, nullptr);
            QVERIFY2(url, qPrintable(typed));
            QCOMPARE(url->toString(QUrl::FullyEncoded), fetched);
        }
        for (const QString& path : {u"/home/léa/fêtes.ics"_qs, u"C:\\fêtes.ics"_qs, u"webcal.ics"_qs})
            QVERIFY2(!IsCalendarAddress(path), qPrintable(path));
        QString error;
        QVERIFY(!CalendarUrl(u"https://"_qs, &error));
        QCOMPARE(error, u"« https:// » n'est pas une adresse valable: elle doit commencer par https://, "
                        "http:// ou webcal://."_qs);
    }

    void aCalendarIsDownloadedAndImportedAsFromAFile()
    {
        for (const QString& path : {u"f%C3%AAtes.ics"_qs, u"moved/f%C3%AAtes.ics"_qs}) {
            QString error;
            const std::optional<QByteArray> bytes = DownloadCalendar(QUrl(server.Url(path)), &error);
            QVERIFY2(bytes, qPrintable(error));
            QCOMPARE(*bytes, HolidayCalendar());
        }
        const QUrl url(server.Url(u"f%C3%AAtes.ics"_qs));
        const ImportOutcome outcome =
            ImportDownloaded(*DownloadCalendar(url, nullptr), url, Doc(), kMontreal);
        QVERIFY(outcome.Imported && !outcome.Failed);
        QCOMPARE(outcome.Message, u"3 événement(s) importé(s) sur 3 jour(s)."_qs);
        QCOMPARE(DaysWithEntries(), QStringList({u"2026-01-01 Jour de l'an"_qs,
                                                 u"2026-05-01 Fête du travail"_qs, u"2026-12-25 Noël"_qs}));
    }

    void eachFailureIsToldAndNothingIsRead_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing listens")
            << QStringLiteral("http://127.0.0.1:%1/fêtes.ics").arg(ClosedPort())
            << u"Impossible de joindre le serveur « 127.0.0.1 »: la connexion a été refusée."_qs;
        QTest::newRow("no such file")
            << server.Url(u"absent.ics"_qs)
            << u"Le serveur « 127.0.0.1 » a répondu par une erreur: 404 File not found."_qs;
        QTest::newRow("too large")
            << server.Url(u"%C3%A9norme.ics"_qs)
            << u"Le calendrier à l'adresse « %1 » dépasse 10 Mo: rien n'a été importé."_qs.arg(
                   server.Url(u"énorme.ics"_qs));
        QTest::newRow("too large, size not told")
            << server.Url(u"unsized/%C3%A9norme.ics"_qs)
            << u"Le calendrier à l'adresse « %1 » dépasse 10 Mo: rien n'a été importé."_qs.arg(
                   server.Url(u"unsized/énorme.ics"_qs));
    }

    void eachFailureIsToldAndNothingIsRead()
    {
        QFETCH(QString, address);
        QFETCH(QString, message);
        QString error;
        QVERIFY(!DownloadCalendar(QUrl(address), &error));
        QCOMPARE(error, message);
    }

    void aServerThatKeepsSilentIsGivenUp()
    {
        const int before = CalendarDownload::TimeoutSeconds;
        CalendarDownload::TimeoutSeconds = 1;
        QString error;
        QVERIFY(!DownloadCalendar(QUrl(server.Url(u"silent/f%C3%AAtes.ics"_qs)), &error));
        CalendarDownload::TimeoutSeconds = before;
        QCOMPARE(error, u"Impossible de joindre le serveur « 127.0.0.1 »: le serveur ne répond pas."_qs);
    }

    void aPageThatIsNotACalendarChangesNothing()
    {
        EntriesOn(1, 1).append(Event(u"Ancien"_qs));
        const QUrl url(server.Url(u"page.html"_qs));
        const ImportOutcome outcome =
            ImportDownloaded(*DownloadCalendar(url, nullptr), url, Doc(), kMontreal);
        QVERIFY(outcome.Failed && !outcome.Imported);
        QCOMPARE(outcome.Message,
                 u"L'adresse « %1 » ne mène pas à un calendrier iCalendar: rien n'a été importé."_qs.arg(
                     url.toDisplayString()));
        QCOMPARE(DaysWithEntries(), QStringList{u"2026-01-01 Ancien"_qs});
    }

    void aCancelledDownloadEndsWithoutAMessage()
    {
        const std::unique_ptr<CalendarDownload> made = MakeCalendarDownload();
        CalendarDownload& download = *made;
        QSignalSpy progress(&download, &CalendarDownload::Progress);
        QSignalSpy finished(&download, &CalendarDownload::Finished);
        download.Start(QUrl(server.Url(u"slow/lent.ics"_qs)));
        QTRY_VERIFY(!progress.isEmpty());
        QCOMPARE(progress.last()[1].toLongLong(), 200 * 1024); // the size, for the bar
        download.Cancel();
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toBool(), false);
        QCOMPARE(finished[0][2].toString(), QString());
        QVERIFY(!download.Running());
    }

private:
    LocalHttpServer server;
};

QTEST_GUILESS_MAIN(TestCalendarDownload)
#include "tst_calendardownload.moc"
