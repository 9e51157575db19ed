#include "calfile/CalArchive.h"
#include "calfile/CalFile.h"
#include "calfile/CalMembers.h"
#include "calfile/FileBytes.h"
#include "calfile/FileError.h"
#include "document/Session.h"
#include "resources/Strings.h"

bool WriteCalFile(const QString& targetArgument, CalendarDocument& doc)
{
    const QString target = targetArgument; // it may be a document's own FilePath
    BusyCursor busy;
    Session& session = Session::Get();
    session.SetMode(MainMode::Load);
    session.SetProgressLine(0, Str(10024));

    // Retry builds the members again: the archive releases their data as it compresses them.
    QByteArray archive;
    const bool packed = RunWithRetry(target, true, busy, [&](FileError* e) {
        QList<ArchiveMember> members =
            CalFileMembers(doc, [&](int text) { session.SetProgressLine(1, Str(text)); });
        return PackArchive(std::move(members), doc.Password, &archive, e);
    });
    if (!packed) return false;

    if (!RunWithRetry(target, true, busy, [&](FileError* e) { return ReplaceFile(target, archive, e); }))
        return false;

    doc.FilePath = target;
    session.CurrentDocument.FilePath = target;
    return true;
}
