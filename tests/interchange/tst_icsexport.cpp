// The year as an iCalendar file: what another calendar shows of each entry, on which day, with
// its alarm and its tick; identifiers that stay put between two exports; the form of the lines.

#include "InterchangeFixtures.h"
#include "interchange/IcsExport.h"

#include <QTest>
#include <QTimeZone>

namespace {

const QDateTime kStamp(QDate(2026, 3, 14), QTime(9, 30), QTimeZone::utc());

} // namespace

class TestIcsExport : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        OpenTestDocument(2026);
        Doc().FilePath = u"/home/léa/famille.cal"_qs;
    }

    void everyEntryIsAnAllDayEventOnItsDateInListOrder()
    {
        EntriesOn(1, 1).append(Event(u"Jour de l'An"_qs));
        EntriesOn(15, 3).append(Money(EntryExpense, u"Loyer"_qs, u"650"_qs));
        EntriesOn(15, 3).append(Money(EntryIncome, u"Salaire du mois"_qs, u"1250.50"_qs));
        EntriesOn(31, 12).append(Event(u"  Réveillon  "_qs));
        const QList<QStringList> events = EventBlocks(ExportCalendar(Doc(), kStamp));
        QCOMPARE(events.size(), 4);
        QCOMPARE(ValueOf(events[0], u"DTSTART"_qs), u"20260101"_qs);
        QVERIFY(events[0].contains(u"DTSTART;VALUE=DATE:20260101"_qs));
        QCOMPARE(ValueOf(events[0], u"DTEND"_qs), u"20260102"_qs);
        QCOMPARE(ValueOf(events[0], u"SUMMARY"_qs), u"Jour de l'An"_qs);
        QCOMPARE(ValueOf(events[0], u"CATEGORIES"_qs), u"Événement"_qs);
        // Money: the name, then the amount with " $"; the name cut to 10 characters as stored.
        QCOMPARE(ValueOf(events[1], u"SUMMARY"_qs), u"Loyer 650 $"_qs);
        QCOMPARE(ValueOf(events[1], u"CATEGORIES"_qs), u"Dépense"_qs);
        QCOMPARE(ValueOf(events[2], u"SUMMARY"_qs), u"Salaire du 1250.50 $"_qs);
        QCOMPARE(ValueOf(events[2], u"CATEGORIES"_qs), u"Revenu"_qs);
        QCOMPARE(ValueOf(events[3], u"SUMMARY"_qs), u"Réveillon"_qs);
        QCOMPARE(ValueOf(events[3], u"DTEND"_qs), u"20270101"_qs); // the day after, in the next year
        QCOMPARE(ValueOf(events[3], u"DTSTAMP"_qs), u"20260314T093000Z"_qs);
    }

    void summaryTextIsEscapedAndComesBackWhole()
    {
        EntriesOn(2, 2).append(Event(u"Café; thé, \\ et €"_qs));
        const QByteArray ics = ExportCalendar(Doc(), kStamp);
        QCOMPARE(ValueOf(EventBlocks(ics)[0], u"SUMMARY"_qs), u"Café\\; thé\\, \\\\ et €"_qs);
        PrepareIcal();
        const IcalComponent c(icalparser_parse_string(ics.constData()));
        icalcomponent* e = icalcomponent_get_first_component(c.get(), ICAL_VEVENT_COMPONENT);
        QCOMPARE(QString::fromUtf8(icalcomponent_get_summary(e)), u"Café; thé, \\ et €"_qs);
    }

    void tickAndAlarmTravelWithTheEntry()
    {
        DayEntry bill = Money(EntryExpense, u"Électricité"_qs, u"80"_qs);
        bill.Ticked = true;
        bill.AlarmOn = true;
        bill.AlarmDaysBefore = 3;
        EntriesOn(10, 4).append(bill);
        DayEntry meeting = Event(u"Réunion"_qs);
        meeting.AlarmOn = false; // days before set, but no alarm: nothing is said of it
        EntriesOn(11, 4).append(meeting);
        const QByteArray ics = ExportCalendar(Doc(), kStamp);
        const QList<QStringList> events = EventBlocks(ics);
        QVERIFY(events[0].contains(u"X-DAYBINDER-TICKED:TRUE"_qs));
        QVERIFY(events[0].contains(u"BEGIN:VALARM"_qs));
        QVERIFY(events[0].contains(u"TRIGGER:-P3D"_qs));
        QVERIFY(events[0].contains(u"ACTION:DISPLAY"_qs));
        QVERIFY(!events[1].join(u'\n').contains(u"TICKED"_qs));
        QVERIFY(!events[1].contains(u"BEGIN:VALARM"_qs));
        QCOMPARE(IcalErrors(ics), 0);
    }

    void identifiersStayForUnchangedPlacesAndDifferBetweenPlaces()
    {
        EntriesOn(5, 6).append(Event(u"A"_qs));
        EntriesOn(5, 6).append(Event(u"B"_qs));
        EntriesOn(6, 6).append(Event(u"C"_qs));
        const QList<QStringList> first = EventBlocks(ExportCalendar(Doc(), kStamp));
        EntriesOn(6, 6)[0].Description = u"C changé"_qs;
        EntriesOn(20, 6).append(Event(u"D"_qs));
        const QList<QStringList> second = EventBlocks(ExportCalendar(Doc(), kStamp.addDays(1)));
        QStringList uids;
        for (const QStringList& e : first) uids.append(ValueOf(e, u"UID"_qs));
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), 3);
        for (int i = 0; i < 3; ++i) QCOMPARE(ValueOf(second[i], u"UID"_qs), uids[i]);
        // Another document of the same year gets other identifiers.
        Doc().FilePath = u"/home/léa/travail.cal"_qs;
        QVERIFY(ValueOf(EventBlocks(ExportCalendar(Doc(), kStamp))[0], u"UID"_qs) != uids[0]);
    }

    void linesAreUtf8CrLfAndFoldedAt75Octets()
    {
        EntriesOn(7, 7).append(Event(QString(200, QChar(u'é')) + u" € fin"_qs));
        for (int i = 0; i < 3; ++i) EntriesOn(8, 7).append(Event(u"Œuvre"_qs));
        const QByteArray ics = ExportCalendar(Doc(), kStamp);
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
        QVERIFY(ics.endsWith("END:VCALENDAR\r\n"));
        QCOMPARE(ics.count("\n"), ics.count("\r\n"));
        for (const QByteArray& line : ics.split('\n')) {
            QVERIFY2(line.size() <= 76, line.constData());     // 75 octets and the CR
            QVERIFY(QString::fromUtf8(line).toUtf8() == line); // no character cut in two
        }
        QCOMPARE(ValueOf(EventBlocks(ics)[0], u"SUMMARY"_qs), QString(200, QChar(u'é')) + u" € fin"_qs);
    }

    void cellsOutsideTheMonthAndUnknownTypesAreLeftOut()
    {
        // Cell 7 of January 2026 (a Thursday the 1st) holds no day.
        Doc().Month(1).Cell(7).Entries.append(Event(u"Fantôme"_qs));
        EntriesOn(3, 1).append(Entry(9, u"Inconnu"_qs));
        EntriesOn(3, 1).append(Event(u"Vrai"_qs));
        const QList<QStringList> events = EventBlocks(ExportCalendar(Doc(), kStamp));
        QCOMPARE(events.size(), 1);
        QCOMPARE(ValueOf(events[0], u"SUMMARY"_qs), u"Vrai"_qs);
        // Its place in the day's list is the second: it keeps its own identifier.
        QCOMPARE(ValueOf(events[0], u"UID"_qs), EntryUid(Doc(), MakeDate(3, 1, 2026), 1));
    }

    void anEmptyYearIsAValidCalendar()
    {
        const QByteArray ics = ExportCalendar(Doc(), kStamp);
        QVERIFY(EventBlocks(ics).isEmpty());
        QVERIFY(IcalErrors(ics) >= 0);
    }
};

QTEST_GUILESS_MAIN(TestIcsExport)
#include "tst_icsexport.moc"
