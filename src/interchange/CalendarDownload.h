#pragma once
// Calendars published at an address (public holidays, school terms): the address as the user
// types it, and its download with Qt Network. webcal:// is the https:// of calendars; http:// is
// taken only when typed. Redirects are followed, never from https to http; at most 10 MB is read.
// Every failure comes with a message for the user, in French.

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <optional>

constexpr qint64 kMaxDownloadSize = 10 * 1024 * 1024;

// True when the text names a calendar on a server rather than a file: it starts with http://,
// https://, webcal:// or webcals:// (in any case).
bool IsCalendarAddress(const QString& text);

// The address to fetch; nothing when the text is no usable address (*error then tells why).
std::optional<QUrl> CalendarUrl(const QString& text, QString* error);

// Why a server could not be reached, in a few words ("le serveur ne répond pas"); a timeout
// counts as the server not answering.
QString NetworkFailureReason(QNetworkReply::NetworkError error);

// What went wrong with a reply that failed: the server's answer when it gave one (status 300
// and over), else why it could not be reached. host is already quoted.
QString HttpFailureMessage(const QNetworkReply* reply, const QString& host);

// One download at a time; Start again after Finished.
class CalendarDownload : public QObject
{
    Q_OBJECT
public:
    explicit CalendarDownload(QObject* parent = nullptr);
    ~CalendarDownload() override;

    void Start(const QUrl& url);
    // Stops the download; Finished follows with no bytes and no message.
    void Cancel();
    bool Running() const { return m_reply != nullptr; }

    // Seconds without a byte before the server counts as not answering.
    static int TimeoutSeconds;

signals:
    void Progress(qint64 received, qint64 total); // total -1 while unknown
    // ok: the bytes are the calendar's; else error is the message (empty when cancelled).
    void Finished(bool ok, const QByteArray& bytes, const QString& error);

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

// The download run to its end (daybinder-cli): the bytes, or nothing and *error.
std::optional<QByteArray> DownloadCalendar(const QUrl& url, QString* error);
