#include "sync/SyncEntries.h"

#include "entries/DayEntries.h"
#include "interchange/IcsExport.h"
#include "interchange/YearEntries.h"

#include <QCryptographicHash>
#include <QSet>
#include <QUuid>

namespace {

EntryPlace PlaceOf(const DateRec& date, int index)
{
    return {date.Month, CellOfDate(date), index, date};
}

} // namespace

QString EntryFingerprint(const DateRec& date, const DayEntry& entry)
{
    const QString what = QStringLiteral("%1|%2|%3|%4|%5|%6")
                             .arg(PairingKey(date, entry))
                             .arg(entry.EntryType)
                             .arg(entry.Ticked ? 1 : 0)
                             .arg(entry.AlarmOn ? entry.AlarmDaysBefore : -1)
                             .arg(entry.TextColour)
                             .arg(entry.Description);
    return QString::fromLatin1(QCryptographicHash::hash(what.toUtf8(), QCryptographicHash::Sha1).toHex());
}

QString PairingKey(const DateRec& date, const DayEntry& entry)
{
    return DateToText(date) + u'|' + EntrySummary(entry);
}

QString NewEntryUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

void FillUids(CalendarDocument& doc)
{
    QSet<QString> seen;
    ForEachYearEntry(doc, [&](const DateRec& date, int index, const DayEntry&) {
        DayEntry& e = EntryAt(doc, PlaceOf(date, index));
        if (e.Uid.isEmpty() || seen.contains(e.Uid)) e.Uid = NewEntryUid();
        seen.insert(e.Uid);
    });
}

QHash<QString, EntryPlace> YearEntriesByUid(const CalendarDocument& doc)
{
    QHash<QString, EntryPlace> places;
    ForEachYearEntry(doc, [&](const DateRec& date, int index, const DayEntry& e) {
        if (!e.Uid.isEmpty()) places.insert(e.Uid, PlaceOf(date, index));
    });
    return places;
}

DayEntry& EntryAt(CalendarDocument& doc, const EntryPlace& place)
{
    return doc.Month(place.Month).Cell(place.Cell).Entries[place.Index];
}
