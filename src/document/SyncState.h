#pragma once
// What a document remembers of its exchanges with a calendar on a server: the collection, the
// user, the server's sync token, and for each entry that has been on the server its resource, the
// resource's version (ETag) and a fingerprint of what was last exchanged. An entry is known by
// its Uid (DayEntry::Uid). A record whose entry is no longer in the document stands for an entry
// deleted here since: the next exchange deletes it on the server.

#include <QHash>
#include <QList>
#include <QString>

struct SyncRecord
{
    QString Uid;            // the entry's
    QString Href;           // the resource on the server, as the server names it (a path)
    QString ETag;           // its version when last exchanged
    QString Fingerprint;    // what was last exchanged of the entry (see EntryFingerprint)
    bool SeriesDay = false; // one day of a repeated event of the server: received, never sent
    friend bool operator==(const SyncRecord&, const SyncRecord&) = default;
};

struct SyncState
{
    QString CollectionUrl; // empty: the document is not synchronised
    QString UserName;
    QString SyncToken;                  // the server's, at the last complete exchange
    int Year = 0;                       // the document year the records belong to
    QHash<QString, SyncRecord> Records; // by Uid

    friend bool operator==(const SyncState&, const SyncState&) = default;

    bool Configured() const { return !CollectionUrl.isEmpty(); }
    // Forgets every pairing (another collection, another year): the next exchange is a first one.
    void ForgetPairing()
    {
        SyncToken.clear();
        Records.clear();
    }
    // Ties the document to a collection; another calendar than before is paired again from the
    // start, by date and text.
    void TieTo(const QString& url, const QString& user)
    {
        if (url == CollectionUrl && user == UserName) return;
        ForgetPairing();
        CollectionUrl = url;
        UserName = user;
    }
};
