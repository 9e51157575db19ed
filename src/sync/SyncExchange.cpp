#include "sync/SyncExchange.h"

#include "interchange/IcalHandles.h"
#include "interchange/IcsExport.h"
#include "interchange/InterchangeFiles.h"
#include "resources/Strings.h"
#include "sync/EventPatch.h"
#include "sync/ServerEvents.h"

#include <QEventLoop>
#include <QPointer>
#include <QSet>
#include <QUrl>
#include <algorithm>

namespace {

constexpr int kFetchBatch = 100;
constexpr int kRounds = 3; // rounds of sending; what is left goes at the next exchange

// The server's resources as the last exchange left them: href -> ETag.
QHash<QString, QString> KnownETags(const SyncState& sync)
{
    QHash<QString, QString> known;
    for (const SyncRecord& r : sync.Records) known.insert(r.Href, r.ETag);
    return known;
}

} // namespace

struct SyncExchange::Operation
{
    enum Kind
    {
        PutNew,
        PutChanged,
        Delete
    } What = PutNew;
    QString Uid;
    QString Href;
    QString ETag;
    QString Fingerprint;
    DateRec Date;
    DayEntry Entry;
    QByteArray Ics; // the server's copy with the entry's changes, once fetched
};

QString SyncOutcome::Report() const
{
    return Str(28001).arg(Counts.Sent).arg(Counts.Received).arg(Counts.Deleted).arg(Counts.Conflicts);
}

SyncExchange::SyncExchange(CalDavClient& client, CalendarDocument& doc, QObject* parent)
    : QObject(parent), m_client(client), m_doc(doc)
{}

SyncExchange::~SyncExchange()
{
    m_destroying = true;
    if (m_running) m_client.CancelAll();
}

template <typename T> std::function<void(const T&)> SyncExchange::Then(void (SyncExchange::*step)(const T&))
{
    return [self = QPointer<SyncExchange>(this), step](const T& value) {
        if (self && !self->m_destroying) (self.data()->*step)(value);
    };
}

void SyncExchange::Start()
{
    if (m_running) return;
    m_running = true;
    m_cancelled = false;
    m_counts = SyncCounts();
    m_failure = {DavStatus::Ok, QString()};
    m_toFetch.clear();
    m_gone.clear();
    m_round = 0;
    m_refetching = false;
    m_wrote = false;
    m_merge.reset();
    if (!m_doc.Sync.Configured()) {
        Finish(SyncOutcome::Failed, Str(28008));
        return;
    }
    m_before = m_doc.Sync;
    const int year = m_doc.YearNumber();
    if (m_doc.Sync.Year != year) {
        // Records of another year pair nothing of this one.
        m_doc.Sync.ForgetPairing();
        m_doc.Sync.Year = year;
    }
    FillUids(m_doc); // identities are not a change of the user's: outside the step to undo
    m_work = m_doc;
    m_merge = std::make_unique<SyncMerge>(m_work, m_counts);
    m_stamp = QDateTime::currentDateTimeUtc();
    emit Progress(0, 0, Str(28010).arg(Quoted(QUrl(m_doc.Sync.CollectionUrl).host())));
    m_client.Describe(Then(&SyncExchange::Described));
}

void SyncExchange::Cancel()
{
    if (!m_running || m_cancelled) return;
    m_cancelled = true;
    m_client.CancelAll();
}

bool SyncExchange::Stopping(const DavResult& result)
{
    if (!m_running) return true;
    if (m_cancelled || result.Status == DavStatus::Cancelled) {
        Finish(SyncOutcome::Cancelled, Str(28007));
        return true;
    }
    if (result.Ok()) return false;
    m_failure = result;
    Finish(SyncOutcome::Failed, result.Message);
    return true;
}

void SyncExchange::Described(const DavCollection& collection)
{
    if (Stopping(collection.Result)) return;
    m_newToken = collection.SyncToken;
    m_changesOffered = collection.SyncCollection;
    const SyncState& s = m_work.Sync;
    emit Progress(0, 0, Str(28012));
    if (!s.SyncToken.isEmpty() && collection.SyncCollection && !s.Records.isEmpty())
        m_client.ListChanges(s.SyncToken, Then(&SyncExchange::ChangesListed));
    else
        m_client.ListYear(s.Year, Then(&SyncExchange::YearListed));
}

void SyncExchange::ChangesListed(const DavListing& listing)
{
    if (listing.Result.Status == DavStatus::TokenInvalid) {
        m_client.ListYear(m_work.Sync.Year, Then(&SyncExchange::YearListed));
        return;
    }
    Listed(listing, true);
}

void SyncExchange::YearListed(const DavListing& listing)
{
    Listed(listing, false);
}

void SyncExchange::Listed(const DavListing& listing, bool changesOnly)
{
    if (Stopping(listing.Result)) return;
    const QHash<QString, QString> known = KnownETags(m_work.Sync);
    if (changesOnly) {
        if (!listing.SyncToken.isEmpty()) m_newToken = listing.SyncToken;
        for (const QString& href : listing.Removed)
            if (known.contains(href)) m_gone.append(href);
    } else {
        QSet<QString> listed;
        for (const DavItem& item : listing.Items) listed.insert(item.Href);
        for (auto it = known.constBegin(); it != known.constEnd(); ++it)
            if (!listed.contains(it.key())) m_gone.append(it.key());
    }
    for (const DavItem& item : listing.Items) {
        const auto it = known.constFind(item.Href);
        if (it == known.constEnd() || *it != item.ETag) m_toFetch.append(item.Href);
    }
    m_fetchTotal = int(m_toFetch.size());
    FetchNext();
}

void SyncExchange::FetchNext()
{
    if (m_toFetch.isEmpty()) {
        if (!m_refetching) {
            // Everything the server changed is in: now what it no longer has may go.
            for (const QString& href : std::as_const(m_gone)) m_merge->Gone(href);
            m_work.Sync.SyncToken = m_newToken;
        }
        SendChanges();
        return;
    }
    const QStringList batch = m_toFetch.mid(0, kFetchBatch);
    m_toFetch.remove(0, batch.size());
    emit Progress(m_fetchTotal - int(m_toFetch.size()), m_fetchTotal,
                  Str(28013).arg(m_fetchTotal - m_toFetch.size()).arg(m_fetchTotal));
    m_client.Fetch(batch, Then(&SyncExchange::Fetched));
}

void SyncExchange::Fetched(const DavFetch& fetch)
{
    if (Stopping(fetch.Result)) return;
    for (const DavResource& r : fetch.Resources) m_merge->Take(ReadServerEvent(r, m_work.Sync.Year, m_local));
    FetchNext();
}

void SyncExchange::SendChanges()
{
    if (++m_round > kRounds) {
        Finish(SyncOutcome::Done);
        return;
    }
    FillUids(m_work);
    const QHash<QString, EntryPlace> places = YearEntriesByUid(m_work);
    const QHash<QString, SyncRecord>& records = m_work.Sync.Records;
    m_operations.clear();
    m_nextOperation = 0;
    m_refetch.clear();
    m_anotherRound = false;
    for (auto it = places.constBegin(); it != places.constEnd(); ++it) {
        const DayEntry& entry = EntryAt(m_work, *it);
        const QString print = EntryFingerprint(it->Date, entry);
        const auto record = records.constFind(it.key());
        Operation op{
            Operation::PutNew, it.key(), m_client.HrefFor(it.key()), QString(), print, it->Date, entry, {}};
        if (record != records.constEnd()) {
            if (record->SeriesDay || record->Fingerprint == print) continue;
            op.What = Operation::PutChanged;
            op.Href = record->Href;
            op.ETag = record->ETag;
        }
        m_operations.append(op);
    }
    for (const SyncRecord& r : records)
        if (!r.SeriesDay && !places.contains(r.Uid))
            m_operations.append({Operation::Delete, r.Uid, r.Href, r.ETag, QString(), {}, {}, {}});
    // A changed entry goes over the server's copy of its event, which may hold more than it.
    m_copies.clear();
    for (const Operation& op : std::as_const(m_operations))
        if (op.What == Operation::PutChanged) m_copies.append(op.Href);
    FetchCopies();
}

void SyncExchange::FetchCopies()
{
    if (m_copies.isEmpty()) {
        SendNext();
        return;
    }
    const QStringList batch = m_copies.mid(0, kFetchBatch);
    m_copies.remove(0, batch.size());
    m_client.Fetch(batch, Then(&SyncExchange::CopiesFetched));
}

void SyncExchange::CopiesFetched(const DavFetch& fetch)
{
    if (Stopping(fetch.Result)) return;
    for (const DavResource& copy : fetch.Resources) {
        const auto op = std::find_if(m_operations.begin(), m_operations.end(), [&](const Operation& o) {
            return o.What == Operation::PutChanged && o.Href == copy.Href;
        });
        if (op == m_operations.end()) continue;
        if (copy.ETag == op->ETag) {
            op->Ics = PatchedEvent(copy, op->Uid, op->Date, op->Entry, m_stamp, m_local);
            continue;
        }
        // Changed there meanwhile: decided now as a change of the server, sent at the next round.
        m_merge->Take(ReadServerEvent(copy, m_work.Sync.Year, m_local));
        m_operations.erase(op);
        m_anotherRound = true;
    }
    FetchCopies();
}

void SyncExchange::SendNext()
{
    if (m_sendLoop) return; // an answer given at once: the loop below goes on
    m_sendLoop = true;
    while (m_running && m_inFlight < kParallel && m_nextOperation < m_operations.size() && m_failure.Ok() &&
           !m_cancelled) {
        const Operation op = m_operations[m_nextOperation++];
        ++m_inFlight;
        emit Progress(m_nextOperation, int(m_operations.size()),
                      Str(28014).arg(m_nextOperation).arg(m_operations.size()));
        QPointer<SyncExchange> self(this);
        const auto answer = [self, op](DavStatus status, const QString& etag, const QString& message) {
            if (self && !self->m_destroying) self->Sent(op, status, etag, message);
        };
        if (op.What == Operation::Delete) {
            m_client.Remove(op.Href, op.ETag,
                            [answer](const DavResult& r) { answer(r.Status, QString(), r.Message); });
            continue;
        }
        const QByteArray ics =
            op.Ics.isEmpty()
                ? CalendarAround(IcalText(EventOfEntry(op.Uid, op.Date, op.Entry, m_stamp).get()))
                : op.Ics;
        m_client.Put(op.Href, ics, op.What == Operation::PutNew ? QString() : op.ETag,
                     [answer](const DavWrite& w) { answer(w.Result.Status, w.ETag, w.Result.Message); });
    }
    m_sendLoop = false;
    const bool over = m_nextOperation >= m_operations.size() || !m_failure.Ok() || m_cancelled;
    if (m_running && m_inFlight == 0 && over) AfterSending();
}

void SyncExchange::Sent(const Operation& op, DavStatus status, const QString& etag, const QString& message)
{
    --m_inFlight;
    QHash<QString, SyncRecord>& records = m_work.Sync.Records;
    switch (status) {
    case DavStatus::Ok:
        if (op.What == Operation::Delete) {
            records.remove(op.Uid);
            ++m_counts.Deleted;
            m_wrote = true;
        } else {
            records.insert(op.Uid, {op.Uid, op.Href, etag, op.Fingerprint, false});
            ++m_counts.Sent;
            m_wrote = true;
        }
        break;
    case DavStatus::PreconditionFailed: // changed (or made) meanwhile: fetched, then decided again
        m_refetch.append(op.Href);
        break;
    case DavStatus::NotFound:
        if (op.What == Operation::PutNew) {
            if (m_failure.Ok()) m_failure = {status, message};
            break;
        }
        records.remove(op.Uid);
        if (op.What == Operation::PutChanged) {
            // Deleted there, changed here: it goes again, as a new event.
            ++m_counts.Conflicts;
            m_anotherRound = true;
        }
        break;
    case DavStatus::Cancelled:
        if (m_failure.Ok()) m_failure = {status, Str(28007)};
        break;
    default:
        if (m_failure.Ok()) m_failure = {status, message};
        break;
    }
    SendNext();
}

void SyncExchange::AfterSending()
{
    if (m_cancelled || m_failure.Status == DavStatus::Cancelled) {
        Finish(SyncOutcome::Cancelled, Str(28007));
        return;
    }
    if (!m_failure.Ok()) {
        Finish(SyncOutcome::Failed, m_failure.Message);
        return;
    }
    if (m_refetch.isEmpty() && !m_anotherRound) {
        if (m_wrote && m_changesOffered) {
            // The token moves past our own writes, so that the next exchange starts from here.
            m_client.ListChanges(m_work.Sync.SyncToken, Then(&SyncExchange::OwnChangesListed));
            return;
        }
        Finish(SyncOutcome::Done);
        return;
    }
    m_refetching = true;
    m_toFetch = m_refetch;
    m_fetchTotal = int(m_toFetch.size());
    FetchNext();
}

void SyncExchange::OwnChangesListed(const DavListing& listing)
{
    const QHash<QString, QString> known = KnownETags(m_work.Sync);
    bool ours = listing.Result.Ok() && !listing.SyncToken.isEmpty();
    for (const DavItem& item : listing.Items)
        ours = ours && known.value(item.Href) == item.ETag && !item.ETag.isEmpty();
    for (const QString& href : listing.Removed) ours = ours && !known.contains(href);
    // Anything else came from another device meanwhile: the next exchange takes it.
    if (ours) m_work.Sync.SyncToken = listing.SyncToken;
    Finish(m_cancelled ? SyncOutcome::Cancelled : SyncOutcome::Done, m_cancelled ? Str(28007) : QString());
}

void SyncExchange::Finish(SyncOutcome::Kind end, const QString& message)
{
    if (!m_running) return;
    m_running = false;
    SyncOutcome out;
    out.End = end;
    out.Message = message;
    out.Counts = m_counts;
    if (end == SyncOutcome::Failed) out.Failure = m_failure.Ok() ? DavStatus::Failed : m_failure.Status;
    if (m_merge) {
        out.ChangedMonths = m_merge->ChangedMonths();
        const auto apply = [this, months = out.ChangedMonths] {
            for (int m : months) m_doc.Month(m).Cells = m_work.Month(m).Cells;
        };
        if (!out.ChangedMonths.isEmpty()) {
            if (m_applyStep)
                m_applyStep(out.ChangedMonths, apply);
            else
                apply();
        }
        m_doc.Sync = m_work.Sync;
        out.StateChanged = !(m_doc.Sync == m_before);
    }
    emit Finished(out);
}

SyncOutcome RunExchange(CalDavClient& client, CalendarDocument& doc, const QTimeZone& local)
{
    SyncExchange exchange(client, doc);
    exchange.SetLocalZone(local);
    QEventLoop loop;
    SyncOutcome outcome;
    QObject::connect(&exchange, &SyncExchange::Finished, &loop, [&](const SyncOutcome& o) {
        outcome = o;
        loop.quit();
    });
    exchange.Start();
    if (exchange.Running()) loop.exec();
    return outcome;
}
