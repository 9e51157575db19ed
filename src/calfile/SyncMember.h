#pragma once
// The member "sync.dat" of a ".cal" file: the document's synchronisation state (SyncState) and
// the identity of each of its entries, which the data stream cannot hold. Text, UTF-8, one item a
// line, fields separated by tabs and percent-encoded; the first line names the format and its
// version. Entries are named by their place (month, cell, line) and a check of their stream
// record, so that an entry that is no longer where it was (the stream was rewritten by another
// tool) is left unpaired rather than taken for another one.

#include "calfile/CalArchive.h"
#include "document/CalendarDocument.h"

#include <QByteArray>
#include <QByteArrayView>

inline const QString kSyncMemberName = QStringLiteral("sync.dat");

// The member's text, for a document that is synchronised.
QByteArray SyncMemberText(const CalendarDocument& doc);

// The member, protected as the data member is; nothing for a document that is not synchronised.
QList<ArchiveMember> SyncMembers(const CalendarDocument& doc);

// Reads the text into the document just read from the same file: its state and its entries'
// identities. False, and the document left without any, when the text is damaged. A record
// whose entry is not found where it was is dropped, and the sync token with it, so that the next
// exchange lists the whole collection and pairs that entry again by its date and text.
bool ReadSyncMember(QByteArrayView text, CalendarDocument& doc);
