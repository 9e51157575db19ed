// Exchanges with a real CalDAV server (Radicale on 127.0.0.1), changed in between by plain HTTP
// requests as another device would; and daybinder-cli sync on the example year.

#include "CountingClient.h"
#include "RadicaleServer.h"
#include "SyncFixtures.h"
#include "calfile/CalFile.h"
#include "interchange/IcalHandles.h"
#include "interchange/InterchangeFixtures.h"
#include "resources/Strings.h"
#include "support/TestFiles.h"
#include "sync/NetworkCalDavClient.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Run
{
    int Exit = -1;
    QString Out;
    QString Err;
};

Run Cli(const QStringList& args, const QString& password = RadicaleServer::Password)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DAYBINDER_SYNC_PASSWORD"_qs, password);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(DAYBINDER_CLI), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// A server that answers every request with a page that is no CalDAV answer, over plain HTTP or,
// given a certificate and its key, over TLS. Its port, or 0 when it did not start.
int StartOddServer(QProcess& process, const QStringList& certificate = {})
{
    static const char script[] = R"(
import http.server, ssl, sys
class Handler(http.server.BaseHTTPRequestHandler):
    def answer(self):
        body = b'<html><body>Bienvenue</body></html>'
        self.send_response(207)
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    do_PROPFIND = do_REPORT = do_PUT = do_DELETE = do_GET = answer
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(('127.0.0.1', 0), Handler)
if len(sys.argv) > 2:
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[1], sys.argv[2])
    server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
)";
    process.start(Python(), QStringList{u"-u"_qs, u"-c"_qs, QString::fromUtf8(script)} + certificate);
    return process.waitForReadyRead(20000) ? process.readLine().trimmed().toInt() : 0;
}

} // namespace

class TestSyncServer : public QObject
{
    Q_OBJECT

    RadicaleServer* m_server = nullptr;
    int m_collections = 0;

    QString NewCollection()
    {
        const QString path = m_server->MakeCalendar(QStringLiteral("cal%1").arg(++m_collections));
        return path.isEmpty() ? QString() : m_server->Url(path);
    }

    using Hook = std::function<bool(int, const QString&)>;
    SyncOutcome Exchange(CalendarDocument& doc, const QString& password = RadicaleServer::Password,
                         const Hook& before = {}, int* writes = nullptr)
    {
        NetworkCalDavClient client(QUrl(doc.Sync.CollectionUrl), doc.Sync.UserName, password);
        CountingClient proxy(client);
        proxy.Before = before;
        const SyncOutcome outcome = RunExchange(proxy, doc, kParis);
        if (writes) *writes = proxy.Writes();
        return outcome;
    }

    // What the collection holds, read with the client.
    QList<DavResource> Held(const QString& url)
    {
        NetworkCalDavClient client(QUrl(url), RadicaleServer::User, RadicaleServer::Password);
        QEventLoop loop;
        QList<DavResource> resources;
        client.ListYear(2026, [&](const DavListing& l) {
            QStringList hrefs;
            for (const DavItem& i : l.Items) hrefs.append(i.Href);
            client.Fetch(hrefs, [&](const DavFetch& f) {
                resources = f.Resources;
                loop.quit();
            });
        });
        loop.exec();
        return resources;
    }

    QString PathOf(const QString& url, const QString& text)
    {
        for (const DavResource& r : Held(url))
            if (QString::fromUtf8(r.Data).contains(text)) return r.Href;
        return {};
    }

    // Another device changes a text of an event.
    void ChangeOnServer(const QString& path, const QString& from, const QString& to)
    {
        QCOMPARE(m_server->Put(path, QString::fromUtf8(m_server->Get(path)).replace(from, to).toUtf8()), 201);
    }

private slots:
    void initTestCase()
    {
        m_server = new RadicaleServer;
        if (!m_server->Running()) QSKIP("radicale could not be started");
    }
    void cleanupTestCase() { delete m_server; }

    void changesOnEachSideCrossOverAndThenNothingMoves()
    {
        CalendarDocument doc = SampleYear(NewCollection());
        doc.Sync.UserName = RadicaleServer::User;
        QVERIFY2(Exchange(doc).Ok(), "first exchange");
        QCOMPARE(ServerLines(Held(doc.Sync.CollectionUrl)), LocalLines(doc));

        const QString url = doc.Sync.CollectionUrl;
        const QString collection = QUrl(url).path();
        QCOMPARE(m_server->Put(collection + u"phone-1.ics"_qs,
                               DeviceEvent(u"phone-1"_qs, u"20260503T100000Z"_qs, u"Dentiste"_qs)),
                 201);
        ChangeOnServer(PathOf(url, u"Réveillon"_qs), u"Réveillon"_qs, u"Réveillon à Paris"_qs);
        QCOMPARE(m_server->Delete(PathOf(url, u"Jour de l'an"_qs)), 200);
        DayList(doc, 7, 7).append(Entry(EntryEvent, u"Piscine"_qs));
        DayList(doc, 12, 6).clear();

        const SyncOutcome outcome = Exchange(doc);
        QVERIFY2(outcome.Ok(), qPrintable(outcome.Message));
        QCOMPARE(outcome.Report(), u"Envoyés: 1, reçus: 2, supprimés: 2, conflits: 0."_qs);
        QCOMPARE(ServerLines(Held(url)), LocalLines(doc));

        // Nothing changed: not one PUT or DELETE.
        int writes = -1;
        const SyncOutcome third = Exchange(doc, RadicaleServer::Password, {}, &writes);
        QCOMPARE(third.Report(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
        QCOMPARE(writes, 0);
        QVERIFY(!third.DocumentChanged());
    }

    void aConflictAndAChangeMeanwhileKeepBothVersions()
    {
        CalendarDocument doc = SampleYear(NewCollection());
        doc.Sync.UserName = RadicaleServer::User;
        QVERIFY(Exchange(doc).Ok());
        const QString url = doc.Sync.CollectionUrl;
        ChangeOnServer(PathOf(url, u"Vacances"_qs), u"Vacances"_qs, u"Vacances en Corse"_qs);
        DayList(doc, 1, 8).first().Description = u"Vacances au Mans"_qs;
        DayList(doc, 20, 9).first().Ticked = true;
        const QString market = doc.Sync.Records.value(DayList(doc, 20, 9).first().Uid).Href;
        // Just before the tick goes out, another device changes that event (412).
        bool changed = false;
        const auto before = [&](int, const QString& kind) {
            if (kind == u"PUT" && !changed) {
                changed = true;
                ChangeOnServer(market, u"Marché"_qs, u"Marché de Noël"_qs);
            }
            return false;
        };
        const SyncOutcome outcome = Exchange(doc, RadicaleServer::Password, before);
        QVERIFY2(outcome.Ok(), qPrintable(outcome.Message));
        QCOMPARE(outcome.Counts.Conflicts, 2);
        QCOMPARE(Descriptions(DayList(doc, 1, 8)),
                 (QStringList{u"Vacances en Corse"_qs, u"Vacances au Mans"_qs}));
        QVERIFY(Descriptions(DayList(doc, 20, 9)).contains(u"Marché de Noël"_qs));
        QCOMPARE(DayList(doc, 20, 9).size(), 3);
        QCOMPARE(ServerLines(Held(url)), LocalLines(doc));
    }

    void theServerStoppingMidwayLosesNothing()
    {
        CalendarDocument doc = SampleYear(NewCollection());
        doc.Sync.UserName = RadicaleServer::User;
        QVERIFY(Exchange(doc).Ok());
        for (int d = 1; d <= 5; ++d)
            DayList(doc, d, 10).append(Entry(EntryEvent, QStringLiteral("Stage %1").arg(d)));
        DayList(doc, 24, 12).clear();
        const QStringList wanted = LocalLines(doc);

        // The server stops as the third entry goes out.
        int puts = 0;
        const auto before = [&](int, const QString& kind) {
            if (kind == u"PUT" && ++puts == 3) m_server->Stop();
            return false;
        };
        const SyncOutcome stopped = Exchange(doc, RadicaleServer::Password, before);
        QCOMPARE(stopped.End, SyncOutcome::Failed);
        QVERIFY2(stopped.Message.contains(u"Impossible de joindre"_qs), qPrintable(stopped.Message));
        QCOMPARE(LocalLines(doc), wanted);

        QVERIFY(m_server->Start());
        const SyncOutcome again = Exchange(doc);
        QVERIFY2(again.Ok(), qPrintable(again.Message));
        QCOMPARE(LocalLines(doc), wanted);
        QCOMPARE(ServerLines(Held(doc.Sync.CollectionUrl)), wanted);
    }

    void whatCannotBeUsedIsToldClearly()
    {
        CalendarDocument doc = SampleYear(NewCollection());
        doc.Sync.UserName = RadicaleServer::User;
        const QStringList before = LocalLines(doc);
        SyncOutcome o = Exchange(doc, u"faux"_qs);
        QCOMPARE(o.Message, Str(28002).arg(u"« 127.0.0.1 »"_qs));

        doc.Sync.CollectionUrl = m_server->Url(u"/anne/absent/"_qs);
        QVERIFY(Exchange(doc).Message.startsWith(u"Il n'y a pas de calendrier"_qs));
        doc.Sync.CollectionUrl = m_server->Url(u"/anne/"_qs);
        QVERIFY(Exchange(doc).Message.contains(u"ne mène pas à un calendrier"_qs));
        doc.Sync.CollectionUrl = u"http://127.0.0.1:1/cal/"_qs;
        QVERIFY(Exchange(doc).Message.startsWith(u"Impossible de joindre le serveur"_qs));
        QCOMPARE(LocalLines(doc), before);
    }

    void garbageAndAnUnverifiedCertificateAreRefused()
    {
        QTemporaryDir dir;
        const QString cert = dir.filePath(u"cert.pem"_qs), key = dir.filePath(u"key.pem"_qs);
        QProcess openssl;
        openssl.start(u"openssl"_qs,
                      {u"req"_qs, u"-x509"_qs, u"-newkey"_qs, u"rsa:2048"_qs, u"-nodes"_qs, u"-days"_qs,
                       u"2"_qs, u"-subj"_qs, u"/CN=127.0.0.1"_qs, u"-keyout"_qs, key, u"-out"_qs, cert});
        QVERIFY(openssl.waitForFinished(60000) && openssl.exitCode() == 0);
        QProcess plain, secure;
        const int plainPort = StartOddServer(plain), securePort = StartOddServer(secure, {cert, key});
        QVERIFY(plainPort > 0 && securePort > 0);

        CalendarDocument doc = SampleYear(QStringLiteral("http://127.0.0.1:%1/anne/cal/").arg(plainPort));
        const QStringList before = LocalLines(doc);
        QCOMPARE(Exchange(doc).Message, Str(28005).arg(u"« 127.0.0.1 »"_qs));
        doc.Sync.CollectionUrl = QStringLiteral("https://127.0.0.1:%1/anne/cal/").arg(securePort);
        const QString refused = Exchange(doc).Message;
        QVERIFY2(refused.contains(Str(27020)), qPrintable(refused));
        QCOMPARE(LocalLines(doc), before);
        plain.kill();
        secure.kill();
        plain.waitForFinished();
        secure.waitForFinished();
    }

    void aCollectionHoldingTheYearsExportIsPairedNotDoubled()
    {
        const QString url = NewCollection();
        CalendarDocument doc = SampleYear(url);
        doc.Sync.UserName = RadicaleServer::User;
        PrepareIcal();
        const IcalComponent calendar(
            icalparser_parse_string(ExportCalendar(doc, QDateTime::currentDateTimeUtc()).constData()));
        int n = 0;
        for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT))
            QCOMPARE(m_server->Put(QUrl(url).path() + QStringLiteral("export-%1.ics").arg(++n),
                                   CalendarAround(IcalText(e))),
                     201);
        const SyncOutcome outcome = Exchange(doc);
        QVERIFY(outcome.Ok());
        QCOMPARE(outcome.Report(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
        QCOMPARE(Held(url).size(), 9);
        QCOMPARE(LocalLines(doc), LocalLines(SampleYear()));
    }

    void theCommandSynchronisesTheExampleYear()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"exemple.cal"_qs);
        QCOMPARE(Cli({u"demo"_qs, file, u"--year"_qs, u"2026"_qs}).Exit, 0);
        const QString url = NewCollection();
        const Run first = Cli({u"sync"_qs, file, u"--url"_qs, url, u"--user"_qs, RadicaleServer::User});
        QVERIFY2(first.Exit == 0, qPrintable(first.Err));
        QVERIFY(first.Out.startsWith(u"Envoyés: "_qs));
        CalendarDocument synced;
        QVERIFY(ReadCalFile(file, synced));
        QCOMPARE(ServerLines(Held(url)), LocalLines(synced));

        // On the server: one event added, one changed, one deleted.
        const QString collection = QUrl(url).path();
        QCOMPARE(m_server->Put(collection + u"phone-9.ics"_qs,
                               DeviceEvent(u"phone-9"_qs, u"20260704"_qs, u"Feu d'artifice"_qs)),
                 201);
        const QList<DavResource> held = Held(url);
        const auto event = std::find_if(held.begin(), held.end(), [](const DavResource& r) {
            return r.Data.contains("CATEGORIES:Événement");
        });
        QVERIFY(event != held.end());
        const ServerEvent changed = ReadServerEvent(*event, 2026, kParis);
        const ServerEvent deleted = ReadServerEvent(held[event == held.begin() ? 1 : 0], 2026, kParis);
        static const QRegularExpression summary(u"SUMMARY:[^\r\n]*"_qs);
        QCOMPARE(
            m_server->Put(event->Href,
                          QString::fromUtf8(event->Data).replace(summary, u"SUMMARY:Changé"_qs).toUtf8()),
            201);
        QCOMPARE(m_server->Delete(deleted.Href), 200);

        const Run second = Cli({u"sync"_qs, file});
        QVERIFY2(second.Exit == 0, qPrintable(second.Err));
        QCOMPARE(second.Out.trimmed(), u"Envoyés: 0, reçus: 2, supprimés: 1, conflits: 0."_qs);
        CalendarDocument after;
        QVERIFY(ReadCalFile(file, after));
        QStringList expected = LocalLines(synced);
        expected.removeOne(EntryLine(deleted.Days[0].Date, deleted.Days[0].Entry));
        DayEntry renamed = changed.Days[0].Entry;
        expected.removeOne(EntryLine(changed.Days[0].Date, renamed));
        renamed.Description = u"Changé"_qs;
        expected.append(EntryLine(changed.Days[0].Date, renamed));
        expected.append(u"2026-07-04 Feu d'artifice"_qs);
        expected.sort();
        QCOMPARE(LocalLines(after), expected);

        // A third exchange changes nothing on either side.
        const QByteArray bytes = FileBytes(file);
        QStringList versions;
        for (const DavResource& r : Held(url)) versions.append(r.Href + r.ETag);
        const Run third = Cli({u"sync"_qs, file});
        QCOMPARE(third.Out.trimmed(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
        QCOMPARE(FileBytes(file), bytes);
        QStringList versionsAfter;
        for (const DavResource& r : Held(url)) versionsAfter.append(r.Href + r.ETag);
        QCOMPARE(versionsAfter, versions);

        // A wrong password: exit 1 with the message, the file as it was.
        const Run refused = Cli({u"sync"_qs, file}, u"faux"_qs);
        QCOMPARE(refused.Exit, 1);
        QVERIFY(refused.Err.contains(u"refuse ce nom d'utilisateur"_qs));
        QCOMPARE(FileBytes(file), bytes);
    }
};

QTEST_GUILESS_MAIN(TestSyncServer)
#include "tst_syncserver.moc"
