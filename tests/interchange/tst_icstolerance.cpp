// Calendars as they come from the outside world, each flaw in a small file written here: what
// other calendar clients read in them lands on the same days with the same texts, and what
// cannot be read is left out on its own and counted.

#include "InterchangeFixtures.h"
#include "interchange/ImportReport.h"

#include <QStringEncoder>
#include <QTest>

namespace {

// A weekly event on Mondays from 5 January 2026 to 1 June 2026: 22 occurrences.
QStringList Mondays(const QString& text)
{
    QStringList days;
    for (QDate d(2026, 1, 5); d <= QDate(2026, 6, 1); d = d.addDays(7))
        days.append(d.toString(u"yyyy-MM-dd") + u' ' + text);
    return days;
}

const char kPacificZone[] = "BEGIN:VTIMEZONE\n"
                            "TZID:Pacific Standard Time\n"
                            "BEGIN:STANDARD\n"
                            "DTSTART:16010101T020000\n"
                            "TZOFFSETFROM:-0700\n"
                            "TZOFFSETTO:-0800\n"
                            "RRULE:FREQ=YEARLY;INTERVAL=1;BYDAY=1SU;BYMONTH=11\n"
                            "END:STANDARD\n"
                            "BEGIN:DAYLIGHT\n"
                            "DTSTART:16010101T020000\n"
                            "TZOFFSETFROM:-0800\n"
                            "TZOFFSETTO:-0700\n"
                            "RRULE:FREQ=YEARLY;INTERVAL=1;BYDAY=2SU;BYMONTH=3\n"
                            "END:DAYLIGHT\n"
                            "END:VTIMEZONE\n";

// A zone as one desktop mail program names it, defined only in the file (UTC+1, summer +2).
const char kOwnZone[] = "BEGIN:VTIMEZONE\n"
                        "TZID:(UTC+01:00) Amsterdam\\, Berlin\\, Berne\\, Rome\\, Stockholm\\, Vienne\n"
                        "BEGIN:STANDARD\n"
                        "DTSTART:16011028T030000\n"
                        "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\n"
                        "TZOFFSETFROM:+0200\n"
                        "TZOFFSETTO:+0100\n"
                        "END:STANDARD\n"
                        "BEGIN:DAYLIGHT\n"
                        "DTSTART:16010325T020000\n"
                        "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\n"
                        "TZOFFSETFROM:+0100\n"
                        "TZOFFSETTO:+0200\n"
                        "END:DAYLIGHT\n"
                        "END:VTIMEZONE\n";

QByteArray Wrapped(const QByteArray& inside, const QByteArray& head = {})
{
    return Crlf("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Test//Test//FR\n") + Crlf(head) + Crlf(inside) +
           Crlf("END:VCALENDAR\n");
}

QByteArray Weekly(const char* start, const char* until, const char* summary)
{
    return QByteArray("BEGIN:VEVENT\nUID:weekly@example.com\nDTSTAMP:20260101T000000Z\n") + start +
           "\nRRULE:FREQ=WEEKLY;UNTIL=" + until + "\nSUMMARY:" + summary + "\nEND:VEVENT\n";
}

} // namespace

class TestIcsTolerance : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(2026); }

    void aHolidayCalendarWithEmptyRulesAndBareDatesIsTakenWhole()
    {
        const QByteArray ics = Crlf("BEGIN:VCALENDAR\n"
                                    "VERSION:2.0\n"
                                    "PRODID:-//Jours feries//FR\n"
                                    "X-WR-CALNAME:Jours fériés en France\n"
                                    "BEGIN:VEVENT\n"
                                    "DTSTART:20260101\n"
                                    "DTEND:20260102\n"
                                    "RRULE:\n"
                                    "SUMMARY:Jour de l'an\n"
                                    "UID:ferie-20260101\n"
                                    "END:VEVENT\n"
                                    "BEGIN:VEVENT\n"
                                    "DTSTART:20260714\n"
                                    "RRULE:\n"
                                    "SUMMARY:Fête nationale\n"
                                    "UID:ferie-20260714\n"
                                    "END:VEVENT\n"
                                    "BEGIN:VEVENT\n"
                                    "DTSTART:20261225\n"
                                    "DTEND:20261226\n"
                                    "SUMMARY:Noël\n"
                                    "RRULE:   \n"
                                    "UID:ferie-20261225\n"
                                    "END:VEVENT\n"
                                    "END:VCALENDAR\n");
        IcsImportResult r;
        QCOMPARE(ImportedDays(ics, &r),
                 QStringList({u"2026-01-01 Jour de l'an"_qs, u"2026-07-14 Fête nationale"_qs,
                              u"2026-12-25 Noël"_qs}));
        QCOMPARE(ImportReport(r, 2026), u"3 événement(s) importé(s) sur 3 jour(s)."_qs);
    }

    void aWebCalendarExportWithPropertiesThatCannotBeReadIsTaken()
    {
        const QByteArray ics = Wrapped("BEGIN:VEVENT\n"
                                       "DTSTART;TZID=Europe/Paris:20260310T183000\n"
                                       "DTEND;TZID=Europe/Paris:20260310T200000\n"
                                       "RRULE:FREQ=WEEKLY;WKST=MO;COUNT=3;BYDAY=TU\n"
                                       "DTSTAMP:20260301T101500Z\n"
                                       "UID:club@example.com\n"
                                       "CREATED:00001231T000000Z\n"
                                       "GEO:pas de lieu\n"
                                       "ATTENDEE;CN=\"Léa:mailto:lea@example.com\n"
                                       "LAST-MODIFIED:\n"
                                       "SEQUENCE:deux\n"
                                       "X-APPLE-TRAVEL-ADVISORY-BEHAVIOR:AUTOMATIC\n"
                                       "SUMMARY:Entraînement\n"
                                       "END:VEVENT\n",
                                       "CALSCALE:GREGORIAN\nMETHOD:PUBLISH\nX-WR-CALNAME:Club\n"
                                       "X-WR-TIMEZONE:Europe/Paris\nX-WR-CALDESC:\nBEGIN:VTIMEZONE\n"
                                       "TZID:Europe/Paris\nX-LIC-LOCATION:Europe/Paris\nBEGIN:DAYLIGHT\n"
                                       "TZOFFSETFROM:+0100\nTZOFFSETTO:+0200\nTZNAME:CEST\n"
                                       "DTSTART:19700329T020000\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\n"
                                       "END:DAYLIGHT\nEND:VTIMEZONE\n");
        QCOMPARE(ImportedDays(ics), QStringList({u"2026-03-10 Entraînement"_qs, u"2026-03-17 Entraînement"_qs,
                                                 u"2026-03-24 Entraînement"_qs}));
    }

    void windowsZoneNamesAndZonesOnlyTheFileDefinesEndTheirRulesOnTime_data()
    {
        QTest::addColumn<QByteArray>("ics");
        // 17:00 in California on 1 June is 00:00 UTC on 2 June: the last of 22 Mondays.
        QTest::newRow("windows name with its definition") << Wrapped(
            Weekly("DTSTART;TZID=Pacific Standard Time:20260105T170000", "20260602T000000Z", "Réunion"),
            kPacificZone);
        // 09:00 in Paris on 1 June is 07:00 UTC: read as a bare time it would be past the end.
        QTest::newRow("windows name alone") << Wrapped(
            Weekly("DTSTART;TZID=Romance Standard Time:20260105T090000", "20260601T070000Z", "Réunion"));
        QTest::newRow("a zone of the file's own")
            << Wrapped(Weekly("DTSTART;TZID=\"(UTC+01:00) Amsterdam, Berlin, Berne, Rome, Stockholm, "
                              "Vienne\":20260105T090000",
                              "20260601T070000Z", "Réunion"),
                       kOwnZone);
        QTest::newRow("a prefixed zone name")
            << Wrapped(Weekly("DTSTART;TZID=/mozilla.org/20050126_1/Europe/Paris:20260105T090000",
                              "20260601T070000Z", "Réunion"));
    }

    void windowsZoneNamesAndZonesOnlyTheFileDefinesEndTheirRulesOnTime()
    {
        QFETCH(QByteArray, ics);
        QCOMPARE(ImportedDays(ics), Mondays(u"Réunion"_qs));
    }

    void aZoneNobodyDescribesFloatsAndTheCalendarsZoneGivesFloatingTimesTheirPlace_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QStringList>("days");
        // Floating 20:00 in Paris is 19:00 UTC, the rule's end: 26 January is in. In Montreal,
        // 20:00 is 01:00 UTC the next day: past the end.
        const QStringList fourWeeks = {u"2026-01-05 Cours"_qs, u"2026-01-12 Cours"_qs, u"2026-01-19 Cours"_qs,
                                       u"2026-01-26 Cours"_qs};
        QTest::newRow("calendar in Paris") << QByteArray("X-WR-TIMEZONE:Europe/Paris\n") << fourWeeks;
        QTest::newRow("calendar in a windows zone")
            << QByteArray("X-WR-TIMEZONE:Romance Standard Time\n") << fourWeeks;
        QTest::newRow("local zone") << QByteArray() << fourWeeks.mid(0, 3);
    }

    void aZoneNobodyDescribesFloatsAndTheCalendarsZoneGivesFloatingTimesTheirPlace()
    {
        QFETCH(QByteArray, head);
        QFETCH(QStringList, days);
        const QByteArray ics =
            Wrapped(Weekly("DTSTART;TZID=Heure de la maison:20260105T200000", "20260126T190000Z", "Cours") +
                        "BEGIN:VEVENT\nUID:late\nDTSTART;TZID=Custom/Nowhere:20260415T233000\n"
                        "SUMMARY:Tard\nEND:VEVENT\n",
                    head);
        QCOMPARE(ImportedDays(ics), days + QStringList{u"2026-04-15 Tard"_qs});
    }

    void editedAndCancelledOccurrencesReplaceTheirsWhereverTheyStand()
    {
        // The edited occurrence names its original time in UTC (9:00 in Montreal, summer time
        // from 8 March), stands before its series, and another comes in a second calendar block.
        const QByteArray ics =
            Wrapped("BEGIN:VEVENT\nUID:weekly\nRECURRENCE-ID:20260309T130000Z\n"
                    "DTSTART;TZID=America/Montreal:20260309T100000\nSUMMARY:Réunion (salle B)\nEND:VEVENT\n"
                    "BEGIN:VEVENT\nUID:weekly\nDTSTART;TZID=America/Montreal:20260302T090000\n"
                    "RRULE:FREQ=WEEKLY;COUNT=4\nSUMMARY:Réunion\nEND:VEVENT\n"
                    "BEGIN:VEVENT\nUID:camp\nDTSTART;VALUE=DATE:20260601\nRRULE:FREQ=DAILY;COUNT=3\n"
                    "SUMMARY:Camp\nEND:VEVENT\n"
                    "BEGIN:VEVENT\nUID:camp\nRECURRENCE-ID:20260602T000000\nDTSTART;VALUE=DATE:20260605\n"
                    "SUMMARY:Camp (reporté)\nEND:VEVENT\n") +
            Wrapped("BEGIN:VEVENT\nUID:weekly\nRECURRENCE-ID;TZID=America/Montreal:20260316T090000\n"
                    "DTSTART;TZID=America/Montreal:20260316T090000\nSTATUS:CANCELLED\nSUMMARY:Réunion\n"
                    "END:VEVENT\n");
        IcsImportResult r;
        QCOMPARE(ImportedDays(ics, &r),
                 QStringList({u"2026-03-02 Réunion"_qs, u"2026-03-09 Réunion (salle B)"_qs,
                              u"2026-03-23 Réunion"_qs, u"2026-06-01 Camp"_qs, u"2026-06-03 Camp"_qs,
                              u"2026-06-05 Camp (reporté)"_qs}));
        QCOMPARE(r.Events, 2); // a series and its edited occurrences are one event
    }

    void recurrenceRulesWrittenLooselyAreRead_data()
    {
        QTest::addColumn<QByteArray>("rule");
        QTest::addColumn<QStringList>("days");
        QTest::newRow("blanks in a list")
            << QByteArray("RRULE:FREQ=WEEKLY;BYDAY=MO, TU, WE;COUNT=6")
            << QStringList{u"01-05"_qs, u"01-06"_qs, u"01-07"_qs, u"01-12"_qs, u"01-13"_qs, u"01-14"_qs};
        QTest::newRow("lower case, empty items") << QByteArray("rrule:freq=monthly;bymonthday=5,;count=3;")
                                                 << QStringList{u"01-05"_qs, u"02-05"_qs, u"03-05"_qs};
        QTest::newRow("unknown part, interval 0")
            << QByteArray("RRULE:FREQ=YEARLY;X-NAME=1;INTERVAL=0") << QStringList{u"01-05"_qs};
        QTest::newRow("count and end")
            << QByteArray("RRULE:FREQ=DAILY;COUNT=2;UNTIL=20261231") << QStringList{u"01-05"_qs, u"01-06"_qs};
        QTest::newRow("end as a date") << QByteArray("RRULE:FREQ=DAILY;UNTIL=20260107")
                                       << QStringList{u"01-05"_qs, u"01-06"_qs, u"01-07"_qs};
        QTest::newRow("no frequency") << QByteArray("RRULE:COUNT=4") << QStringList{u"01-05"_qs};
    }

    void recurrenceRulesWrittenLooselyAreRead()
    {
        QFETCH(QByteArray, rule);
        QFETCH(QStringList, days);
        QStringList expected;
        for (const QString& d : days) expected.append(u"2026-"_qs + d + u" Piscine"_qs);
        const QByteArray ics = Wrapped("BEGIN:VEVENT\nUID:p\nDTSTART:20260105T180000\n" + rule +
                                       "\nSUMMARY:Piscine\nEND:VEVENT\n");
        QCOMPARE(ImportedDays(ics), expected);
    }

    void lineEndsMarksAndEncodingsOfEveryKindReadTheSame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray text =
            "BEGIN:VCALENDAR\nVERSION:2.0\nBEGIN:VEVENT\nUID:f\nDTSTART;VALUE=DATE:20260621\n"
            "SUMMARY:Fête de la musique\nEND:VEVENT\nBEGIN:VEVENT\nUID:g\n"
            "DTSTART;VALUE=DATE:20260815\nSUMMARY:Été\nEND:VEVENT\nEND:VCALENDAR\n";
        QTest::newRow("CR LF") << QByteArray(text).replace("\n", "\r\n");
        QTest::newRow("LF alone") << text;
        QTest::newRow("CR alone") << QByteArray(text).replace("\n", "\r");
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + QByteArray(text).replace("\n", "\r\n");
        QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        QTest::newRow("UTF-16") << QByteArray(utf16(QString::fromUtf8(text)));
        QTest::newRow("Windows-1252")
            << QByteArray(text).replace("Fête", "F\xEAte").replace("Été", "\xC9t\xE9");
        // A folded line cut in the middle of "ê", the way a careless writer folds at 75 bytes.
        QTest::newRow("fold inside a character") << QByteArray(text).replace("Fête", "F\xC3\r\n \xAAte");
        QTest::newRow("blank lines and trailing blanks")
            << QByteArray(text)
                   .replace("\nBEGIN:VEVENT", "\n\n  \nBEGIN:VEVENT  ")
                   .replace("END:VEVENT\n", "END:VEVENT \n");
    }

    void lineEndsMarksAndEncodingsOfEveryKindReadTheSame()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(ImportedDays(bytes),
                 QStringList({u"2026-06-21 Fête de la musiqu"_qs, u"2026-08-15 Été"_qs}));
    }

    void severalCalendarsInOneFileAreAllRead()
    {
        const QByteArray ics =
            Wrapped("BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20260301\nSUMMARY:Un\nEND:VEVENT\n") +
            "Ces lignes ne sont dans aucun calendrier.\r\n" +
            Wrapped("BEGIN:VEVENT\nUID:b\nDTSTART;VALUE=DATE:20260302\nSUMMARY:Deux\nEND:VEVENT\n") +
            Wrapped("BEGIN:VEVENT\nUID:c\nDTSTART;VALUE=DATE:20260303\nSUMMARY:Trois\nEND:VEVENT\n");
        QCOMPARE(ImportedDays(ics),
                 QStringList({u"2026-03-01 Un"_qs, u"2026-03-02 Deux"_qs, u"2026-03-03 Trois"_qs}));
    }

    void eventsCutShortOrWithoutAStartAreLeftOutAndCounted()
    {
        const QByteArray ics =
            Crlf("BEGIN:VCALENDAR\nVERSION:2.0\n"
                 "BEGIN:VEVENT\nUID:1\nDTSTART;VALUE=DATE:20260401\nSUMMARY:Bon\nEND:VEVENT\n"
                 "BEGIN:VEVENT\nUID:2\nDTSTART;VALUE=DATE:20260402\nSUMMARY:Jamais fermé\n"
                 "BEGIN:VEVENT\nUID:3\nDTSTART;VALUE=DATE:20260403\nSUMMARY:Alarme ouverte\n"
                 "BEGIN:VALARM\nACTION:DISPLAY\nTRIGGER:-PT15M\nEND:VEVENT\n"
                 "END:VTODO\nUne ligne sans deux-points\n"
                 "BEGIN:VEVENT\nUID:4\nSUMMARY:Sans début\nEND:VEVENT\n"
                 "BEGIN:VEVENT\nUID:5\nDTSTART:2026-13-45\nSUMMARY:Date impossible\nEND:VEVENT\n"
                 "BEGIN:VEVENT\nUID:6\nDTSTART;VALUE=DATE:20260406\nSUMMARY:Coup");
        IcsImportResult r;
        QCOMPARE(ImportedDays(ics, &r), QStringList({u"2026-04-01 Bon"_qs, u"2026-04-03 Alarme ouverte"_qs}));
        QCOMPARE(ImportReport(r, 2026),
                 u"2 événement(s) importé(s) sur 2 jour(s).\r"
                 "4 événement(s) laissé(s) de côté: 2 sans date de début, 2 illisible(s)."_qs);
    }
};

QTEST_GUILESS_MAIN(TestIcsTolerance)
#include "tst_icstolerance.moc"
