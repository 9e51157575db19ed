#pragma once
// Calendars in the styles people bring (public holidays, web calendar exports, desktop mail
// programs, phones, test files of calendar libraries), each written twice: clean, for an
// independent reader, and with the flaws its kind of writer leaves, for ours. Both must give the
// same days. Made from a seed, so that a failing calendar can be made again.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QStringList>
#include <QTimeZone>

struct CorpusCalendar
{
    QString Name;
    QByteArray Clean;
    QByteArray Flawed;
};

namespace corpus {

struct Zone
{
    const char* Iana;
    const char* Windows;
    const char* Definition; // a VTIMEZONE body after its TZID line
};

inline const QList<Zone>& Zones()
{
    static const QList<Zone> zones = {
        {"America/Los_Angeles", "Pacific Standard Time",
         "BEGIN:STANDARD\nDTSTART:16010101T020000\nTZOFFSETFROM:-0700\nTZOFFSETTO:-0800\n"
         "RRULE:FREQ=YEARLY;BYDAY=1SU;BYMONTH=11\nEND:STANDARD\nBEGIN:DAYLIGHT\nDTSTART:16010101T020000\n"
         "TZOFFSETFROM:-0800\nTZOFFSETTO:-0700\nRRULE:FREQ=YEARLY;BYDAY=2SU;BYMONTH=3\nEND:DAYLIGHT\n"},
        {"Europe/Paris", "Romance Standard Time",
         "BEGIN:STANDARD\nDTSTART:16010101T030000\nTZOFFSETFROM:+0200\nTZOFFSETTO:+0100\n"
         "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\nEND:STANDARD\nBEGIN:DAYLIGHT\nDTSTART:16010101T020000\n"
         "TZOFFSETFROM:+0100\nTZOFFSETTO:+0200\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\nEND:DAYLIGHT\n"},
        {"Asia/Tokyo", "Tokyo Standard Time",
         "BEGIN:STANDARD\nDTSTART:16010101T000000\nTZOFFSETFROM:+0900\nTZOFFSETTO:+0900\nEND:STANDARD\n"},
        {"Australia/Sydney", "AUS Eastern Standard Time",
         "BEGIN:STANDARD\nDTSTART:16010101T030000\nTZOFFSETFROM:+1100\nTZOFFSETTO:+1000\n"
         "RRULE:FREQ=YEARLY;BYDAY=1SU;BYMONTH=4\nEND:STANDARD\nBEGIN:DAYLIGHT\nDTSTART:16010101T020000\n"
         "TZOFFSETFROM:+1000\nTZOFFSETTO:+1100\nRRULE:FREQ=YEARLY;BYDAY=1SU;BYMONTH=10\nEND:DAYLIGHT\n"},
    };
    return zones;
}

enum Style
{
    Holidays,     // all-day, yearly; empty rules and dates without VALUE=DATE
    WebExport,    // zones, X-WR-*, edited occurrences named in UTC, unreadable properties
    DesktopMail,  // Windows zone names, with their definitions
    WindowsBare,  // Windows zone names, no definition
    Phone,        // floating times, LF line ends, a byte-order mark
    LongEvents,   // several days, past midnight; UTF-16
    LibraryTests, // RDATE, EXDATE lists, BYSETPOS; several calendar blocks
    Careless,     // blanks and lower case in rules, CR line ends, a last event cut short
    StyleCount
};

class Writer
{
public:
    Writer(int seed)
        : m_random(quint32(seed) * 2654435761u + 17), m_style(Style(seed % StyleCount)), m_seed(seed)
    {
        m_zone = Zones()[m_random.bounded(int(Zones().size()))];
    }

    CorpusCalendar Write()
    {
        const int events = 4 + m_random.bounded(24);
        for (int i = 0; i < events; ++i) Event(i);
        return {QStringLiteral("%1-%2.ics").arg(m_seed, 3, 10, QLatin1Char('0')).arg(StyleName()), Clean(),
                Flawed()};
    }

private:
    QString StyleName() const
    {
        static const char* names[] = {"holidays", "web",  "mail",    "windows",
                                      "phone",    "long", "library", "careless"};
        return QLatin1String(names[m_style]);
    }

    int Pick(int n) { return m_random.bounded(n); }

    // A line for both readers, or a different one for ours.
    void Both(const QByteArray& line) { Lines(line, line); }
    void Lines(const QByteArray& clean, const QByteArray& flawed)
    {
        if (!clean.isEmpty()) m_clean.append(clean);
        if (!flawed.isEmpty()) m_flawed.append(flawed);
    }

    static QByteArray Stamp(const QDate& d) { return d.toString(u"yyyyMMdd").toLatin1(); }
    static QByteArray Time(int hour, int minute)
    {
        return QByteArray::number(hour).rightJustified(2, '0') +
               QByteArray::number(minute).rightJustified(2, '0') + "00";
    }

    QByteArray Summary()
    {
        static const char* texts[] = {
            "Réunion",  "Piscine", "Fête des mères",   "Dentiste",       "Conseil de classe",
            "Vacances", "Marché",  "Anniversaire Zoé", "Cours de piano", "Brocante",
            "Été",      "Œnologie"};
        return texts[Pick(12)];
    }

    // How a start is written: all day, in the calendar's zone, in UTC, or floating.
    enum Form
    {
        AllDay,
        Zoned,
        Utc,
        Floating
    };

    Form FormOfEvent()
    {
        switch (m_style) {
        case Holidays:
            return AllDay;
        case Phone:
            return Pick(4) == 0 ? AllDay : Floating;
        case WebExport:
            return Form(Pick(3));
        default:
            return Pick(3) == 0 ? AllDay : Zoned;
        }
    }

    QByteArray ZoneParam(bool flawed) const
    {
        const bool windows = flawed && (m_style == DesktopMail || m_style == WindowsBare);
        return QByteArray(";TZID=") + (windows ? m_zone.Windows : m_zone.Iana);
    }

    void Event(int index)
    {
        const Form form = FormOfEvent();
        QDate day = QDate(2025, 10, 1).addDays(Pick(520));
        const int hour = form == AllDay ? 0 : Pick(24), minute = Pick(4) * 15;
        const QByteArray uid = QByteArray::number(m_seed) + '-' + QByteArray::number(index) + "@corpus";
        const bool recurring = Pick(3) == 0;
        const QByteArray rule = recurring ? RuleFor(day) : QByteArray();
        const bool cut = m_style == Careless && index == 0; // written last, cut short
        QList<QByteArray> cleanBefore = m_clean, flawedBefore = m_flawed;

        Both("BEGIN:VEVENT");
        Both("UID:" + uid);
        Both("DTSTAMP:20260101T120000Z");
        const QByteArray date = Stamp(day), time = Time(hour, minute);
        auto timeLine = [&](const char* name, const QByteArray& d, const QByteArray& t) {
            switch (form) {
            case AllDay:
                if (m_style == Holidays && QByteArray(name) == "DTSTART")
                    Lines(QByteArray(name) + ";VALUE=DATE:" + d, QByteArray(name) + ':' + d);
                else
                    Both(QByteArray(name) + ";VALUE=DATE:" + d);
                break;
            case Zoned:
                Lines(QByteArray(name) + ZoneParam(false) + ':' + d + 'T' + t,
                      QByteArray(name) + ZoneParam(true) + ':' + d + 'T' + t);
                break;
            case Utc:
                Both(QByteArray(name) + ':' + d + 'T' + t + 'Z');
                break;
            case Floating:
                Both(QByteArray(name) + ':' + d + 'T' + t);
                break;
            }
        };
        timeLine("DTSTART", date, time);
        const int length = m_style == LongEvents ? Pick(5) : Pick(2);
        if (form == AllDay) {
            if (length > 0 || Pick(2)) timeLine("DTEND", Stamp(day.addDays(1 + length)), {});
        } else if (m_style == LongEvents && Pick(2)) {
            Both("DURATION:PT" + QByteArray::number(1 + Pick(30)) + 'H');
        } else {
            const QDateTime end = QDateTime(day, QTime(hour, minute)).addSecs(3600 * (1 + Pick(3)));
            timeLine("DTEND", Stamp(end.date()), Time(end.time().hour(), end.time().minute()));
        }
        if (recurring)
            Rule(rule, form, day, hour, minute);
        else if (m_style == Holidays && Pick(2))
            Lines({}, "RRULE:");
        Both("SUMMARY:" + Summary());
        Noise();
        if (m_style != Holidays && Pick(8) == 0) Both("STATUS:CANCELLED");
        Both("END:VEVENT");
        if (recurring && form != AllDay && m_style != Holidays) Edited(form, uid, day, hour, minute);
        if (cut) {
            // The last event of the careless file is cut short: the clean file never had it.
            QList<QByteArray> event = m_flawed.mid(flawedBefore.size());
            m_clean = cleanBefore;
            m_flawed = flawedBefore;
            m_cutEvent = event.mid(0, event.size() / 2);
        }
    }

    // A rule whose first occurrence is the start, the start moved to one of its days: readers
    // differ on a start the rule does not hold.
    QByteArray RuleFor(QDate& day)
    {
        static const char* weekdays[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
        if (m_style == Holidays) return "FREQ=YEARLY";
        switch (Pick(m_style == LibraryTests ? 7 : 6)) {
        case 0:
            return QByteArray("FREQ=WEEKLY;BYDAY=") + weekdays[day.dayOfWeek() - 1] + ',' +
                   weekdays[(day.dayOfWeek() + 1) % 7];
        case 1:
            return "FREQ=WEEKLY;INTERVAL=2";
        case 2:
            day.setDate(day.year(), day.month(), 1 + Pick(13));
            return "FREQ=MONTHLY;BYMONTHDAY=" + QByteArray::number(day.day()) + ',' +
                   QByteArray::number(day.day() + 14);
        case 3:
            return "FREQ=YEARLY";
        case 4:
            return "FREQ=DAILY;INTERVAL=3";
        case 5:
            return "FREQ=MONTHLY";
        default: {
            day.setDate(day.year(), day.month(), day.daysInMonth());
            while (day.dayOfWeek() > 5) day = day.addDays(-1);
            return "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1";
        }
        }
    }

    void Rule(QByteArray rule, Form form, const QDate& day, int hour, int minute)
    {
        const int ending = Pick(3);
        if (ending == 1) {
            rule += ";COUNT=" + QByteArray::number(2 + Pick(20));
        } else if (ending == 2) {
            // Half a day from a start time, so that no reader may differ on the last one.
            const QDate last = day.addDays(20 + Pick(300));
            const QTime noon((hour + 12) % 24, minute);
            if (form == AllDay) {
                rule += ";UNTIL=" + Stamp(last);
            } else if (form == Floating) {
                rule += ";UNTIL=" + Stamp(last) + 'T' + Time(noon.hour(), noon.minute());
            } else {
                const QDateTime until =
                    QDateTime(last, noon, form == Zoned ? QTimeZone(m_zone.Iana) : QTimeZone::utc()).toUTC();
                rule += ";UNTIL=" + Stamp(until.date()) + 'T' +
                        Time(until.time().hour(), until.time().minute()) + 'Z';
            }
        }
        QByteArray loose = rule;
        if (m_style == Careless) loose = loose.toLower().replace(",", ", ").replace("freq", "FREQ") + ";";
        Lines("RRULE:" + rule, "RRULE:" + loose);
        if (Pick(2)) {
            const QDate skipped = day.addDays(7 * (1 + Pick(4)));
            if (form == AllDay)
                Both("EXDATE;VALUE=DATE:" + Stamp(skipped));
            else if (form == Zoned)
                Lines("EXDATE" + ZoneParam(false) + ':' + Stamp(skipped) + 'T' + Time(hour, minute),
                      "EXDATE" + ZoneParam(true) + ':' + Stamp(skipped) + 'T' + Time(hour, minute));
            else
                Both("EXDATE:" + Stamp(skipped) + 'T' + Time(hour, minute) + (form == Utc ? "Z" : ""));
        }
        if (m_style == LibraryTests && Pick(2)) {
            const QDate extra = day.addDays(3 + Pick(40));
            if (form == AllDay)
                Both("RDATE;VALUE=DATE:" + Stamp(extra));
            else if (form == Utc || form == Floating)
                Both("RDATE:" + Stamp(extra) + 'T' + Time(hour, minute) + (form == Utc ? "Z" : ""));
        }
    }

    // An occurrence edited on its own: the second of its series, when it is one. Web calendars
    // name it in UTC; the clean file in the series' own zone.
    void Edited(Form form, const QByteArray& uid, const QDate& day, int hour, int minute)
    {
        if (form != Zoned || Pick(2)) return;
        const QByteArray original = Stamp(day.addDays(7)) + 'T' + Time(hour, minute);
        const QDateTime utc = QDateTime(day.addDays(7), QTime(hour, minute), QTimeZone(m_zone.Iana)).toUTC();
        Both("BEGIN:VEVENT");
        Both("UID:" + uid);
        Both("DTSTAMP:20260101T120000Z");
        Lines("RECURRENCE-ID" + ZoneParam(false) + ':' + original,
              m_style == WebExport ? "RECURRENCE-ID:" + Stamp(utc.date()) + 'T' +
                                         Time(utc.time().hour(), utc.time().minute()) + 'Z'
                                   : "RECURRENCE-ID" + ZoneParam(true) + ':' + original);
        Lines("DTSTART" + ZoneParam(false) + ':' + Stamp(day.addDays(8)) + "T120000",
              "DTSTART" + ZoneParam(true) + ':' + Stamp(day.addDays(8)) + "T120000");
        Both(Pick(3) == 0 ? QByteArray("STATUS:CANCELLED") : QByteArray("SUMMARY:Déplacé"));
        Both("END:VEVENT");
    }

    // What writers add that a reader passes over, some of it unreadable.
    void Noise()
    {
        if (Pick(2)) Both("DESCRIPTION:Apporter les papiers\\, le carnet et les clés.\\nCode 4589B");
        if (Pick(3) == 0) Both("LOCATION:12 rue des Lilas\\, Lyon");
        if (m_style == WebExport) {
            Lines({}, "GEO:pas de lieu");
            Lines({}, "ATTENDEE;CN=\"Léa:mailto:lea@example.com");
            Both("X-APPLE-TRAVEL-ADVISORY-BEHAVIOR:AUTOMATIC");
            Lines({}, "SEQUENCE:deux");
        }
    }

    QByteArray Head(bool flawed) const
    {
        QByteArray head =
            "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Corpus//" + StyleName().toLatin1() + "//FR\n";
        // The calendar's zone places floating times only; the other reader would also move UTC
        // times there, where a client shows them in its own zone: the clean twin of a web
        // export, which has no floating times, leaves it out.
        if (m_style == Phone || (m_style == WebExport && flawed))
            head += "X-WR-CALNAME:Famille\nX-WR-TIMEZONE:" + QByteArray(m_zone.Iana) + '\n';
        const bool defined = m_style == DesktopMail || m_style == WebExport || m_style == LibraryTests;
        if (defined)
            head += "BEGIN:VTIMEZONE\nTZID:" +
                    QByteArray(flawed && m_style == DesktopMail ? m_zone.Windows : m_zone.Iana) + '\n' +
                    m_zone.Definition + "END:VTIMEZONE\n";
        return head;
    }

    QByteArray Clean() const { return Head(false) + m_clean.join('\n') + "\nEND:VCALENDAR\n"; }

    QByteArray Flawed()
    {
        QByteArray body = m_flawed.join('\n') + '\n';
        if (m_style == LibraryTests) {
            // Every event in a calendar block of its own.
            body.replace("END:VEVENT\nBEGIN:VEVENT",
                         "END:VEVENT\nEND:VCALENDAR\n" + Head(true) + "BEGIN:VEVENT");
        }
        // A file cut short ends inside its last event.
        QByteArray text =
            Head(true) + body + (m_cutEvent.isEmpty() ? "END:VCALENDAR\n" : m_cutEvent.join('\n'));
        switch (m_style) {
        case Phone:
            return "\xEF\xBB\xBF" + text;
        case LongEvents: {
            QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
            return utf16(QString::fromUtf8(text).replace(u"\n"_qs, u"\r\n"_qs));
        }
        case Careless:
            return text.replace('\n', '\r');
        default:
            return Folded(text.replace("\n", "\r\n"));
        }
    }

    // Lines folded at 75 bytes, as careless writers do: inside a character if it falls there.
    static QByteArray Folded(const QByteArray& text)
    {
        QByteArray out;
        for (const QByteArray& line : text.split('\n')) {
            if (line.isEmpty()) continue;
            for (qsizetype i = 0; i < line.size(); i += 74)
                out += (i ? " " : "") + line.mid(i, 74) + (i + 74 < line.size() ? "\r\n" : "");
            out += '\n';
        }
        return out;
    }

    QRandomGenerator m_random;
    Style m_style;
    int m_seed;
    Zone m_zone;
    QList<QByteArray> m_clean, m_flawed, m_cutEvent;
};

} // namespace corpus

inline CorpusCalendar CorpusCalendarOf(int seed)
{
    return corpus::Writer(seed).Write();
}
