// The rules of an exchange against a collection held in memory: what goes, what comes, what is
// kept when both sides changed, and that no failure at any request loses anything.

#include "SyncFixtures.h"
#include "interchange/IcalHandles.h"
#include "resources/Strings.h"
#include "sync/SyncAddress.h"

#include <QTest>

namespace {

// The resource of the server that holds a text.
QString HrefOf(const FakeCalDav& server, const QString& text)
{
    for (auto it = server.Resources.constBegin(); it != server.Resources.constEnd(); ++it)
        if (QString::fromUtf8(it->Data).contains(text)) return it.key();
    return {};
}

QByteArray Replaced(const QByteArray& data, const QString& from, const QString& to)
{
    return QString::fromUtf8(data).replace(from, to).toUtf8();
}

// The year's export as another client would have put it on the server: one resource per event.
void PutExport(FakeCalDav& server, const CalendarDocument& doc)
{
    PrepareIcal();
    const IcalComponent calendar(
        icalparser_parse_string(ExportCalendar(doc, QDateTime::currentDateTimeUtc()).constData()));
    for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT))
        server.Write(QStringLiteral("/u/cal/%1.ics").arg(QString::fromUtf8(icalcomponent_get_uid(e))),
                     CalendarAround(IcalText(e)));
}

} // namespace

class TestSyncRules : public QObject
{
    Q_OBJECT
private slots:
    void theFirstExchangeSendsTheYearAndTheNextSendsNothing()
    {
        FakeCalDav server;
        CalendarDocument doc = SampleYear();
        const SyncOutcome first = Exchange(server, doc);
        QVERIFY2(first.Ok(), qPrintable(first.Message));
        QCOMPARE(first.Counts.Sent, 9);
        QCOMPARE(first.Report(), u"Envoyés: 9, reçus: 0, supprimés: 0, conflits: 0."_qs);
        // Texts, money, the tick, the alarm and the colour as the server holds them.
        QCOMPARE(ServerLines(server), LocalLines(doc));
        QVERIFY(first.StateChanged);

        const int writes = server.Writes();
        for (bool changes : {true, false}) {
            server.OffersSyncCollection = changes;
            const SyncOutcome again = Exchange(server, doc);
            QVERIFY(again.Ok());
            QCOMPARE(server.Writes(), writes);
            QCOMPARE(again.Report(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
            QVERIFY(!again.DocumentChanged());
        }
    }

    void changesOnEachSideCrossOver_data()
    {
        QTest::addColumn<bool>("changesOnly");
        QTest::newRow("changes since the token") << true;
        QTest::newRow("the whole year listed") << false;
    }
    void changesOnEachSideCrossOver()
    {
        QFETCH(bool, changesOnly);
        FakeCalDav server;
        server.OffersSyncCollection = changesOnly;
        CalendarDocument doc = SampleYear();
        QVERIFY(Exchange(server, doc).Ok());

        // Another device adds an event at a time, changes one, deletes one.
        server.Write(QStringLiteral("/u/cal/phone-1.ics"),
                     DeviceEvent(u"phone-1"_qs, u"20260503T100000Z"_qs, u"Dentiste"_qs));
        const QString eve = HrefOf(server, u"Réveillon"_qs);
        server.Write(eve, Replaced(server.Resources[eve].Data, u"Réveillon"_qs, u"Réveillon à Paris"_qs));
        server.Delete(HrefOf(server, u"Jour de l'an"_qs));
        // Here: an entry added, one ticked, one deleted, one moved to another day.
        DayList(doc, 7, 7).append(Entry(EntryEvent, u"Piscine"_qs));
        DayList(doc, 1, 8).first().Ticked = true;
        DayList(doc, 12, 6).clear();
        DayList(doc, 16, 3).append(DayList(doc, 14, 3).takeFirst());

        const SyncOutcome outcome = Exchange(server, doc);
        QVERIFY2(outcome.Ok(), qPrintable(outcome.Message));
        QCOMPARE(outcome.Report(), u"Envoyés: 3, reçus: 2, supprimés: 2, conflits: 0."_qs);
        QCOMPARE(Descriptions(DayList(doc, 3, 5)), QStringList{u"Dentiste"_qs});
        QCOMPARE(Descriptions(DayList(doc, 24, 12)), QStringList{u"Réveillon à Paris"_qs});
        QVERIFY(DayList(doc, 1, 1).isEmpty());
        QCOMPARE(ServerLines(server), LocalLines(doc));
        QCOMPARE(server.Resources.size(), 9);

        const int writes = server.Writes();
        const SyncOutcome third = Exchange(server, doc);
        QCOMPARE(third.Report(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
        QCOMPARE(server.Writes(), writes);
    }

    void whenBothSidesChangedNothingIsLost()
    {
        FakeCalDav server;
        CalendarDocument doc = SampleYear();
        QVERIFY(Exchange(server, doc).Ok());
        // The same entry changed on both sides; one changed here and deleted there; one deleted
        // here and changed there.
        const QString market = HrefOf(server, u"Vacances"_qs);
        server.Write(market,
                     Replaced(server.Resources[market].Data, u"Vacances"_qs, u"Vacances en Corse"_qs));
        DayList(doc, 1, 8).first().Description = u"Vacances au Mans"_qs;
        server.Delete(HrefOf(server, u"Vaccin du chat"_qs));
        DayList(doc, 2, 4).first().Description = u"Rappel vaccin"_qs;
        const QString eve = HrefOf(server, u"Réveillon"_qs);
        server.Write(eve, Replaced(server.Resources[eve].Data, u"Réveillon"_qs, u"Réveillon à Lyon"_qs));
        DayList(doc, 24, 12).clear();

        const SyncOutcome outcome = Exchange(server, doc);
        QVERIFY(outcome.Ok());
        QCOMPARE(outcome.Counts.Conflicts, 3);
        QCOMPARE(Descriptions(DayList(doc, 1, 8)),
                 (QStringList{u"Vacances en Corse"_qs, u"Vacances au Mans"_qs}));
        QCOMPARE(Descriptions(DayList(doc, 2, 4)), QStringList{u"Rappel vaccin"_qs});
        QCOMPARE(Descriptions(DayList(doc, 24, 12)), QStringList{u"Réveillon à Lyon"_qs});
        QCOMPARE(ServerLines(server), LocalLines(doc));
    }

    void aResourceChangedMeanwhileIsFetchedAgain()
    {
        FakeCalDav server;
        CalendarDocument doc = SampleYear();
        QVERIFY(Exchange(server, doc).Ok());
        DayList(doc, 20, 9)[0].Ticked = true;
        // Between the listing and the sending, another device changes the same event (412).
        const QString href = doc.Sync.Records.value(DayList(doc, 20, 9)[0].Uid).Href;
        bool changed = false;
        const int puts = server.ByKind.value(u"PUT"_qs);
        server.BeforeAnswer = [&](int) {
            if (changed || server.ByKind.value(u"PUT"_qs) != puts + 1) return;
            changed = true;
            server.Write(href, Replaced(server.Resources[href].Data, u"Marché"_qs, u"Marché de Noël"_qs));
        };
        const SyncOutcome outcome = Exchange(server, doc);
        QVERIFY2(outcome.Ok(), qPrintable(outcome.Message));
        QCOMPARE(outcome.Counts.Conflicts, 1);
        QCOMPARE(Descriptions(DayList(doc, 20, 9)),
                 (QStringList{u"Marché de Noël"_qs, u"Marché"_qs, u"Marché"_qs}));
        QCOMPARE(ServerLines(server), LocalLines(doc));
    }

    void aCollectionHoldingTheYearsExportIsPairedNotDoubled()
    {
        FakeCalDav server;
        CalendarDocument doc = SampleYear();
        PutExport(server, doc);
        const int writes = server.Writes();
        const SyncOutcome outcome = Exchange(server, doc);
        QVERIFY(outcome.Ok());
        QCOMPARE(outcome.Report(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
        QCOMPARE(server.Writes(), writes);
        QCOMPARE(server.Resources.size(), 9);
        QCOMPARE(LocalLines(doc), LocalLines(SampleYear()));
        QCOMPARE(doc.Sync.Records.size(), 9);
        // Paired for good: the next exchange neither sends again nor deletes.
        QCOMPARE(Exchange(server, doc).Report(), u"Envoyés: 0, reçus: 0, supprimés: 0, conflits: 0."_qs);
        QCOMPARE(server.Writes(), writes);
        QCOMPARE(server.Resources.size(), 9);
    }

    void noFailureAtAnyRequestLosesAnything_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("failed") << int(DavStatus::Failed);
        QTest::newRow("cancelled") << int(DavStatus::Cancelled);
    }
    void noFailureAtAnyRequestLosesAnything()
    {
        QFETCH(int, status);
        FakeCalDav server;
        CalendarDocument doc = SampleYear();
        QVERIFY(Exchange(server, doc).Ok());
        // Changes on both sides, then the same exchange with each of its requests failing in turn.
        server.Write(u"/u/cal/phone-2.ics"_qs, DeviceEvent(u"phone-2"_qs, u"20261111"_qs, u"Armistice"_qs));
        server.Delete(HrefOf(server, u"Jour de l'an"_qs));
        DayList(doc, 7, 7).append(Entry(EntryEvent, u"Piscine"_qs));
        DayList(doc, 24, 12).clear();
        DayList(doc, 1, 8).first().Ticked = true;

        FakeCalDav cleanServer = server;
        CalendarDocument cleanDoc = doc;
        QVERIFY(Exchange(cleanServer, cleanDoc).Ok());
        const QStringList expected = LocalLines(cleanDoc);
        QCOMPARE(ServerLines(cleanServer), expected);
        const int requests = cleanServer.Requests - server.Requests;
        QVERIFY(requests >= 5);

        for (int n = 1; n <= requests; ++n) {
            FakeCalDav failing = server;
            CalendarDocument local = doc;
            failing.FailAt = failing.Requests + n;
            failing.FailWith = DavStatus(status);
            // (The last request only moves the token past the exchange's own writes.)
            const SyncOutcome outcome = Exchange(failing, local);
            QVERIFY(outcome.Ok() || !outcome.Message.isEmpty());
            // Nothing that both sides keep is gone from either.
            for (const QString& line : expected) {
                if (LocalLines(doc).contains(line))
                    QVERIFY2(LocalLines(local).contains(line), qPrintable(line));
                if (ServerLines(server).contains(line))
                    QVERIFY2(ServerLines(failing).contains(line), qPrintable(line));
            }
            failing.FailAt = 0;
            QVERIFY(Exchange(failing, local).Ok());
            QCOMPARE(LocalLines(local), expected);
            QCOMPARE(ServerLines(failing), expected);
        }
    }

    void aRepeatedEventOfTheServerIsOnEachOfItsDays()
    {
        FakeCalDav server;
        CalendarDocument doc = SampleYear();
        QVERIFY(Exchange(server, doc).Ok());
        const QString href = u"/u/cal/choir.ics"_qs;
        server.Write(
            href, DeviceEvent(u"choir"_qs, u"20260105"_qs, u"Chorale"_qs, {u"RRULE:FREQ=WEEKLY;COUNT=3"_qs}));
        QCOMPARE(Exchange(server, doc).Counts.Received, 3);
        for (int day : {5, 12, 19}) QCOMPARE(Descriptions(DayList(doc, day, 1)), QStringList{u"Chorale"_qs});

        // A day of it changed here is not sent over the whole series...
        DayList(doc, 12, 1).first().Description = u"Chorale (concert)"_qs;
        const int writes = server.Writes();
        QVERIFY(Exchange(server, doc).Ok());
        QCOMPARE(server.Writes(), writes);
        // ...and is kept when the series changes there.
        server.Write(href, Replaced(server.Resources[href].Data, u"Chorale"_qs, u"Chant"_qs));
        const SyncOutcome outcome = Exchange(server, doc);
        QCOMPARE(outcome.Counts.Conflicts, 1);
        QCOMPARE(Descriptions(DayList(doc, 12, 1)), (QStringList{u"Chant"_qs, u"Chorale (concert)"_qs}));
        QCOMPARE(Descriptions(DayList(doc, 19, 1)), QStringList{u"Chant"_qs});
    }

    void whatOtherCalendarsWriteIsRead()
    {
        FakeCalDav server;
        CalendarDocument doc = SampleYear();
        QVERIFY(Exchange(server, doc).Ok());
        server.Write(u"/u/cal/p3.ics"_qs, DeviceEvent(u"p3"_qs, u"20260210"_qs, u"Plombier 120,50"_qs,
                                                      {u"CATEGORIES:Dépense"_qs, u"COLOR:blue"_qs}));
        QVERIFY(Exchange(server, doc).Ok());
        const DayEntry& e = DayList(doc, 10, 2).first();
        QCOMPARE(e.EntryType, qint32(EntryExpense));
        QCOMPARE(e.Description, MoneyDescription(u"Plombier", u"120.50"));
        QCOMPARE(e.TextColour, 0xFF0000); // blue, red in the low byte
    }

    void anotherDevicesEventKeepsWhatTheEntryCannotHold()
    {
        FakeCalDav server;
        CalendarDocument doc = SampleYear();
        const QString href = u"/u/cal/phone-4.ics"_qs;
        server.Write(href,
                     DeviceEvent(u"phone-4"_qs, u"20260610T073000Z"_qs, u"Rendez-vous chez le notaire"_qs,
                                 {u"DTEND:20260610T083000Z"_qs, u"LOCATION:Place Bellecour"_qs}));
        QVERIFY(Exchange(server, doc).Ok());
        QCOMPARE(Descriptions(DayList(doc, 10, 6)), QStringList{u"Rendez-vous chez"_qs});

        // Ticked here, then moved two days later.
        DayList(doc, 10, 6).first().Ticked = true;
        QVERIFY(Exchange(server, doc).Ok());
        DayList(doc, 12, 6).append(DayList(doc, 10, 6).takeFirst());
        QCOMPARE(Exchange(server, doc).Counts.Sent, 1);
        const QString sent = QString::fromUtf8(server.Resources[href].Data).remove(u"\r\n "_qs);
        for (const QString& kept :
             {u"SUMMARY:Rendez-vous chez le notaire"_qs, u"LOCATION:Place Bellecour"_qs,
              u"DTSTART:20260612T073000Z"_qs, u"DTEND:20260612T083000Z"_qs, u"X-DAYBINDER-TICKED:TRUE"_qs})
            QVERIFY2(sent.contains(kept), qPrintable(sent));
        QCOMPARE(ServerLines(server), LocalLines(doc));
    }

    void aServerThatCannotBeUsedChangesNothing()
    {
        CalendarDocument doc = SampleYear();
        const QStringList before = LocalLines(doc);
        FakeCalDav notCalendar;
        notCalendar.IsCalendar = false;
        QCOMPARE(Exchange(notCalendar, doc).End, SyncOutcome::Failed);
        FakeCalDav refusing;
        refusing.FailAt = 1;
        refusing.FailWith = DavStatus::Unauthorized;
        QCOMPARE(Exchange(refusing, doc).End, SyncOutcome::Failed);
        QCOMPARE(LocalLines(doc), before);
        QVERIFY(notCalendar.Resources.isEmpty() && refusing.Resources.isEmpty());

        CalendarDocument unset = SampleYear(QString());
        const SyncOutcome outcome = Exchange(notCalendar, unset);
        QCOMPARE(outcome.Message, Str(28008));
    }

    void aPasswordGoesInClearOnlyWhereTheUserAccepts()
    {
        QString error;
        QVERIFY(CollectionUrl(u"http://127.0.0.1:5232/anne/cal"_qs, false, &error));
        QCOMPARE(CollectionUrl(u"https://cal.example/anne/cal"_qs, false, &error)->toString(),
                 u"https://cal.example/anne/cal/"_qs);
        QVERIFY(!CollectionUrl(u"http://cal.example/anne/cal/"_qs, false, &error));
        QVERIFY(error.contains(u"en clair"_qs));
        QVERIFY(CollectionUrl(u"http://cal.example/anne/cal/"_qs, true, &error));
        QVERIFY(!CollectionUrl(u"ftp://cal.example/"_qs, true, &error));
        QVERIFY(!CollectionUrl(u"webcal://cal.example/"_qs, true, &error));
        // Only this machine's own addresses count as local, however they are written.
        for (const QString& local : {u"http://LOCALHOST:5232/"_qs, u"http://127.8.9.10/"_qs,
                                     u"http://[::1]:5232/"_qs, u"http://[::ffff:127.0.0.1]/"_qs})
            QVERIFY2(!NeedsClearTextConsent(QUrl(local)), qPrintable(local));
        for (const QString& remote : {u"http://128.0.0.1/"_qs, u"http://10.0.0.1/"_qs, u"http://[::2]/"_qs,
                                      u"http://127.0.0.1.example/"_qs, u"http://[::ffff:10.0.0.1]/"_qs})
            QVERIFY2(NeedsClearTextConsent(QUrl(remote)), qPrintable(remote));
    }
};

QTEST_GUILESS_MAIN(TestSyncRules)
#include "tst_syncrules.moc"
