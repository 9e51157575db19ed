#pragma once
// Calendars published at an address (public holidays, school terms): the address as the user
// types it, and its download. webcal:// is the https:// of calendars; http:// is taken only when
// typed. Redirects are followed, never from https to http; at most 10 MB is read. Every failure
// comes with a message for the user, in French.
// The download itself speaks HTTP through Qt Network, in a library of its own that the program
// loads at the first download (MakeCalendarDownload): a start pays nothing for it.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

constexpr qint64 kMaxDownloadSize = 10 * 1024 * 1024;

// True when the text names a calendar on a server rather than a file: it starts with http://,
// https://, webcal:// or webcals:// (in any case).
bool IsCalendarAddress(const QString& text);

// The address to fetch; nothing when the text is no usable address (*error then tells why).
std::optional<QUrl> CalendarUrl(const QString& text, QString* error);

// One download at a time; Start again after Finished.
class CalendarDownload : public QObject
{
    Q_OBJECT
public:
    explicit CalendarDownload(QObject* parent = nullptr);

    virtual void Start(const QUrl& url) = 0;
    // Stops the download; Finished follows with no bytes and no message.
    virtual void Cancel() = 0;
    virtual bool Running() const = 0;

    // Seconds without a byte before the server counts as not answering.
    static int TimeoutSeconds;

signals:
    void Progress(qint64 received, qint64 total); // total -1 while unknown
    // ok: the bytes are the calendar's; else error is the message (empty when cancelled).
    void Finished(bool ok, const QByteArray& bytes, const QString& error);
};

// A download over the network.
std::unique_ptr<CalendarDownload> MakeCalendarDownload();

// The download run to its end (daybinder-cli): the bytes, or nothing and *error.
std::optional<QByteArray> DownloadCalendar(const QUrl& url, QString* error);
