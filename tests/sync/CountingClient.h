#pragma once
// A client in front of another that counts the requests of an exchange and lets a test act just
// before one is sent (stop the server, change a resource, fail it).

#include "sync/CalDavClient.h"

#include <QMap>

class CountingClient : public CalDavClient
{
public:
    explicit CountingClient(CalDavClient& inner) : m_inner(inner) {}

    int Requests = 0;
    QMap<QString, int> ByKind;
    // Called before the request is sent, with its number (from 1) and kind; true fails it.
    std::function<bool(int request, const QString& kind)> Before;

    int Writes() const
    {
        return ByKind.value(QStringLiteral("PUT")) + ByKind.value(QStringLiteral("DELETE"));
    }

    void Describe(std::function<void(const DavCollection&)> done) override
    {
        if (Failing("PROPFIND")) return done(Failed<DavCollection>());
        m_inner.Describe(std::move(done));
    }
    void ListYear(int year, std::function<void(const DavListing&)> done) override
    {
        if (Failing("REPORT")) return done(Failed<DavListing>());
        m_inner.ListYear(year, std::move(done));
    }
    void ListChanges(const QString& token, std::function<void(const DavListing&)> done) override
    {
        if (Failing("REPORT")) return done(Failed<DavListing>());
        m_inner.ListChanges(token, std::move(done));
    }
    void Fetch(const QStringList& hrefs, std::function<void(const DavFetch&)> done) override
    {
        if (Failing("REPORT")) return done(Failed<DavFetch>());
        m_inner.Fetch(hrefs, std::move(done));
    }
    void Put(const QString& href, const QByteArray& ics, const QString& etag,
             std::function<void(const DavWrite&)> done) override
    {
        if (Failing("PUT")) return done(Failed<DavWrite>());
        m_inner.Put(href, ics, etag, std::move(done));
    }
    void Remove(const QString& href, const QString& etag, std::function<void(const DavResult&)> done) override
    {
        if (Failing("DELETE")) return done({DavStatus::Failed, QStringLiteral("panne")});
        m_inner.Remove(href, etag, std::move(done));
    }
    QString HrefFor(const QString& uid) const override { return m_inner.HrefFor(uid); }
    void CancelAll() override { m_inner.CancelAll(); }

private:
    bool Failing(const char* kind)
    {
        ++ByKind[QString::fromLatin1(kind)];
        const int n = ++Requests;
        return Before && Before(n, QString::fromLatin1(kind));
    }
    template <typename T> static T Failed()
    {
        T t;
        t.Result = {DavStatus::Failed, QStringLiteral("panne")};
        return t;
    }

    CalDavClient& m_inner;
};
