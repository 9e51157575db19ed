#pragma once
// The CalDAV client over Qt Network: asynchronous, Basic authentication sent with every request,
// certificates verified (a failed check is an error, never passed over), no redirects followed
// (a collection that moved is reported), a request that sends or receives nothing for a while
// fails as "not answering".

#include "sync/CalDavClient.h"
#include "sync/DavXml.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QSet>
#include <QUrl>

class NetworkCalDavClient : public QObject, public CalDavClient
{
    Q_OBJECT
public:
    // collection: a checked address (CollectionUrl), ending in "/".
    NetworkCalDavClient(const QUrl& collection, const QString& user, const QString& password,
                        QObject* parent = nullptr);
    ~NetworkCalDavClient() override;

    void Describe(std::function<void(const DavCollection&)> done) override;
    void ListYear(int year, std::function<void(const DavListing&)> done) override;
    void ListChanges(const QString& token, std::function<void(const DavListing&)> done) override;
    void Fetch(const QStringList& hrefs, std::function<void(const DavFetch&)> done) override;
    void Put(const QString& href, const QByteArray& ics, const QString& etag,
             std::function<void(const DavWrite&)> done) override;
    void Remove(const QString& href, const QString& etag,
                std::function<void(const DavResult&)> done) override;
    QString HrefFor(const QString& uid) const override;
    void CancelAll() override;

    // Seconds without a byte before the server counts as not answering.
    static int TimeoutSeconds;

private:
    struct Answer
    {
        DavResult Result;
        int Status = 0;
        QByteArray Body;
        QByteArray ETag;
    };
    using Headers = QList<std::pair<QByteArray, QByteArray>>;
    void Send(const QByteArray& verb, const QString& href, const QByteArray& body, const Headers& headers,
              std::function<void(const Answer&)> done);
    Answer AnswerOf(QNetworkReply* reply) const;
    // The multistatus of an answer; nothing, and the failure in *result, when there is none.
    std::optional<DavMultistatus> Multistatus(const Answer& answer, DavResult* result) const;

    QNetworkAccessManager m_network;
    QUrl m_collection;
    QByteArray m_authorization;
    QSet<QNetworkReply*> m_running;
    bool m_cancelling = false;
};
