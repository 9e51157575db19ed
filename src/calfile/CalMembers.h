#pragma once
// Which pictures of a document go into which member of its ".cal" file. The writer and the
// reader walk the same list, so they always agree on names and order.

#include "calfile/CalArchive.h"
#include "document/CalendarDocument.h"

#include <QList>
#include <QString>
#include <functional>

inline const QString kDataMemberName = QStringLiteral("caldata.cal");
// What a recovery copy says about itself; other files do not have it.
inline const QString kRecoveryMemberName = QStringLiteral("recovery.dat");

// A text field of the small line-and-tab members of our own (sync.dat, recovery.dat):
// percent-encoded UTF-8, so that no field holds a tab or a line break.
QByteArray MemberField(const QString& text);
QString MemberFieldText(QByteArrayView field);

// "bck.00" for the default background, "bck.01" to "bck.12" for the months.
QString BackgroundMemberName(int month);
// "ev." + month (2 digits) + cell index (2 digits) + entry index (4 digits).
QString EntryPictureMemberName(int month, int cell, int index);

// A picture of the document and where it is kept.
struct PictureSlot
{
    QString Member; // its archive member when pictures are embedded
    QString* Path;
    QImage* Picture;
};

// The pictures stored in the file when the document embeds them, in file order: the default
// background when it has a path, each month's own background when it has a path and does not use
// the default, then every entry with a path, numbered by its position in its cell.
QList<PictureSlot> EmbeddedPictures(CalendarDocument& doc);

// The pictures loaded from their paths when the document does not embed them: the default
// background, every month's background (whatever it uses) and every entry, when they have a path.
QList<PictureSlot> ReferencedPictures(CalendarDocument& doc);

// The data member, protected when the document has a password.
ArchiveMember DataMember(const CalendarDocument& doc);

// The picture members of a document that embeds its pictures (Windows bitmaps). A picture that
// is not loaded is left out: the file then reports it on opening, and keeps its path.
QList<ArchiveMember> PictureMembers(CalendarDocument& doc);

// Every member of the document's file, as a save writes it: the data, the synchronisation state,
// and the pictures when the document embeds them. step(n) is told before each kind is built,
// with the number of the text that says so (10025, 10026, 10027).
QList<ArchiveMember> CalFileMembers(CalendarDocument& doc, const std::function<void(int text)>& step = {});
