#include "sync/SyncMerge.h"

#include "entries/DayEntries.h"
#include "entries/ListOps.h"

#include <QSet>

void TakeServerVersion(DayEntry& entry, const DayEntry& server)
{
    entry.Description = server.Description;
    entry.EntryType = server.EntryType;
    entry.Ticked = server.Ticked;
    entry.TextColour = server.TextColour;
    entry.AlarmOn = server.AlarmOn;
    if (server.AlarmOn) entry.AlarmDaysBefore = server.AlarmDaysBefore;
}

SyncMerge::SyncMerge(CalendarDocument& doc, SyncCounts& counts) : m_doc(doc), m_counts(counts) {}

QList<int> SyncMerge::ChangedMonths() const
{
    QList<int> months;
    for (int m = 1; m <= 12; ++m)
        if (m_changed[size_t(m - 1)]) months.append(m);
    return months;
}

void SyncMerge::Take(const ServerEvent& event)
{
    if (!event.Readable) return; // garbage is never taken for a deletion
    QSet<QString> kept;
    for (const ServerDay& day : event.Days) {
        TakeDay(event, day);
        kept.insert(day.Uid);
    }
    // Days the resource held before and holds no longer: gone from the server.
    QList<SyncRecord> before;
    for (const SyncRecord& r : std::as_const(m_doc.Sync.Records))
        if (r.Href == event.Href && !kept.contains(r.Uid)) before.append(r);
    for (const SyncRecord& r : before) DayGone(r);
}

void SyncMerge::Gone(const QString& href)
{
    QList<SyncRecord> gone;
    for (const SyncRecord& r : std::as_const(m_doc.Sync.Records))
        if (r.Href == href) gone.append(r);
    for (const SyncRecord& r : gone) DayGone(r);
}

void SyncMerge::TakeDay(const ServerEvent& event, const ServerDay& day)
{
    const QString serverPrint = EntryFingerprint(day.Date, day.Entry);
    const auto record = m_doc.Sync.Records.constFind(day.Uid);
    std::optional<EntryPlace> place = Place(day.Uid);

    if (record == m_doc.Sync.Records.constEnd()) {
        if (!place) {
            const QString paired = Paired(day);
            if (!paired.isEmpty()) {
                place = Place(paired);
                EntryAt(m_doc, *place).Uid = day.Uid;
                m_places.remove(paired);
                m_places.insert(day.Uid, *place);
                Touch(place->Month); // the entry's new identity goes into the document
            }
        }
        if (!place) {
            DayEntry entry = day.Entry;
            entry.Uid = day.Uid;
            if (!Append(day.Date, entry)) return; // a full day: taken at a later exchange
            ++m_counts.Received;
        }
        // First meeting: what the entry holds beyond the server's copy goes to the server.
        Recorded(event, day, serverPrint);
        return;
    }

    const QString lastPrint = record->Fingerprint;
    if (!place) {
        // Deleted here: a change on the server brings it back, an unchanged copy stays deleted.
        if (serverPrint != lastPrint) {
            DayEntry entry = day.Entry;
            entry.Uid = day.Uid;
            if (!Append(day.Date, entry)) return;
            ++m_counts.Received;
            if (!record->SeriesDay) ++m_counts.Conflicts;
        }
        Recorded(event, day, serverPrint == lastPrint ? lastPrint : serverPrint);
        return;
    }

    const DayEntry& local = EntryAt(m_doc, *place);
    const QString localPrint = EntryFingerprint(place->Date, local);
    if (localPrint != serverPrint) {
        if (localPrint != lastPrint) {
            // Both changed: the local version stays beside the server's, as a new entry.
            DayEntry copy = local;
            copy.Uid.clear();
            if (Append(place->Date, copy)) ++m_counts.Conflicts;
            place = Place(day.Uid);
        }
        Update(*place, day);
        ++m_counts.Received;
    }
    Recorded(event, day, serverPrint);
}

void SyncMerge::Recorded(const ServerEvent& event, const ServerDay& day, const QString& fingerprint)
{
    m_doc.Sync.Records.insert(day.Uid, {day.Uid, event.Href, event.ETag, fingerprint, event.Series});
}

void SyncMerge::DayGone(const SyncRecord& record)
{
    m_doc.Sync.Records.remove(record.Uid);
    const std::optional<EntryPlace> place = Place(record.Uid);
    if (!place) return;
    DayEntry& local = EntryAt(m_doc, *place);
    if (EntryFingerprint(place->Date, local) == record.Fingerprint) {
        Removed(*place);
        ++m_counts.Deleted;
        return;
    }
    // Changed here, gone there: it stays, and goes to the server again as a new event.
    local.Uid.clear();
    m_places.remove(record.Uid);
    ++m_counts.Conflicts;
    Touch(place->Month);
}

std::optional<EntryPlace> SyncMerge::Place(const QString& uid)
{
    if (m_placesStale) {
        m_places = YearEntriesByUid(m_doc);
        m_placesStale = false;
    }
    const auto it = m_places.constFind(uid);
    return it == m_places.constEnd() ? std::nullopt : std::optional<EntryPlace>(*it);
}

QString SyncMerge::Paired(const ServerDay& day)
{
    if (!m_unpaired) {
        m_unpaired.emplace();
        Place(QString()); // brings the places up to date
        for (auto it = m_places.constBegin(); it != m_places.constEnd(); ++it)
            if (!m_doc.Sync.Records.contains(it.key()))
                m_unpaired->insert(PairingKey(it->Date, EntryAt(m_doc, *it)), it.key());
    }
    const QString key = PairingKey(day.Date, day.Entry);
    // Several alike on one day pair one by one, in any order: they are the same.
    for (auto it = m_unpaired->find(key); it != m_unpaired->end() && it.key() == key;) {
        const QString uid = it.value();
        it = m_unpaired->erase(it);
        if (!m_doc.Sync.Records.contains(uid) && Place(uid)) return uid;
    }
    return {};
}

bool SyncMerge::Append(const DateRec& date, const DayEntry& entry)
{
    if (!ListOps::Append(m_doc.Month(date.Month).Cell(CellOfDate(date)).Entries, entry)) return false;
    m_placesStale = true;
    Touch(date.Month);
    return true;
}

void SyncMerge::Update(const EntryPlace& place, const ServerDay& day)
{
    if (place.Date == day.Date) {
        TakeServerVersion(EntryAt(m_doc, place), day.Entry);
        Touch(place.Month);
        return;
    }
    DayEntry moved = EntryAt(m_doc, place);
    TakeServerVersion(moved, day.Entry);
    Removed(place);
    Append(day.Date, moved);
}

void SyncMerge::Removed(const EntryPlace& place)
{
    m_doc.Month(place.Month).Cell(place.Cell).Entries.removeAt(place.Index);
    m_placesStale = true;
    Touch(place.Month);
}

void SyncMerge::Touch(int month)
{
    m_changed[size_t(month - 1)] = true;
}
