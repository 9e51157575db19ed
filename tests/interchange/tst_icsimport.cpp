// Events of other calendars brought into the open year: the days recurring events fall on,
// time zones near midnight, events of other years left out, texts made to fit, and files that
// are not calendars, or damaged ones, refused without a change.

#include "InterchangeFixtures.h"
#include "interchange/IcsExport.h"
#include "interchange/IcsImport.h"

#include <QTest>

namespace {

const QTimeZone kMontreal("America/Montreal");

// The descriptions of every day of the year that has entries: "2026-06-12 Anniversaire Zoé".
QStringList DaysWithEntries(const CalendarDocument& doc)
{
    QStringList days;
    const int year = doc.YearNumber();
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= DaysInMonth(year, m); ++d) {
            const DateRec date = MakeDate(d, m, year);
            for (const DayEntry& e : doc.Month(m).Cell(CellOfDate(date)).Entries)
                days.append(DateToText(date) + u' ' + e.Description);
        }
    return days;
}

const QStringList kMontrealZone = {
    u"BEGIN:VTIMEZONE"_qs,
    u"TZID:America/Montreal"_qs,
    u"BEGIN:STANDARD"_qs,
    u"DTSTART:19701101T020000"_qs,
    u"RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU"_qs,
    u"TZOFFSETFROM:-0400"_qs,
    u"TZOFFSETTO:-0500"_qs,
    u"END:STANDARD"_qs,
    u"BEGIN:DAYLIGHT"_qs,
    u"DTSTART:19700308T020000"_qs,
    u"RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU"_qs,
    u"TZOFFSETFROM:-0500"_qs,
    u"TZOFFSETTO:-0400"_qs,
    u"END:DAYLIGHT"_qs,
    u"END:VTIMEZONE"_qs,
};

} // namespace

class TestIcsImport : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(2026); }

    void recurringAndZonedEventsLandOnTheirDaysAndNothingElse()
    {
        QStringList body = kMontrealZone;
        body += VEvent(u"bd"_qs, {u"DTSTART;VALUE=DATE:19800612"_qs, u"RRULE:FREQ=YEARLY"_qs,
                                  u"SUMMARY:Anniversaire Zoé"_qs});
        body += VEvent(u"yoga"_qs,
                       {u"DTSTART;TZID=Europe/Paris:20260105T190000"_qs, u"RRULE:FREQ=WEEKLY;COUNT=5"_qs,
                        u"EXDATE;TZID=Europe/Paris:20260119T190000"_qs, u"SUMMARY:Yoga"_qs});
        body += VEvent(u"late"_qs, {u"DTSTART;TZID=America/Montreal:20261231T233000"_qs,
                                    u"DTEND;TZID=America/Montreal:20261231T235900"_qs, u"SUMMARY:Feux"_qs});
        body += VEvent(u"early"_qs,
                       {u"DTSTART;TZID=America/Montreal:20260101T000500"_qs, u"SUMMARY:Minuit passé"_qs});
        body += VEvent(u"utc"_qs, {u"DTSTART:20270101T030000Z"_qs, u"SUMMARY:Appel Québec"_qs});
        body += VEvent(u"old"_qs, {u"DTSTART;VALUE=DATE:20250704"_qs, u"SUMMARY:L'an passé"_qs});
        body += VEvent(u"next"_qs, {u"DTSTART;VALUE=DATE:20270704"_qs, u"SUMMARY:L'an prochain"_qs});

        const IcsImportResult r = ImportCalendar(Calendar(body), Doc(), kMontreal);
        QCOMPARE(r.Status, IcsReadStatus::Read);
        QCOMPARE(DaysWithEntries(Doc()),
                 QStringList({u"2026-01-01 Minuit passé"_qs, u"2026-01-05 Yoga"_qs, u"2026-01-12 Yoga"_qs,
                              u"2026-01-26 Yoga"_qs, u"2026-02-02 Yoga"_qs, u"2026-06-12 Anniversaire Zoé"_qs,
                              u"2026-12-31 Appel Québec"_qs, u"2026-12-31 Feux"_qs}));
        QCOMPARE(r.Added, 8);
        QCOMPARE(r.ChangedMonths(), QList<int>({1, 2, 6, 12}));
        QVERIFY(!r.CharactersReplaced);
        for (const QString& e : DaysWithEntries(Doc())) QVERIFY(e.size() > 11);
        const DayEntry& entry = EntriesOn(12, 6)[0];
        QCOMPARE(entry.EntryType, qint32(EntryEvent));
        QVERIFY(!entry.AlarmOn && !entry.Ticked && entry.LinkKey.isEmpty() && entry.TextColour == -1);
    }

    void importedEventsGoAfterTheDaysOwnInTheOrderOfTheirTimes()
    {
        EntriesOn(3, 3).append(Event(u"Déjà là"_qs));
        const QStringList body = VEvent(u"b"_qs, {u"DTSTART:20260303T150000"_qs, u"SUMMARY:Après-midi"_qs}) +
                                 VEvent(u"a"_qs, {u"DTSTART:20260303T080000"_qs, u"SUMMARY:Matin"_qs}) +
                                 VEvent(u"c"_qs, {u"DTSTART;VALUE=DATE:20260303"_qs, u"SUMMARY:Journée"_qs});
        ImportCalendar(Calendar(body), Doc(), kMontreal);
        QCOMPARE(Descriptions(EntriesOn(3, 3)),
                 QStringList({u"Déjà là"_qs, u"Journée"_qs, u"Matin"_qs, u"Après-midi"_qs}));
    }

    void aMovedOrCancelledOccurrenceLeavesItsSeries()
    {
        const QStringList body =
            VEvent(u"club"_qs, {u"DTSTART;VALUE=DATE:20260401"_qs, u"RRULE:FREQ=DAILY;COUNT=3"_qs,
                                u"RDATE;VALUE=DATE:20260410"_qs, u"SUMMARY:Club"_qs}) +
            VEvent(u"club"_qs, {u"RECURRENCE-ID;VALUE=DATE:20260402"_qs, u"DTSTART;VALUE=DATE:20260405"_qs,
                                u"SUMMARY:Club déplacé"_qs}) +
            VEvent(u"off"_qs,
                   {u"DTSTART;VALUE=DATE:20260404"_qs, u"STATUS:CANCELLED"_qs, u"SUMMARY:Annulé"_qs});
        ImportCalendar(Calendar(body), Doc(), kMontreal);
        QCOMPARE(DaysWithEntries(Doc()), QStringList({u"2026-04-01 Club"_qs, u"2026-04-03 Club"_qs,
                                                      u"2026-04-05 Club déplacé"_qs, u"2026-04-10 Club"_qs}));
    }

    void anEventSeveralTimesADayIsListedOnceThatDay()
    {
        const QStringList body =
            VEvent(u"pills"_qs, {u"DTSTART:20260501T080000"_qs, u"RRULE:FREQ=HOURLY;INTERVAL=4;COUNT=9"_qs,
                                 u"SUMMARY:Médicament"_qs});
        const IcsImportResult r = ImportCalendar(Calendar(body), Doc(), kMontreal);
        QCOMPARE(r.Added, 2); // 8:00 ... 20:00 on the 1st, 0:00 ... 16:00 on the 2nd
        QCOMPARE(EntriesOn(1, 5).size(), 1);
        QCOMPARE(EntriesOn(2, 5).size(), 1);
    }

    void aRuleWithoutEndFromLongAgoStillEndsQuickly()
    {
        const QStringList body =
            VEvent(u"tick"_qs,
                   {u"DTSTART:19700101T000000"_qs, u"RRULE:FREQ=SECONDLY"_qs, u"SUMMARY:Tic"_qs}) +
            VEvent(u"daily"_qs,
                   {u"DTSTART;VALUE=DATE:19000101"_qs, u"RRULE:FREQ=DAILY"_qs, u"SUMMARY:Chaque jour"_qs});
        const IcsImportResult r = ImportCalendar(Calendar(body), Doc(), kMontreal);
        QCOMPARE(r.Status, IcsReadStatus::Read);
        QCOMPARE(EntriesOn(31, 12).last().Description, u"Chaque jour"_qs);
        QVERIFY(EntriesOn(1, 1).size() >= 1);
    }

    void textsAreCutToTheEventLengthAndForeignCharactersShowAsQuestionMarks()
    {
        bool replaced = false;
        QCOMPARE(ImportedDescription(u"  Rendez-vous chez le dentiste  "_qs, &replaced),
                 u"Rendez-vous chez"_qs);
        QVERIFY(!replaced);
        QCOMPARE(ImportedDescription(u"Œuvre € «été»"_qs, &replaced), u"Œuvre € «été»"_qs);
        QVERIFY(!replaced);
        QCOMPARE(ImportedDescription(u"Ligne un\r\nLigne deux"_qs, &replaced), u"Ligne un Ligne de"_qs);
        QVERIFY(!replaced);
        const QString emoji = ImportedDescription(u"Fête 🎉 Ω"_qs, &replaced);
        QCOMPARE(emoji, u"Fête ? ?"_qs); // one "?" for each character, even outside the first plane
        QVERIFY(replaced);
        bool quoted = false;
        QCOMPARE(ImportedDescription(u"Dîner \"chez nous\""_qs, &quoted), u"Dîner ?chez nous?"_qs);
        QVERIFY(quoted); // a double quote would break the file's line

        const QStringList body =
            VEvent(u"x"_qs, {u"DTSTART;VALUE=DATE:20260801"_qs, u"SUMMARY:Plage 🏖"_qs}) +
            VEvent(u"y"_qs, {u"DTSTART;VALUE=DATE:20260802"_qs});
        const IcsImportResult r = ImportCalendar(Calendar(body), Doc(), kMontreal);
        QVERIFY(r.CharactersReplaced);
        QCOMPARE(Descriptions(EntriesOn(1, 8)), QStringList{u"Plage ?"_qs});
        QVERIFY(EntriesOn(2, 8).isEmpty()); // an event without a text has nothing to show
    }

    void aFileThatIsNotACalendarChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QByteArray jpeg("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
        jpeg += QByteArray(2000, '\x7F');
        const int notCalendar = int(IcsReadStatus::NotCalendar), damaged = int(IcsReadStatus::Damaged);
        QTest::newRow("jpeg renamed") << jpeg << notCalendar;
        QTest::newRow("empty") << QByteArray() << notCalendar;
        QTest::newRow("vcard") << QByteArray("BEGIN:VCARD\r\nFN:Zoé\r\nEND:VCARD\r\n") << notCalendar;
        const QByteArray good =
            Calendar(VEvent(u"a"_qs, {u"DTSTART;VALUE=DATE:20260101"_qs, u"SUMMARY:A"_qs}));
        QTest::newRow("cut short") << good.left(good.size() - 30) << damaged;
        QTest::newRow("zero byte") << QByteArray(good).insert(40, '\0') << damaged;
        QTest::newRow("no start") << Calendar(VEvent(u"a"_qs, {u"SUMMARY:A"_qs})) << damaged;
        QTest::newRow("bad start") << Calendar(VEvent(u"a"_qs, {u"DTSTART:2026-13-45"_qs, u"SUMMARY:A"_qs}))
                                   << damaged;
        QTest::newRow("calendar inside out")
            << QByteArray("BEGIN:VCALENDAR\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nEND:VCALENDAR\r\n") << damaged;
    }

    void aFileThatIsNotACalendarChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        EntriesOn(1, 1).append(Event(u"Ancien"_qs));
        const IcsImportResult r = ImportCalendar(bytes, Doc(), kMontreal);
        QCOMPARE(int(r.Status), status);
        QCOMPARE(r.Added, 0);
        QVERIFY(r.ChangedDays.isEmpty());
        QCOMPARE(DaysWithEntries(Doc()), QStringList{u"2026-01-01 Ancien"_qs});
    }

    void ourOwnExportComesBackOnTheSameDays()
    {
        EntriesOn(14, 2).append(Event(u"Saint-Valentin"_qs));
        EntriesOn(1, 3).append(Money(EntryExpense, u"Loyer"_qs, u"650"_qs));
        const QByteArray ics = ExportCalendar(Doc(), QDateTime::currentDateTimeUtc());
        OpenTestDocument(2026);
        const IcsImportResult r = ImportCalendar(ics, Doc(), kMontreal);
        QCOMPARE(DaysWithEntries(Doc()),
                 QStringList({u"2026-02-14 Saint-Valentin"_qs, u"2026-03-01 Loyer 650 $"_qs}));
        QCOMPARE(r.Added, 2);
    }
};

QTEST_GUILESS_MAIN(TestIcsImport)
#include "tst_icsimport.moc"
