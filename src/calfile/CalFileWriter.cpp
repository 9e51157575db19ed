#include "calfile/CalArchive.h"
#include "calfile/CalFile.h"
#include "calfile/CalMembers.h"
#include "calfile/FileBytes.h"
#include "calfile/FileError.h"
#include "document/Session.h"
#include "resources/Strings.h"

bool WriteCalFile(const QString& target, CalendarDocument& doc)
{
    BusyCursor busy;
    Session& session = Session::Get();
    session.SetMode(MainMode::Load);
    session.SetProgressLine(0, Str(10024));

    session.SetProgressLine(1, Str(10025));
    QList<ArchiveMember> members{DataMember(doc)};

    session.SetProgressLine(1, Str(10026));
    if (doc.EmbedPictures) members += PictureMembers(doc);

    session.SetProgressLine(1, Str(10027));
    QByteArray archive;
    if (!RunWithRetry(target, true, busy,
                      [&](FileError* e) { return PackArchive(members, doc.Password, &archive, e); }))
        return false;
    members.clear(); // the pictures' bitmaps are in the archive now

    if (!RunWithRetry(target, true, busy, [&](FileError* e) { return ReplaceFile(target, archive, e); }))
        return false;

    doc.FilePath = target;
    session.CurrentDocument.FilePath = target;
    return true;
}
