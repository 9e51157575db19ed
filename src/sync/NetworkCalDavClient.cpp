#include "sync/NetworkCalDavClient.h"

#include "interchange/InterchangeFiles.h"
#include "interchange/NetworkDownload.h"
#include "resources/Strings.h"
#include "sync/DavXml.h"

#include <QNetworkRequest>

int NetworkCalDavClient::TimeoutSeconds = 30;

namespace {

const QByteArray kXml = QByteArrayLiteral("application/xml; charset=utf-8");

QString DateText(int year, int month, int day)
{
    return QStringLiteral("%1%2%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

} // namespace

NetworkCalDavClient::NetworkCalDavClient(const QUrl& collection, const QString& user, const QString& password,
                                         QObject* parent)
    : QObject(parent), m_collection(collection)
{
    m_authorization = "Basic " + (user + u':' + password).toUtf8().toBase64();
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

NetworkCalDavClient::~NetworkCalDavClient()
{
    for (QNetworkReply* r : std::as_const(m_running)) {
        r->disconnect(this);
        r->abort();
        r->deleteLater();
    }
}

QString NetworkCalDavClient::HrefFor(const QString& uid) const
{
    return m_collection.path(QUrl::FullyEncoded) + QString::fromLatin1(QUrl::toPercentEncoding(uid)) +
           QStringLiteral(".ics");
}

void NetworkCalDavClient::CancelAll()
{
    m_cancelling = true;
    const QSet<QNetworkReply*> running = m_running;
    for (QNetworkReply* r : running) r->abort();
    m_cancelling = false;
}

void NetworkCalDavClient::Send(const QByteArray& verb, const QString& href, const QByteArray& body,
                               const Headers& headers, std::function<void(const Answer&)> done)
{
    QNetworkRequest request(href.isEmpty() ? m_collection : m_collection.resolved(QUrl(href)));
    request.setTransferTimeout(TimeoutSeconds * 1000);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Daybinder"));
    request.setRawHeader("Authorization", m_authorization);
    for (const auto& [name, value] : headers) request.setRawHeader(name, value);
    QNetworkReply* reply = m_network.sendCustomRequest(request, verb, body);
    m_running.insert(reply);
    connect(reply, &QNetworkReply::finished, this, [this, reply, done = std::move(done)] {
        m_running.remove(reply);
        reply->deleteLater();
        done(AnswerOf(reply));
    });
}

NetworkCalDavClient::Answer NetworkCalDavClient::AnswerOf(QNetworkReply* reply) const
{
    Answer a;
    a.Status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->isOpen()) a.Body = reply->readAll(); // an aborted reply has nothing to read
    a.ETag = reply->rawHeader("ETag");
    const QString host = Quoted(m_collection.host());
    if (reply->error() == QNetworkReply::OperationCanceledError && m_cancelling) {
        a.Result = {DavStatus::Cancelled, Str(28007)};
    } else if (a.Status == 0) {
        a.Result = {DavStatus::Failed, HttpFailureMessage(reply, host)};
    } else if (a.Status == 401) {
        a.Result = {DavStatus::Unauthorized, Str(28002).arg(host)};
    } else if (a.Status == 404) {
        a.Result = {DavStatus::NotFound, Str(28003).arg(Quoted(m_collection.toDisplayString()))};
    } else if (a.Status == 412) {
        a.Result = {DavStatus::PreconditionFailed, QString()};
    } else if (a.Status >= 300) {
        a.Result = {DavStatus::Failed, HttpFailureMessage(reply, host)};
    } else {
        a.Result = {DavStatus::Ok, QString()};
    }
    return a;
}

std::optional<DavMultistatus> NetworkCalDavClient::Multistatus(const Answer& answer, DavResult* result) const
{
    *result = answer.Result;
    if (!answer.Result.Ok()) return std::nullopt;
    std::optional<DavMultistatus> m = answer.Status == 207 ? ReadMultistatus(answer.Body) : std::nullopt;
    if (!m) *result = {DavStatus::Failed, Str(28005).arg(Quoted(m_collection.host()))};
    return m;
}

void NetworkCalDavClient::Describe(std::function<void(const DavCollection&)> done)
{
    Send("PROPFIND", QString(), PropfindBody(), {{"Depth", "0"}, {"Content-Type", kXml}},
         [this, done = std::move(done)](const Answer& a) {
             DavCollection c;
             const std::optional<DavMultistatus> m = Multistatus(a, &c.Result);
             if (m && m->Answers.isEmpty())
                 c.Result = {DavStatus::Failed, Str(28005).arg(Quoted(m_collection.host()))};
             if (c.Result.Ok()) {
                 const DavAnswer& own = m->Answers.first();
                 c.IsCalendar = own.Calendar;
                 c.SyncCollection = own.SyncCollection;
                 c.SyncToken = own.SyncToken;
                 c.DisplayName = own.DisplayName;
                 if (!c.IsCalendar)
                     c.Result = {DavStatus::Failed, Str(28004).arg(Quoted(m_collection.toDisplayString()))};
             }
             done(c);
         });
}

void NetworkCalDavClient::ListYear(int year, std::function<void(const DavListing&)> done)
{
    // A day more on each side: a timed event early on 1 January may start on 31 December in UTC.
    const QByteArray body = CalendarQueryBody(DateText(year - 1, 12, 31), DateText(year + 1, 1, 2));
    Send("REPORT", QString(), body, {{"Depth", "1"}, {"Content-Type", kXml}},
         [this, done = std::move(done)](const Answer& a) {
             DavListing l;
             if (const std::optional<DavMultistatus> m = Multistatus(a, &l.Result))
                 for (const DavAnswer& d : m->Answers)
                     if (d.Status / 100 == 2 && !d.ETag.isEmpty()) l.Items.append({d.Href, d.ETag});
             done(l);
         });
}

void NetworkCalDavClient::ListChanges(const QString& token, std::function<void(const DavListing&)> done)
{
    Send("REPORT", QString(), SyncCollectionBody(token), {{"Content-Type", kXml}},
         [this, done = std::move(done)](const Answer& a) {
             DavListing l;
             // A token the server no longer knows (RFC 6578: the valid-sync-token precondition).
             if ((a.Status == 403 || a.Status == 409 || a.Status == 400) &&
                 a.Body.contains("valid-sync-token")) {
                 l.Result = {DavStatus::TokenInvalid, QString()};
                 done(l);
                 return;
             }
             if (const std::optional<DavMultistatus> m = Multistatus(a, &l.Result)) {
                 l.SyncToken = m->SyncToken;
                 for (const DavAnswer& d : m->Answers) {
                     if (d.Status == 404)
                         l.Removed.append(d.Href);
                     else if (d.Status / 100 == 2 && !d.ETag.isEmpty())
                         l.Items.append({d.Href, d.ETag});
                 }
             }
             done(l);
         });
}

void NetworkCalDavClient::Fetch(const QStringList& hrefs, std::function<void(const DavFetch&)> done)
{
    Send("REPORT", QString(), MultigetBody(hrefs), {{"Depth", "1"}, {"Content-Type", kXml}},
         [this, done = std::move(done)](const Answer& a) {
             DavFetch f;
             if (const std::optional<DavMultistatus> m = Multistatus(a, &f.Result))
                 for (const DavAnswer& d : m->Answers)
                     if (d.Status / 100 == 2 && !d.CalendarData.isEmpty())
                         f.Resources.append({d.Href, d.ETag, d.CalendarData});
             done(f);
         });
}

void NetworkCalDavClient::Put(const QString& href, const QByteArray& ics, const QString& etag,
                              std::function<void(const DavWrite&)> done)
{
    Headers headers{{"Content-Type", "text/calendar; charset=utf-8"}};
    headers.append(etag.isEmpty() ? std::pair{QByteArray("If-None-Match"), QByteArray("*")}
                                  : std::pair{QByteArray("If-Match"), etag.toUtf8()});
    Send("PUT", href, ics, headers, [done = std::move(done)](const Answer& a) {
        done({a.Result, QString::fromUtf8(a.ETag)});
    });
}

void NetworkCalDavClient::Remove(const QString& href, const QString& etag,
                                 std::function<void(const DavResult&)> done)
{
    Headers headers;
    if (!etag.isEmpty()) headers.append({"If-Match", etag.toUtf8()});
    Send("DELETE", href, QByteArray(), headers,
         [done = std::move(done)](const Answer& a) { done(a.Result); });
}
