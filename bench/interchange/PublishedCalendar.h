#pragma once
// A calendar of the size people export from a busy web calendar: a zone definition, calendar
// properties, 5,000 events over four years (most timed in a named zone, some all day, some in
// UTC), a few hundred recurring with exceptions and edited occurrences, folded descriptions,
// attendees and alarms. About 1.6 MB.

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>

inline QByteArray Folded(const QByteArray& line)
{
    QByteArray out;
    for (qsizetype i = 0; i < line.size(); i += i == 0 ? 75 : 74) {
        if (i) out += "\r\n ";
        out += line.mid(i, i == 0 ? 75 : 74);
    }
    return out + "\r\n";
}

inline QByteArray PublishedCalendar(int events = 5000, int recurring = 300)
{
    QRandomGenerator random(27);
    QByteArray ics = "BEGIN:VCALENDAR\r\nPRODID:-//Example//Calendar 1.0//EN\r\nVERSION:2.0\r\n"
                     "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\nX-WR-CALNAME:Famille et travail\r\n"
                     "X-WR-TIMEZONE:Europe/Paris\r\nBEGIN:VTIMEZONE\r\nTZID:Europe/Paris\r\n"
                     "X-LIC-LOCATION:Europe/Paris\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
                     "TZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
                     "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
                     "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
                     "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    const char* words[] = {
        "Réunion",           "Dentiste",    "Piscine", "Anniversaire", "Courses", "Train",
        "Conseil de classe", "Vétérinaire", "Apéro",   "Yoga",         "Garage",  "Banque"};
    const char* rules[] = {"FREQ=WEEKLY;BYDAY=MO,WE",    "FREQ=WEEKLY;INTERVAL=2;BYDAY=TU",
                           "FREQ=MONTHLY;BYMONTHDAY=15", "FREQ=YEARLY",
                           "FREQ=DAILY;COUNT=20",        "FREQ=MONTHLY;BYDAY=1FR"};
    for (int i = 0; i < events; ++i) {
        const QDate day = QDate(2024, 1, 1).addDays(random.bounded(4 * 365));
        const int hour = 7 + random.bounded(13);
        const QByteArray date = day.toString(u"yyyyMMdd").toLatin1();
        const QByteArray uid = QByteArray::number(quint64(random.generate64()), 16) + "@example.com";
        ics += "BEGIN:VEVENT\r\n";
        const int kind = random.bounded(10);
        if (kind < 7) {
            ics += "DTSTART;TZID=Europe/Paris:" + date + 'T' +
                   QByteArray::number(hour).rightJustified(2, '0') +
                   "0000\r\nDTEND;TZID=Europe/Paris:" + date + 'T' +
                   QByteArray::number(hour + 1).rightJustified(2, '0') + "3000\r\n";
        } else if (kind < 9) {
            ics += "DTSTART;VALUE=DATE:" + date + "\r\nDTEND;VALUE=DATE:" +
                   day.addDays(1 + random.bounded(3)).toString(u"yyyyMMdd").toLatin1() + "\r\n";
        } else {
            ics += "DTSTART:" + date + "T" + QByteArray::number(hour).rightJustified(2, '0') +
                   "1500Z\r\nDTEND:" + date + "T" + QByteArray::number(hour + 2).rightJustified(2, '0') +
                   "0000Z\r\n";
        }
        if (i < recurring) {
            ics += QByteArray("RRULE:") + rules[i % 6] + "\r\n";
            if (kind < 7)
                ics += "EXDATE;TZID=Europe/Paris:" + day.addDays(14).toString(u"yyyyMMdd").toLatin1() + 'T' +
                       QByteArray::number(hour).rightJustified(2, '0') + "0000\r\n";
        }
        ics += "DTSTAMP:20260301T101500Z\r\nUID:" + uid + "\r\n";
        if (i % 3 == 0)
            ics += Folded("DESCRIPTION:" + QByteArray(words[i % 12]) +
                          " avec la famille. Prendre les papiers\\, le carnet de santé.\\nRéservation " +
                          QByteArray::number(random.bounded(1000000)));
        if (i % 2 == 0) ics += "LAST-MODIFIED:20260110T170522Z\r\n";
        if (i % 3 == 1) ics += "LOCATION:12 rue des Lilas\\, 69003 Lyon\r\n";
        ics += "SEQUENCE:" + QByteArray::number(random.bounded(4)) + "\r\n";
        ics += "SUMMARY:" + QByteArray(words[i % 12]) + ' ' + QByteArray::number(i) + "\r\nTRANSP:OPAQUE\r\n";
        if (i % 6 == 0)
            ics += Folded("ATTENDEE;CUTYPE=INDIVIDUAL;ROLE=REQ-PARTICIPANT;PARTSTAT=ACCEPTED;CN=Léa Martin;"
                          "X-NUM-GUESTS=0:mailto:lea.martin@example.com");
        if (i % 5 == 0)
            ics += "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Rappel\r\nTRIGGER:-P0DT0H30M0S\r\nEND:"
                   "VALARM\r\n";
        ics += "END:VEVENT\r\n";
        if (i < recurring && i % 5 == 0 && kind < 7) {
            // An edited occurrence of the series, a week after its start.
            const QByteArray moved = day.addDays(7).toString(u"yyyyMMdd").toLatin1() + 'T' +
                                     QByteArray::number(hour).rightJustified(2, '0') + "0000";
            ics += "BEGIN:VEVENT\r\nDTSTART;TZID=Europe/Paris:" + moved +
                   "\r\nDTSTAMP:20260301T101500Z\r\nUID:" + uid +
                   "\r\nRECURRENCE-ID;TZID=Europe/Paris:" + moved + "\r\nSUMMARY:" + words[i % 12] +
                   " (déplacé)\r\nEND:VEVENT\r\n";
        }
    }
    return ics + "END:VCALENDAR\r\n";
}
