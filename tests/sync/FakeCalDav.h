#pragma once
// A calendar collection held in memory, answering as a CalDAV server does: versions (ETags) that
// change with every write, preconditions (If-Match, If-None-Match), sync tokens. Answers come
// later, from the event loop, as the network's do. It counts the requests it gets, can fail the
// n-th one, and lets a test act just before a request is answered (another device writing).

#include "sync/CalDavClient.h"

#include <QMap>
#include <QTimer>

class FakeCalDav : public CalDavClient
{
public:
    struct Stored
    {
        QString ETag;
        QByteArray Data;
    };
    QMap<QString, Stored> Resources; // by href
    bool OffersSyncCollection = true;
    bool IsCalendar = true;
    int Requests = 0;
    QMap<QString, int> ByKind; // "PUT", "DELETE", "PROPFIND", "REPORT"
    int FailAt = 0;            // the request (from 1) that fails; 0: none
    DavStatus FailWith = DavStatus::Failed;
    std::function<void(int request)> BeforeAnswer;

    QString HrefFor(const QString& uid) const override
    {
        return QStringLiteral("/u/cal/") + uid + QStringLiteral(".ics");
    }

    // Another device writes or deletes.
    void Write(const QString& href, const QByteArray& data)
    {
        Resources[href] = {NextETag(), data};
        Changed(href);
    }
    void Delete(const QString& href)
    {
        Resources.remove(href);
        Changed(href);
    }
    int Writes() const
    {
        return ByKind.value(QStringLiteral("PUT")) + ByKind.value(QStringLiteral("DELETE"));
    }

    void Describe(std::function<void(const DavCollection&)> done) override
    {
        Answer<DavCollection>("PROPFIND", done, [this] {
            DavCollection c;
            c.Result = {DavStatus::Ok, QString()};
            c.IsCalendar = IsCalendar;
            c.SyncCollection = OffersSyncCollection;
            c.SyncToken = QStringLiteral("v%1").arg(m_version);
            if (!IsCalendar) c.Result = {DavStatus::Failed, QStringLiteral("pas un calendrier")};
            return c;
        });
    }
    void ListYear(int, std::function<void(const DavListing&)> done) override
    {
        Answer<DavListing>("REPORT", done, [this] {
            DavListing l;
            l.Result = {DavStatus::Ok, QString()};
            for (auto it = Resources.constBegin(); it != Resources.constEnd(); ++it)
                l.Items.append({it.key(), it->ETag});
            return l;
        });
    }
    void ListChanges(const QString& token, std::function<void(const DavListing&)> done) override
    {
        Answer<DavListing>("REPORT", done, [this, token] {
            DavListing l;
            bool ok = false;
            const int since = token.mid(1).toInt(&ok);
            if (!ok || since > m_version) {
                l.Result = {DavStatus::TokenInvalid, QString()};
                return l;
            }
            l.Result = {DavStatus::Ok, QString()};
            QStringList seen;
            for (const auto& [version, href] : m_log)
                if (version > since && !seen.contains(href)) seen.append(href);
            for (const QString& href : seen) {
                if (Resources.contains(href))
                    l.Items.append({href, Resources[href].ETag});
                else
                    l.Removed.append(href);
            }
            l.SyncToken = QStringLiteral("v%1").arg(m_version);
            return l;
        });
    }
    void Fetch(const QStringList& hrefs, std::function<void(const DavFetch&)> done) override
    {
        Answer<DavFetch>("REPORT", done, [this, hrefs] {
            DavFetch f;
            f.Result = {DavStatus::Ok, QString()};
            for (const QString& h : hrefs)
                if (Resources.contains(h)) f.Resources.append({h, Resources[h].ETag, Resources[h].Data});
            return f;
        });
    }
    void Put(const QString& href, const QByteArray& ics, const QString& etag,
             std::function<void(const DavWrite&)> done) override
    {
        Answer<DavWrite>("PUT", done, [this, href, ics, etag] {
            DavWrite w;
            w.Result = Precondition(href, etag, true);
            if (!w.Result.Ok()) return w;
            Write(href, ics);
            w.ETag = Resources[href].ETag;
            return w;
        });
    }
    void Remove(const QString& href, const QString& etag, std::function<void(const DavResult&)> done) override
    {
        Answer<DavResult>("DELETE", done, [this, href, etag] {
            const DavResult r = Precondition(href, etag, false);
            if (r.Ok()) Delete(href);
            return r;
        });
    }
    void CancelAll() override { ++m_generation; }

private:
    static void SetResult(DavResult& r, const DavResult& result) { r = result; }
    template <typename T> static void SetResult(T& r, const DavResult& result) { r.Result = result; }

    template <typename T>
    void Answer(const char* kind, std::function<void(const T&)> done, std::function<T()> make)
    {
        const int n = ++Requests;
        ++ByKind[QString::fromLatin1(kind)];
        const int generation = m_generation;
        QTimer::singleShot(0, [this, n, generation, done, make] {
            T answer{};
            if (generation != m_generation)
                SetResult(answer, {DavStatus::Cancelled, QString()});
            else if (n == FailAt)
                SetResult(answer, {FailWith, QStringLiteral("panne")});
            else {
                if (BeforeAnswer) BeforeAnswer(n);
                answer = make();
            }
            done(answer);
        });
    }

    DavResult Precondition(const QString& href, const QString& etag, bool put) const
    {
        const bool exists = Resources.contains(href);
        if (put && etag.isEmpty())
            return exists ? DavResult{DavStatus::PreconditionFailed, QString()}
                          : DavResult{DavStatus::Ok, QString()};
        if (!exists) return {DavStatus::NotFound, QString()};
        if (!etag.isEmpty() && Resources[href].ETag != etag)
            return {DavStatus::PreconditionFailed, QString()};
        return {DavStatus::Ok, QString()};
    }

    QString NextETag() { return QStringLiteral("\"e%1\"").arg(++m_etags); }
    void Changed(const QString& href) { m_log.append({++m_version, href}); }

    int m_version = 0;
    int m_etags = 0;
    int m_generation = 0;
    QList<std::pair<int, QString>> m_log;
};
