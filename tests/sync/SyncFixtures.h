#pragma once
// Documents and views of them for the synchronisation tests: a small year with every kind of
// entry, its entries as lines ("2026-03-14 Loyer 650 $ ✓ a3 #ff0000"), and the same lines as a
// server holds them.

#include "FakeCalDav.h"
#include "entries/EntryFixtures.h"
#include "interchange/IcsExport.h"
#include "interchange/YearEntries.h"
#include "sync/ServerEvents.h"
#include "sync/SyncExchange.h"

#include <QStringList>
#include <algorithm>

const QTimeZone kParis("Europe/Paris");

inline QList<DayEntry>& DayList(CalendarDocument& doc, int day, int month)
{
    return doc.Month(month).Cell(CellOfDate(MakeDate(day, month, doc.YearNumber()))).Entries;
}

// A year of 2026 with events, an income and an expense, a tick, an alarm, a colour, and two
// entries alike on one day.
inline CalendarDocument SampleYear(const QString& url = QStringLiteral("https://cal.example/u/cal/"))
{
    CalendarDocument doc;
    SetDocumentDefaults(doc, 2026);
    DayList(doc, 1, 1).append(Entry(EntryEvent, QStringLiteral("Jour de l'an")));
    DayList(doc, 14, 3).append(Entry(EntryExpense, MoneyDescription(u"Loyer", u"650")));
    DayList(doc, 14, 3).append(Entry(EntryIncome, MoneyDescription(u"Salaire", u"1800.50")));
    DayEntry ticked = Entry(EntryEvent, QStringLiteral("Vaccin du chat"));
    ticked.Ticked = true;
    DayList(doc, 2, 4).append(ticked);
    DayEntry alarm = Entry(EntryEvent, QStringLiteral("Anniversaire Zoé"));
    alarm.AlarmOn = true;
    alarm.AlarmDaysBefore = 3;
    DayList(doc, 12, 6).append(alarm);
    DayEntry coloured = Entry(EntryEvent, QStringLiteral("Vacances"));
    coloured.TextColour = 0x0000FF; // red in the low byte
    DayList(doc, 1, 8).append(coloured);
    DayList(doc, 20, 9).append(Entry(EntryEvent, QStringLiteral("Marché")));
    DayList(doc, 20, 9).append(Entry(EntryEvent, QStringLiteral("Marché")));
    DayList(doc, 24, 12).append(Entry(EntryEvent, QStringLiteral("Réveillon")));
    doc.Sync.CollectionUrl = url;
    doc.Sync.UserName = QStringLiteral("anne");
    return doc;
}

inline QString EntryLine(const DateRec& date, const DayEntry& e)
{
    QString line = DateToText(date) + u' ' + EntrySummary(e);
    if (e.Ticked) line += QStringLiteral(" ✓");
    if (e.AlarmOn) line += QStringLiteral(" a%1").arg(e.AlarmDaysBefore);
    if (e.TextColour != -1) line += QStringLiteral(" c%1").arg(e.TextColour);
    return line;
}

// Every entry of the year, sorted.
inline QStringList LocalLines(const CalendarDocument& doc)
{
    QStringList lines;
    ForEachYearEntry(doc, [&](const DateRec& d, int, const DayEntry& e) { lines.append(EntryLine(d, e)); });
    lines.sort();
    return lines;
}

// Every day of every event the server holds, sorted.
inline QStringList ServerLines(const QList<DavResource>& resources, int year = 2026)
{
    QStringList lines;
    for (const DavResource& r : resources)
        for (const ServerDay& d : ReadServerEvent(r, year, kParis).Days)
            lines.append(EntryLine(d.Date, d.Entry));
    lines.sort();
    return lines;
}

inline QStringList ServerLines(const FakeCalDav& server)
{
    QList<DavResource> all;
    for (auto it = server.Resources.constBegin(); it != server.Resources.constEnd(); ++it)
        all.append({it.key(), it->ETag, it->Data});
    return ServerLines(all);
}

// An event as another device writes it: all day, or at a time.
inline QByteArray DeviceEvent(const QString& uid, const QString& date, const QString& summary,
                              const QStringList& more = {})
{
    QStringList lines{u"BEGIN:VCALENDAR"_qs,   u"VERSION:2.0"_qs, u"PRODID:-//Phone//EN"_qs,
                      u"BEGIN:VEVENT"_qs,      u"UID:"_qs + uid,  u"DTSTAMP:20260101T000000Z"_qs,
                      u"SUMMARY:"_qs + summary};
    if (date.contains(u'T'))
        lines.append(u"DTSTART:"_qs + date);
    else
        lines.append(u"DTSTART;VALUE=DATE:"_qs + date);
    lines += more;
    lines += QStringList{u"END:VEVENT"_qs, u"END:VCALENDAR"_qs};
    return (lines.join(u"\r\n"_qs) + u"\r\n"_qs).toUtf8();
}

inline SyncOutcome Exchange(FakeCalDav& server, CalendarDocument& doc)
{
    return RunExchange(server, doc, kParis);
}
