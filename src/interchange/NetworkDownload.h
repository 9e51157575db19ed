#pragma once
// The download of a calendar over HTTP with Qt Network, and the words for what went wrong with
// a request, shared with the CalDAV client.

#include "interchange/CalendarDownload.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

// Why a server could not be reached, in a few words ("le serveur ne répond pas"); a timeout
// counts as the server not answering.
QString NetworkFailureReason(QNetworkReply::NetworkError error);

// What went wrong with a reply that failed: the server's answer when it gave one (status 300
// and over), else why it could not be reached. host is already quoted.
QString HttpFailureMessage(const QNetworkReply* reply, const QString& host);

class NetworkCalendarDownload final : public CalendarDownload
{
    Q_OBJECT
public:
    explicit NetworkCalendarDownload(QObject* parent = nullptr);
    ~NetworkCalendarDownload() override;

    void Start(const QUrl& url) override;
    void Cancel() override;
    bool Running() const override { return m_reply != nullptr; }

private:
    bool Take(); // the bytes that came; false past the limit
    void Received();
    void Done();
    QString ErrorMessage() const;

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QUrl m_url;
    QByteArray m_bytes;
    bool m_cancelled = false;
    bool m_tooLarge = false;
};
