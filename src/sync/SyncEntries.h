#pragma once
// The entries of a document's year as an exchange sees them: each known by its Uid at its place,
// with a fingerprint of what travels of it, and a key that pairs it with an event of the server
// that holds the same thing (an earlier export, another device).

#include "document/CalendarDocument.h"

#include <QHash>
#include <QList>
#include <QString>

struct EntryPlace
{
    int Month = 0;
    int Cell = 0;
    int Index = 0;
    DateRec Date;
};

// What travels of an entry on its date: its kind, its text, its tick, alarm and colour.
QString EntryFingerprint(const DateRec& date, const DayEntry& entry);

// The date and the text another calendar shows: "2026-03-14|Loyer 650 $".
QString PairingKey(const DateRec& date, const DayEntry& entry);

QString NewEntryUid();

// Gives every entry of the year a Uid of its own: those without one, and the second of two that
// share one, get a new one.
void FillUids(CalendarDocument& doc);

// The entries of the year that have a Uid, by Uid.
QHash<QString, EntryPlace> YearEntriesByUid(const CalendarDocument& doc);

// The entry at a place.
DayEntry& EntryAt(CalendarDocument& doc, const EntryPlace& place);
