// The year as an iCalendar file: what another calendar shows of each entry and on which day,
// its alarm and its tick, identifiers that stay put between two exports, the form of the lines.

#include "InterchangeFixtures.h"
#include "interchange/IcsExport.h"

#include <QTest>
#include <QTimeZone>

namespace {

const QDateTime kStamp(QDate(2026, 3, 14), QTime(9, 30), QTimeZone::utc());

QStringList Shown(const QByteArray& ics)
{
    QStringList shown;
    for (const QStringList& e : EventBlocks(ics))
        shown.append(QStringList{ValueOf(e, u"DTSTART"_qs), ValueOf(e, u"DTEND"_qs),
                                 ValueOf(e, u"SUMMARY"_qs), ValueOf(e, u"CATEGORIES"_qs)}
                         .join(u'|'));
    return shown;
}

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

    void entriesAreAllDayEventsOnTheirDatesInListOrder()
    {
        EntriesOn(15, 3).append(Money(EntryExpense, u"Loyer"_qs, u"650"_qs));
        EntriesOn(15, 3).append(Money(EntryIncome, u"Salaire"_qs, u"1250.50"_qs));
        EntriesOn(31, 12).append(Event(u"  Réveillon; thé  "_qs));
        Doc().Month(1).Cell(7).Entries.append(Event(u"Fantôme"_qs)); // a cell that holds no day
        EntriesOn(3, 1).append(Entry(9, u"Inconnu"_qs));
        const QByteArray ics = ExportCalendar(Doc(), kStamp);
        QCOMPARE(Shown(ics), QStringList({u"20260315|20260316|Loyer 650 $|Dépense"_qs,
                                          u"20260315|20260316|Salaire 1250.50 $|Revenu"_qs,
                                          u"20261231|20270101|Réveillon\\; thé|Événement"_qs}));
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:20260315\r\n"));
        QVERIFY(ics.contains("DTSTAMP:20260314T093000Z\r\n"));
    }

    void tickAndAlarmTravelWithTheEntry()
    {
        DayEntry bill = Money(EntryExpense, u"Électricité"_qs, u"80"_qs);
        bill.Ticked = bill.AlarmOn = true;
        bill.AlarmDaysBefore = 3;
        EntriesOn(10, 4).append(bill);
        EntriesOn(11, 4).append(Event(u"Réunion"_qs)); // days before set, but no alarm
        DayEntry sameDay = Event(u"Vaccin"_qs);
        sameDay.AlarmOn = true;
        sameDay.AlarmDaysBefore = 0; // on the day itself: days too, as the README says
        EntriesOn(12, 4).append(sameDay);
        const QByteArray ics = ExportCalendar(Doc(), kStamp);
        const QList<QStringList> events = EventBlocks(ics);
        for (const char* line : {"X-DAYBINDER-TICKED:TRUE", "BEGIN:VALARM", "TRIGGER:-P3D", "ACTION:DISPLAY"})
            QVERIFY2(events[0].contains(QLatin1String(line)), line);
        QCOMPARE(events[1].filter(u"TICKED"_qs) + events[1].filter(u"VALARM"_qs), QStringList());
        QCOMPARE(events[2].filter(u"TRIGGER"_qs), QStringList{u"TRIGGER:-P0D"_qs});
        QCOMPARE(IcalErrors(ics), 0);
    }

    void identifiersStayForUnchangedPlacesAndDifferBetweenDocuments()
    {
        EntriesOn(5, 6) = {Event(u"A"_qs), Event(u"B"_qs)};
        EntriesOn(6, 6).append(Event(u"C"_qs));
        const auto uids = [] {
            QStringList ids;
            for (const QStringList& e : EventBlocks(ExportCalendar(Doc(), kStamp)))
                ids.append(ValueOf(e, u"UID"_qs));
            return ids;
        };
        const QStringList first = uids();
        QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), 3);
        EntriesOn(6, 6)[0].Description = u"C changé"_qs;
        EntriesOn(20, 6).append(Event(u"D"_qs));
        QCOMPARE(uids().mid(0, 3), first);
        Doc().FilePath = u"/home/léa/travail.cal"_qs;
        QVERIFY(uids()[0] != first[0]);
    }

    void linesAreCrLfAndFoldedAt75OctetsWithoutCuttingACharacter()
    {
        const QString longText = QString(200, QChar(u'é')) + u" € fin"_qs;
        EntriesOn(7, 7).append(Event(longText));
        const QByteArray ics = ExportCalendar(Doc(), kStamp);
        QCOMPARE(ics.count("\n"), ics.count("\r\n"));
        for (const QByteArray& line : ics.split('\n')) {
            QVERIFY2(line.size() <= 76, line.constData()); // 75 octets and the CR
            QVERIFY(QString::fromUtf8(line).toUtf8() == line);
        }
        QCOMPARE(ValueOf(EventBlocks(ics)[0], u"SUMMARY"_qs), longText);
    }
};

QTEST_GUILESS_MAIN(TestIcsExport)
#include "tst_icsexport.moc"
