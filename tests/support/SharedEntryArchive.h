#pragma once
// A hostile ".cal" file: a small archive whose picture members all point at the one deflated
// entry of many megabytes, and whose data stream names every one of them. Written by the fuzz
// seed maker and read by the file tests.

#include "calfile/CalArchive.h"
#include "calfile/CalMembers.h"
#include "document/CalendarDocument.h"

#include <QtEndian>

// count entries of 10 January 2004 each name a picture; their members "ev.01100000"... all
// point at one entry that inflates to size bytes of zeros (no picture). Empty on failure.
inline QByteArray SharedEntryCalFile(int count, qint64 size = kMaxMemberSize)
{
    CalendarDocument doc = BlankDocumentFrom({});
    SetDocumentDefaults(doc, 2004);
    doc.EmbedPictures = true;
    QList<DayEntry>& entries = doc.Month(1).Cell(10).Entries;
    for (int i = 0; i < count; ++i) {
        DayEntry e;
        e.Description = QStringLiteral("Photo");
        e.PicturePath = QStringLiteral("photo.bmp");
        entries.append(e);
    }
    QByteArray zip;
    FileError error;
    const QList<ArchiveMember> members{DataMember(doc),
                                       {EntryPictureMemberName(1, 10, 0), QByteArray(qsizetype(size), '\0')}};
    if (!PackArchive(members, QString(), &zip, &error)) return {};

    // The end record, then the central directory: the data member's record stays, the picture's
    // is repeated under each member's name with the same offset.
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(zip.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(zip.constData() + at); };
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0) return {};
    const qsizetype directory = u32(end + 16);
    QByteArray data, picture;
    for (qsizetype at = directory; at < end;) {
        const qsizetype length = 46 + u16(at + 28) + u16(at + 30) + u16(at + 32);
        const QByteArray record = zip.mid(at, length);
        (zip.mid(at + 46, u16(at + 28)).startsWith("ev.") ? picture : data) = record;
        at += length;
    }
    if (data.isEmpty() || picture.isEmpty()) return {};
    QByteArray records = data;
    for (int i = 0; i < count; ++i) {
        QByteArray copy = picture;
        copy.replace(46, 11, EntryPictureMemberName(1, 10, i).toLatin1());
        records += copy;
    }
    QByteArray tail = zip.mid(end, 22);
    qToLittleEndian<quint16>(quint16(count + 1), tail.data() + 8);
    qToLittleEndian<quint16>(quint16(count + 1), tail.data() + 10);
    qToLittleEndian<quint32>(quint32(records.size()), tail.data() + 12);
    return zip.left(directory) + records + tail;
}
