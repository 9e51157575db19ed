#pragma once
// The requests an exchange makes of a CalDAV calendar collection (RFC 4791, RFC 6578), each
// answered later through its callback, on the thread that asked. The exchange's rules know only
// this interface: the network client speaks HTTP, tests plug in a server held in memory.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

enum class DavStatus
{
    Ok,
    NotFound,           // 404 (a resource or the collection)
    PreconditionFailed, // 412: the resource changed, or exists, since it was last seen
    Unauthorized,       // 401 or 403 on the collection
    TokenInvalid,       // the sync token is no longer valid: list the whole collection
    Failed,             // anything else: unreachable, an error answer, garbage, a timeout
    Cancelled,
};

struct DavResult
{
    DavStatus Status = DavStatus::Failed;
    QString Message; // for Failed (and the statuses a user reads of): what went wrong, in French
    bool Ok() const { return Status == DavStatus::Ok; }
};

// What the collection says of itself.
struct DavCollection
{
    DavResult Result;
    bool IsCalendar = false;
    bool SyncCollection = false; // offers the sync-collection report
    QString SyncToken;
    QString DisplayName;
};

struct DavItem
{
    QString Href;
    QString ETag;
};

// A listing: the resources (hrefs and versions) and, for a list of changes, those that went.
struct DavListing
{
    DavResult Result;
    QList<DavItem> Items;
    QStringList Removed;
    QString SyncToken; // after a list of changes
};

struct DavResource
{
    QString Href;
    QString ETag;
    QByteArray Data; // the iCalendar text
};

struct DavFetch
{
    DavResult Result;
    QList<DavResource> Resources; // those that were found
};

struct DavWrite
{
    DavResult Result;
    QString ETag; // of the resource written, when the server tells it
};

class CalDavClient
{
public:
    virtual ~CalDavClient() = default;

    // PROPFIND of the collection itself.
    virtual void Describe(std::function<void(const DavCollection&)> done) = 0;
    // calendar-query: every event resource with days in the year, and its ETag.
    virtual void ListYear(int year, std::function<void(const DavListing&)> done) = 0;
    // sync-collection: what changed and what went since the token.
    virtual void ListChanges(const QString& token, std::function<void(const DavListing&)> done) = 0;
    // calendar-multiget of some resources.
    virtual void Fetch(const QStringList& hrefs, std::function<void(const DavFetch&)> done) = 0;
    // PUT: a new resource when etag is empty (If-None-Match: *), else If-Match: etag.
    virtual void Put(const QString& href, const QByteArray& ics, const QString& etag,
                     std::function<void(const DavWrite&)> done) = 0;
    // DELETE with If-Match: etag.
    virtual void Remove(const QString& href, const QString& etag,
                        std::function<void(const DavResult&)> done) = 0;
    // Where a new resource with that identifier goes.
    virtual QString HrefFor(const QString& uid) const = 0;
    // Stops every request under way; their callbacks are called with Cancelled.
    virtual void CancelAll() = 0;
};

// The client over the network for a checked collection address (CollectionUrl). It lives in a
// library of its own that the program loads at the first exchange: a start pays nothing for it.
std::unique_ptr<CalDavClient> MakeCalDavClient(const QUrl& collection, const QString& user,
                                               const QString& password);
