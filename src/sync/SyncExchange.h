#pragma once
// One exchange between a document and its calendar collection, run asynchronously:
//   1. the collection is described (is it a calendar, its sync token);
//   2. what changed on the server is listed: the changes since the token (sync-collection)
//      where the server offers them, else every event of the year with its version;
//   3. new and changed events are fetched (calendar-multiget) and brought in (SyncMerge), then
//      the events gone from the server take their entries away;
//   4. the document's own changes go out: new entries (PUT, If-None-Match: *), changed ones (PUT,
//      If-Match, over the server's copy fetched just before) and deleted ones (DELETE, If-Match);
//      a resource that changed meanwhile (412) is fetched again and decided as above, and what
//      that leaves goes out in another round.
// The exchange works on a copy of the document and writes what it did into the document once,
// at its end (ApplyStep), whatever the end: finished, failed or cancelled. What the server did
// not confirm is not recorded, so that the next exchange completes it; a failed request never
// leads to deleting anything. The document must not change while the exchange runs.

#include "document/CalendarDocument.h"
#include "sync/CalDavClient.h"
#include "sync/SyncMerge.h"

#include <QDateTime>
#include <QObject>
#include <QTimeZone>
#include <functional>
#include <memory>

struct SyncOutcome
{
    enum Kind
    {
        Done,
        Failed,
        Cancelled
    } End = Done;
    QString Message;                   // why it failed, in French
    DavStatus Failure = DavStatus::Ok; // the answer that stopped it (wrong password, no collection...)
    SyncCounts Counts;
    QList<int> ChangedMonths;  // whose entries changed
    bool StateChanged = false; // the synchronisation state changed: the file needs saving

    bool Ok() const { return End == Done; }
    bool DocumentChanged() const { return !ChangedMonths.isEmpty() || StateChanged; }
    // "Envoyés: N, reçus: M, supprimés: K, conflits: C."
    QString Report() const;
};

class SyncExchange : public QObject
{
    Q_OBJECT
public:
    SyncExchange(CalDavClient& client, CalendarDocument& doc, QObject* parent = nullptr);
    ~SyncExchange() override;

    // The one change of the document's entries: months to change, and the change to make. The
    // program wraps it into one undo step; by default it is simply made.
    using ApplyStep = std::function<void(const QList<int>& months, const std::function<void()>& apply)>;
    void SetApplyStep(ApplyStep step) { m_applyStep = std::move(step); }
    void SetLocalZone(const QTimeZone& zone) { m_local = zone; }

    void Start();
    // Stops what is under way; Finished follows with Cancelled.
    void Cancel();
    bool Running() const { return m_running; }

signals:
    // done of total steps of the current stage (total 0 while unknown), and the stage's text.
    void Progress(int done, int total, const QString& stage);
    void Finished(const SyncOutcome& outcome);

private:
    struct Operation;
    // A callback to a step that is not called once the exchange is gone.
    template <typename T> std::function<void(const T&)> Then(void (SyncExchange::*step)(const T&));
    void Described(const DavCollection& collection);
    void ChangesListed(const DavListing& listing);
    void YearListed(const DavListing& listing);
    void Listed(const DavListing& listing, bool changesOnly);
    void FetchNext();
    void Fetched(const DavFetch& fetch);
    void SendChanges();
    void FetchCopies();
    void CopiesFetched(const DavFetch& fetch);
    void SendNext();
    void Sent(const Operation& op, DavStatus status, const QString& etag, const QString& message);
    void AfterSending();
    void OwnChangesListed(const DavListing& listing);
    bool Stopping(const DavResult& result);
    void Finish(SyncOutcome::Kind end, const QString& message = QString());

    CalDavClient& m_client;
    CalendarDocument& m_doc;
    CalendarDocument m_work;
    ApplyStep m_applyStep;
    QTimeZone m_local = QTimeZone::systemTimeZone();
    static constexpr int kParallel = 4; // requests sent side by side while changes go out
    bool m_running = false;
    bool m_cancelled = false;
    bool m_destroying = false;
    bool m_sendLoop = false;
    bool m_anotherRound = false;
    bool m_changesOffered = false; // the server lists changes since a token
    bool m_wrote = false;
    SyncState m_before;
    SyncCounts m_counts;
    std::unique_ptr<SyncMerge> m_merge;
    QString m_newToken;
    QStringList m_toFetch;
    QStringList m_gone;
    int m_fetchTotal = 0;
    bool m_refetching = false;
    QList<Operation> m_operations;
    int m_nextOperation = 0;
    int m_inFlight = 0;
    int m_round = 0;
    QStringList m_refetch;
    QStringList m_copies; // server copies of changed entries still to fetch
    DavResult m_failure{DavStatus::Ok, QString()};
    QDateTime m_stamp;
};

// The exchange run to its end in an event loop of its own (daybinder-cli, tests).
SyncOutcome RunExchange(CalDavClient& client, CalendarDocument& doc,
                        const QTimeZone& local = QTimeZone::systemTimeZone());
