#pragma once
// The server's side of an exchange brought into the document, by the rules users expect of a
// calendar kept in two places:
// - an event new on the server becomes an entry of its day, unless an entry not yet on the server
//   holds the same date and text (an earlier export, another device): the two are then paired;
// - a changed event updates its entry, moving it to its new day;
// - an event gone from the server takes its entry away;
// - when the entry changed here as well, the server's version takes the entry and the local one
//   is kept beside it as a new entry (sent at the end of the exchange): nothing is lost;
// - an event the server changed wins over its entry's deletion here.
// Every decision updates the document's records; the server itself is not touched.

#include "document/CalendarDocument.h"
#include "sync/ServerEvents.h"
#include "sync/SyncEntries.h"

#include <QMultiHash>
#include <optional>

struct SyncCounts
{
    int Sent = 0;
    int Received = 0;
    int Deleted = 0;
    int Conflicts = 0;
};

class SyncMerge
{
public:
    SyncMerge(CalendarDocument& doc, SyncCounts& counts);

    // A resource fetched from the server.
    void Take(const ServerEvent& event);
    // A resource the server no longer has.
    void Gone(const QString& href);

    // The months whose entries changed, ascending.
    QList<int> ChangedMonths() const;

private:
    void TakeDay(const ServerEvent& event, const ServerDay& day);
    void Recorded(const ServerEvent& event, const ServerDay& day, const QString& fingerprint);
    void DayGone(const SyncRecord& record);
    std::optional<EntryPlace> Place(const QString& uid);
    QString Paired(const ServerDay& day);
    bool Append(const DateRec& date, const DayEntry& entry);
    void Update(const EntryPlace& place, const ServerDay& day);
    void Removed(const EntryPlace& place);
    void Touch(int month);

    CalendarDocument& m_doc;
    SyncCounts& m_counts;
    QHash<QString, EntryPlace> m_places;
    bool m_placesStale = true;
    std::optional<QMultiHash<QString, QString>> m_unpaired; // pairing key -> Uid, made at first need
    std::array<bool, 12> m_changed{};
};

// Takes the server's version of an event into an entry, leaving what does not travel (the
// picture, the alarm's sound, the auto-event key) as it is.
void TakeServerVersion(DayEntry& entry, const DayEntry& server);
