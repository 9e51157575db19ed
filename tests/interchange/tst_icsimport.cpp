// Events of other calendars brought into the open year: the days recurring events fall on,
// time zones near midnight, events of other years left out, texts made to fit, and files that
// are not calendars, or damaged ones, refused without a change.

#include "InterchangeFixtures.h"
#include "interchange/IcsImport.h"

#include <QTest>

namespace {

const QTimeZone kMontreal("America/Montreal");

// Every entry of the year with its day: "2026-06-12 Anniversaire Zoé".
QStringList DaysWithEntries()
{
    QStringList days;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= DaysInMonth(2026, m); ++d)
            for (const DayEntry& e : EntriesOn(d, m))
                days.append(DateToText(MakeDate(d, m, 2026)) + u' ' + e.Description);
    return days;
}

QStringList Imported(const QStringList& body, IcsImportResult* result = nullptr)
{
    const IcsImportResult r = ImportCalendar(Calendar(body), Doc(), kMontreal);
    if (result) *result = r;
    return DaysWithEntries();
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
                     VEvent(u"y"_qs, {u"DTSTART;VALUE=DATE:20260802"_qs}),
                 &r);
        QVERIFY(r.CharactersReplaced);
        QCOMPARE(DaysWithEntries(), QStringList{u"2026-08-01 Œuvre € ?"_qs}); // nothing to show the 2nd
    }

    void aFileThatIsNotACalendarChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        const int notCalendar = int(IcsReadStatus::NotCalendar), damaged = int(IcsReadStatus::Damaged);
        const QByteArray good =
            Calendar(VEvent(u"a"_qs, {u"DTSTART;VALUE=DATE:20260101"_qs, u"SUMMARY:A"_qs}));
        QTest::newRow("jpeg") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11) + QByteArray(2000, '\x7F')
                              << notCalendar;
        QTest::newRow("vcard") << QByteArray("BEGIN:VCARD\r\nFN:Zoé\r\nEND:VCARD\r\n") << notCalendar;
        QTest::newRow("cut short") << good.left(good.size() - 30) << damaged;
        QTest::newRow("zero byte") << QByteArray(good).insert(40, '\0') << damaged;
        QTest::newRow("bad start") << Calendar(VEvent(u"a"_qs, {u"DTSTART:2026-13-45"_qs})) << damaged;
    }

    void aFileThatIsNotACalendarChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        EntriesOn(1, 1).append(Event(u"Ancien"_qs));
        QCOMPARE(int(ImportCalendar(bytes, Doc(), kMontreal).Status), status);
        QCOMPARE(DaysWithEntries(), QStringList{u"2026-01-01 Ancien"_qs});
    }
};

QTEST_GUILESS_MAIN(TestIcsImport)
#include "tst_icsimport.moc"
