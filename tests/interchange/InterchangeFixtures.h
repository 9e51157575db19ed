#pragma once
// Small documents and iCalendar texts for the interchange tests.

#include "entries/EntryFixtures.h"
#include "interchange/IcalHandles.h"
#include "interchange/IcsImport.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

// The unfolded lines of each VEVENT block, in file order.
inline QList<QStringList> EventBlocks(const QByteArray& ics)
{
    QByteArray text = ics;
    text.replace("\r\n ", "");
    QList<QStringList> blocks;
    bool inside = false;
    for (const QString& line : QString::fromUtf8(text).split(QStringLiteral("\r\n"))) {
        if (line == u"BEGIN:VEVENT") blocks.append(QStringList());
        inside = (inside || line == u"BEGIN:VEVENT") && line != u"END:VEVENT";
        if (inside && line != u"BEGIN:VEVENT") blocks.last().append(line);
    }
    return blocks;
}

// The value of the first line of a block that starts with the name ("SUMMARY", "DTSTART").
inline QString ValueOf(const QStringList& block, const QString& name)
{
    for (const QString& line : block)
        if (line.startsWith(name + u':') || line.startsWith(name + u';'))
            return line.mid(line.indexOf(u':') + 1);
    return {};
}

// The number of errors libical finds in a whole file, -1 when it reads nothing.
inline int IcalErrors(const QByteArray& ics)
{
    PrepareIcal();
    const IcalComponent c(icalparser_parse_string(ics.constData()));
    if (!c) return -1;
    icalrestriction_check(c.get());
    return icalcomponent_count_errors(c.get());
}

// An iCalendar file around some VEVENT (or VTIMEZONE) lines.
inline QByteArray Calendar(const QStringList& body)
{
    const QStringList lines =
        QStringList{u"BEGIN:VCALENDAR"_qs, u"VERSION:2.0"_qs, u"PRODID:-//T//T//FR"_qs} + body +
        QStringList{u"END:VCALENDAR"_qs};
    return (lines.join(u"\r\n"_qs) + u"\r\n"_qs).toUtf8();
}

inline QStringList VEvent(const QString& uid, const QStringList& properties)
{
    return QStringList{u"BEGIN:VEVENT"_qs, u"UID:"_qs + uid, u"DTSTAMP:20260101T000000Z"_qs} + properties +
           QStringList{u"END:VEVENT"_qs};
}

// The system's Python, where Debian's packages (python3-icalendar) are; else the first on PATH.
inline QString Python()
{
    return QFile::exists(u"/usr/bin/python3"_qs) ? u"/usr/bin/python3"_qs : u"python3"_qs;
}

// Every entry of the test document's year with its day: "2026-06-12 Anniversaire Zoé".
inline QStringList DaysWithEntries()
{
    const int year = Doc().YearNumber();
    QStringList days;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= DaysInMonth(year, m); ++d)
            for (const DayEntry& e : EntriesOn(d, m))
                days.append(DateToText(MakeDate(d, m, year)) + u' ' + e.Description);
    return days;
}

// A calendar written by hand with LF line ends, as most files have them: CR LF.
inline QByteArray Crlf(const char* text)
{
    return QByteArray(text).replace("\n", "\r\n");
}

const QTimeZone kMontreal("America/Montreal");

// The days and texts an import into the test document brings.
inline QStringList ImportedDays(const QByteArray& ics, IcsImportResult* result = nullptr,
                                const QTimeZone& local = kMontreal)
{
    const IcsImportResult r = ImportCalendar(ics, Doc(), local);
    if (result) *result = r;
    return DaysWithEntries();
}
