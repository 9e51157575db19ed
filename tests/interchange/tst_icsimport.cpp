// Events of other calendars brought into the open year: the days recurring events fall on,
// time zones near midnight, events that last several days, events of other years left out,
// texts made to fit, the report the user reads, and files that hold no calendar refused
// without a change.

#include "InterchangeFixtures.h"
#include "interchange/IcsEntry.h"
#include "interchange/ImportReport.h"

#include <QTest>

namespace {

QStringList Imported(const QStringList& body, IcsImportResult* result = nullptr)
{
    return ImportedDays(Calendar(body), result);
}

} // namespace

class TestIcsImport : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(2026); }

    void recurringAndZonedEventsLandOnTheirDaysAndNothingElse()
    {
        QStringList body = VEvent(u"bd"_qs, {u"DTSTART;VALUE=DATE:19800612"_qs, u"RRULE:FREQ=YEARLY"_qs,
                                             u"SUMMARY:Anniversaire Zoé"_qs});
        body += VEvent(u"yoga"_qs, {u"DTSTART;TZID=Europe/Paris:20260105T190000"_qs,
                                    u"RRULE:FREQ=WEEKLY;UNTIL=20260202T180000Z"_qs,
                                    u"EXDATE;TZID=Europe/Paris:20260119T190000"_qs, u"SUMMARY:Yoga"_qs});
        body += VEvent(u"late"_qs, {u"DTSTART;TZID=America/Montreal:20261231T233000"_qs, u"SUMMARY:Feux"_qs});
        body +=
            VEvent(u"early"_qs, {u"DTSTART;TZID=America/Montreal:20260101T000500"_qs, u"SUMMARY:Minuit"_qs});
        body += VEvent(u"utc"_qs, {u"DTSTART:20270101T030000Z"_qs, u"SUMMARY:Appel Québec"_qs});
        body += VEvent(u"old"_qs, {u"DTSTART;VALUE=DATE:20250704"_qs, u"SUMMARY:L'an passé"_qs});
        body += VEvent(u"next"_qs, {u"DTSTART;VALUE=DATE:20270704"_qs, u"SUMMARY:L'an prochain"_qs});
        IcsImportResult r;
        QCOMPARE(Imported(body, &r),
                 QStringList({u"2026-01-01 Minuit"_qs, u"2026-01-05 Yoga"_qs, u"2026-01-12 Yoga"_qs,
                              u"2026-01-26 Yoga"_qs, u"2026-02-02 Yoga"_qs, u"2026-06-12 Anniversaire Zoé"_qs,
                              u"2026-12-31 Appel Québec"_qs, u"2026-12-31 Feux"_qs}));
        QCOMPARE(r.Added, 8);
        QCOMPARE(r.Events, 5);
        QCOMPARE(r.Skipped.OutsideYear, 2);
        QCOMPARE(r.ChangedMonths(), QList<int>({1, 2, 6, 12}));
        QCOMPARE(EntriesOn(12, 6)[0].EntryType, qint32(EntryEvent));
    }

    void importedEventsFollowTheDaysOwnInTheOrderOfTheirTimes()
    {
        EntriesOn(3, 3).append(Event(u"Déjà là"_qs));
        Imported(VEvent(u"b"_qs, {u"DTSTART:20260303T150000"_qs, u"SUMMARY:Après-midi"_qs}) +
                 VEvent(u"a"_qs, {u"DTSTART:20260303T080000"_qs, u"SUMMARY:Matin"_qs}) +
                 VEvent(u"c"_qs, {u"DTSTART;VALUE=DATE:20260303"_qs, u"SUMMARY:Journée"_qs}));
        QCOMPARE(Descriptions(EntriesOn(3, 3)),
                 QStringList({u"Déjà là"_qs, u"Journée"_qs, u"Matin"_qs, u"Après-midi"_qs}));
    }

    void movedCancelledAndRepeatedOccurrencesAreTakenAsTheyHappen()
    {
        const QStringList days =
            Imported(VEvent(u"club"_qs, {u"DTSTART;VALUE=DATE:20260401"_qs, u"RRULE:FREQ=DAILY;COUNT=3"_qs,
                                         u"RDATE;VALUE=DATE:20260410"_qs, u"SUMMARY:Club"_qs}) +
                     VEvent(u"club"_qs, {u"RECURRENCE-ID;VALUE=DATE:20260402"_qs,
                                         u"DTSTART;VALUE=DATE:20260405"_qs, u"SUMMARY:Déplacé"_qs}) +
                     VEvent(u"off"_qs, {u"DTSTART;VALUE=DATE:20260404"_qs, u"STATUS:CANCELLED"_qs,
                                        u"SUMMARY:Annulé"_qs}) +
                     VEvent(u"pills"_qs, {u"DTSTART:20260501T080000"_qs,
                                          u"RRULE:FREQ=HOURLY;INTERVAL=4;COUNT=9"_qs, u"SUMMARY:Pilule"_qs}));
        QCOMPARE(days,
                 QStringList({u"2026-04-01 Club"_qs, u"2026-04-03 Club"_qs, u"2026-04-05 Déplacé"_qs,
                              u"2026-04-10 Club"_qs, u"2026-05-01 Pilule"_qs, u"2026-05-02 Pilule"_qs}));
    }

    void aRuleWithoutEndFromLongAgoStillEndsQuickly()
    {
        Imported(VEvent(u"tick"_qs,
                        {u"DTSTART:19700101T000000"_qs, u"RRULE:FREQ=SECONDLY"_qs, u"SUMMARY:Tic"_qs}) +
                 VEvent(u"day"_qs,
                        {u"DTSTART;VALUE=DATE:19000101"_qs, u"RRULE:FREQ=DAILY"_qs, u"SUMMARY:Jour"_qs}));
        QCOMPARE(EntriesOn(31, 12).last().Description, u"Jour"_qs);

        // Hundreds of year-long events repeated daily: each still covers its days, once.
        OpenTestDocument(2026);
        QStringList body;
        for (int i = 0; i < 200; ++i)
            body += VEvent(QString::number(i),
                           {u"DTSTART;VALUE=DATE:20250101"_qs, u"DTEND;VALUE=DATE:20260102"_qs,
                            u"RRULE:FREQ=DAILY"_qs, u"SUMMARY:Chantier"_qs});
        Imported(body);
        QCOMPARE(EntriesOn(1, 1).size(), 200);
    }

    void eventsOfSeveralDaysCoverEachOfTheirDaysInTheYear_data()
    {
        QTest::addColumn<QStringList>("properties");
        QTest::addColumn<QStringList>("days");
        QTest::newRow("one all-day day")
            << QStringList{u"DTSTART;VALUE=DATE:20260310"_qs, u"DTEND;VALUE=DATE:20260311"_qs}
            << QStringList{u"2026-03-10"_qs};
        QTest::newRow("all-day, three days")
            << QStringList{u"DTSTART;VALUE=DATE:20260310"_qs, u"DTEND;VALUE=DATE:20260313"_qs}
            << QStringList{u"2026-03-10"_qs, u"2026-03-11"_qs, u"2026-03-12"_qs};
        QTest::newRow("duration of two days")
            << QStringList{u"DTSTART;VALUE=DATE:20260228"_qs, u"DURATION:P2D"_qs}
            << QStringList{u"2026-02-28"_qs, u"2026-03-01"_qs};
        QTest::newRow("past midnight")
            << QStringList{u"DTSTART:20260620T220000"_qs, u"DTEND:20260621T020000"_qs}
            << QStringList{u"2026-06-20"_qs, u"2026-06-21"_qs};
        QTest::newRow("ends at midnight")
            << QStringList{u"DTSTART:20260620T200000"_qs, u"DTEND:20260621T000000"_qs}
            << QStringList{u"2026-06-20"_qs};
        // 23:00 to 01:00 UTC is 19:00 to 21:00 in Montreal: one day there.
        QTest::newRow("utc, one local day")
            << QStringList{u"DTSTART:20260704T230000Z"_qs, u"DURATION:PT2H"_qs}
            << QStringList{u"2026-07-04"_qs};
        QTest::newRow("across new year")
            << QStringList{u"DTSTART;VALUE=DATE:20251230"_qs, u"DTEND;VALUE=DATE:20260103"_qs}
            << QStringList{u"2026-01-01"_qs, u"2026-01-02"_qs};
        QTest::newRow("weekly weekend")
            << QStringList{u"DTSTART;VALUE=DATE:20261205"_qs, u"DTEND;VALUE=DATE:20261207"_qs,
                           u"RRULE:FREQ=WEEKLY;COUNT=4"_qs}
            << QStringList{u"2026-12-05"_qs, u"2026-12-06"_qs, u"2026-12-12"_qs, u"2026-12-13"_qs,
                           u"2026-12-19"_qs, u"2026-12-20"_qs, u"2026-12-26"_qs, u"2026-12-27"_qs};
        QTest::newRow("daily, overlapping")
            << QStringList{u"DTSTART;VALUE=DATE:20260801"_qs, u"DTEND;VALUE=DATE:20260803"_qs,
                           u"RRULE:FREQ=DAILY;COUNT=2"_qs}
            << QStringList{u"2026-08-01"_qs, u"2026-08-02"_qs, u"2026-08-03"_qs};
        QTest::newRow("end before start")
            << QStringList{u"DTSTART;VALUE=DATE:20260910"_qs, u"DTEND;VALUE=DATE:20260901"_qs}
            << QStringList{u"2026-09-10"_qs};
    }

    void eventsOfSeveralDaysCoverEachOfTheirDaysInTheYear()
    {
        QFETCH(QStringList, properties);
        QFETCH(QStringList, days);
        QStringList expected;
        for (const QString& day : days) expected.append(day + u" Séjour"_qs);
        QCOMPARE(Imported(VEvent(u"s"_qs, properties + QStringList{u"SUMMARY:Séjour"_qs})), expected);
    }

    void aYearLongEventFillsTheYearAndNoMore()
    {
        IcsImportResult r;
        Imported(VEvent(u"y"_qs, {u"DTSTART;VALUE=DATE:20251201"_qs, u"DTEND;VALUE=DATE:20290101"_qs,
                                  u"SUMMARY:Chantier"_qs}),
                 &r);
        QCOMPARE(r.Added, 335); // 366 days from 1 December: to 1 December
        QCOMPARE(EntriesOn(1, 12).size(), 1);
        QVERIFY(EntriesOn(2, 12).isEmpty());
        QCOMPARE(ImportReport(r, 2026), u"1 événement(s) importé(s) sur 335 jour(s)."_qs);
    }

    void textsAreCutToTheEventLengthAndForeignCharactersShowAsQuestionMarks()
    {
        const QList<std::pair<QString, QString>> cases = {
            {u"  Rendez-vous chez le dentiste  "_qs, u"Rendez-vous chez"_qs},
            {u"Ligne un\r\nLigne deux"_qs, u"Ligne un Ligne de"_qs},
            {u"Fête 🎉 Ω"_qs, u"Fête ? ?"_qs},
            {u"Dîner \"chez nous\""_qs, u"Dîner ?chez nous?"_qs}, // a quote would break the file's line
        };
        for (const auto& [summary, kept] : cases) {
            bool replaced = false;
            QCOMPARE(ImportedDescription(summary, &replaced), kept);
            QCOMPARE(replaced, kept.contains(u'?'));
        }
        IcsImportResult r;
        Imported(VEvent(u"x"_qs, {u"DTSTART;VALUE=DATE:20260801"_qs, u"SUMMARY:Œuvre € 🏖"_qs}) +
                     VEvent(u"y"_qs, {u"DTSTART;VALUE=DATE:20260802"_qs}) +
                     VEvent(u"z"_qs, {u"DTSTART;VALUE=DATE:20260803"_qs, u"SUMMARY:"_qs,
                                      u"DESCRIPTION:Réunion de\\nparents"_qs}),
                 &r);
        QVERIFY(r.CharactersReplaced);
        // Without a summary the description shows; with nothing at all, nothing does.
        QCOMPARE(DaysWithEntries(),
                 QStringList({u"2026-08-01 Œuvre € ?"_qs, u"2026-08-03 Réunion de parent"_qs}));
        QCOMPARE(r.Skipped.NoText, 1);
    }

    void theReportTellsWhatCameInAndWhatWasLeftOut()
    {
        IcsImportResult r;
        Imported(VEvent(u"a"_qs, {u"DTSTART;VALUE=DATE:20260501"_qs, u"RRULE:FREQ=WEEKLY;COUNT=3"_qs,
                                  u"SUMMARY:Marché"_qs}) +
                     VEvent(u"a"_qs, {u"RECURRENCE-ID;VALUE=DATE:20260508"_qs,
                                      u"DTSTART;VALUE=DATE:20260509"_qs, u"SUMMARY:Marché (samedi)"_qs}) +
                     VEvent(u"b"_qs, {u"DTSTART;VALUE=DATE:20260501"_qs, u"SUMMARY:Fête du travail"_qs}) +
                     VEvent(u"c"_qs, {u"DTSTART;VALUE=DATE:20250501"_qs, u"SUMMARY:L'an passé"_qs}) +
                     VEvent(u"d"_qs, {u"SUMMARY:Sans date"_qs}) + VEvent(u"e"_qs, {u"DTSTART:20260512"_qs}),
                 &r);
        QCOMPARE(ImportReport(r, 2026), u"2 événement(s) importé(s) sur 3 jour(s).\r"
                                        "3 événement(s) laissé(s) de côté: 1 hors de l'année 2026, "
                                        "1 sans date de début, 1 sans texte."_qs);

        OpenTestDocument(2026);
        Imported(VEvent(u"old"_qs, {u"DTSTART;VALUE=DATE:20250501"_qs, u"SUMMARY:L'an passé"_qs}) +
                     VEvent(u"off"_qs, {u"DTSTART;VALUE=DATE:20260501"_qs, u"STATUS:CANCELLED"_qs,
                                        u"SUMMARY:Annulé"_qs}),
                 &r);
        QCOMPARE(ImportReport(r, 2026), u"Aucun événement n'a été importé.\r"
                                        "1 événement(s) laissé(s) de côté: 1 hors de l'année 2026."_qs);
        Imported({}, &r);
        QCOMPARE(ImportReport(r, 2026), u"Aucun événement n'a été importé."_qs);
    }

    void aFullDayKeepsItsListAndTheReportSaysSo()
    {
        EntriesOn(2, 2) = QList<DayEntry>(kMaxListCount, Event(u"Plein"_qs));
        IcsImportResult r;
        Imported(VEvent(u"f"_qs, {u"DTSTART;VALUE=DATE:20260201"_qs, u"DTEND;VALUE=DATE:20260203"_qs,
                                  u"SUMMARY:Salon"_qs}),
                 &r);
        QCOMPARE(EntriesOn(2, 2).size(), kMaxListCount);
        QCOMPARE(EntriesOn(1, 2).last().Description, u"Salon"_qs);
        QCOMPARE(ImportReport(r, 2026), u"1 événement(s) importé(s) sur 1 jour(s).\r"
                                        "1 entrée(s) laissée(s) de côté: leur journée est pleine."_qs);
    }

    void aFileThatHoldsNoCalendarChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("jpeg") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11) +
                                     QByteArray(2000, '\x7F');
        QTest::newRow("vcard") << QByteArray("BEGIN:VCARD\r\nFN:Zoé\r\nEND:VCARD\r\n");
        QTest::newRow("web page") << QByteArray("<!DOCTYPE html><html><body>BEGIN:VCALENDAR</body></html>");
        QTest::newRow("events without calendar")
            << QByteArray("BEGIN:VEVENT\r\nDTSTART:20260101\r\nSUMMARY:A\r\nEND:VEVENT\r\n");
        QTest::newRow("empty") << QByteArray();
    }

    void aFileThatHoldsNoCalendarChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        EntriesOn(1, 1).append(Event(u"Ancien"_qs));
        QCOMPARE(int(ImportCalendar(bytes, Doc(), kMontreal).Status), int(IcsReadStatus::NotCalendar));
        QCOMPARE(DaysWithEntries(), QStringList{u"2026-01-01 Ancien"_qs});
    }
};

QTEST_GUILESS_MAIN(TestIcsImport)
#include "tst_icsimport.moc"
