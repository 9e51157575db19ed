#pragma once
// The XML of WebDAV and CalDAV: the bodies of the requests an exchange makes and the multistatus
// answers (RFC 4918, 4791, 6578) read back. Only what an exchange uses is read; anything else a
// server adds is passed over. An answer that is not a multistatus document is garbage.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

QByteArray PropfindBody();
// Every event with days between the two dates (yyyymmdd, UTC), with its ETag.
QByteArray CalendarQueryBody(const QString& from, const QString& to);
QByteArray SyncCollectionBody(const QString& token);
QByteArray MultigetBody(const QStringList& hrefs);

struct DavAnswer
{
    QString Href;
    int Status = 200; // of the response, or of its properties' 200 block
    QString ETag;
    QByteArray CalendarData;
    bool Calendar = false;       // resourcetype holds calendar
    bool SyncCollection = false; // supported-report-set holds sync-collection
    QString SyncToken;
    QString DisplayName;
};

struct DavMultistatus
{
    QList<DavAnswer> Answers;
    QString SyncToken; // of a sync-collection report
};

std::optional<DavMultistatus> ReadMultistatus(const QByteArray& xml);

// "HTTP/1.1 404 Not Found" -> 404; 0 when unreadable.
int StatusOfLine(const QString& line);
