#include "calfile/CalArchive.h"
#include "calfile/CalFile.h"
#include "calfile/CalMembers.h"
#include "calfile/DataStream.h"
#include "calfile/DocumentPictures.h"
#include "calfile/FileError.h"
#include "calfile/SyncMember.h"
#include "document/Session.h"
#include "resources/Strings.h"

namespace {

// No ".cal" file of a real calendar comes near this; a larger one is refused before reading.
constexpr qint64 kMaxCalFileSize = qint64(1) << 30;
enum class Extraction
{
    Done,
    NeedsPassword,
    Failed
};

// Reads the file from disk, opens the archive and takes the data member out of it.
Extraction ExtractData(const QString& path, const QString& password, ArchiveReader& archive,
                       QByteArray* stream, FileError* error)
{
    // A password asked for reads the archive already open; a retry after an error reads the
    // file again.
    if (!archive.IsOpen() && !archive.OpenFile(path, kMaxCalFileSize, error)) return Extraction::Failed;
    switch (archive.Read(kDataMemberName, password, stream, error)) {
    case MemberStatus::Read:
        return Extraction::Done;
    case MemberStatus::NeedsPassword:
    case MemberStatus::WrongPassword:
        return Extraction::NeedsPassword;
    case MemberStatus::Missing:
    case MemberStatus::Failed:
        return Extraction::Failed;
    }
    return Extraction::Failed;
}

// The synchronisation state, when the file has one; a damaged one is told and forgotten.
void ReadSyncState(const QString& path, ArchiveReader& archive, CalendarDocument& target)
{
    if (!archive.Has(kSyncMemberName)) return;
    QByteArray text;
    FileError error;
    const bool read = archive.Read(kSyncMemberName, target.Password, &text, &error) == MemberStatus::Read;
    if (read && ReadSyncMember(text, target)) return;
    target.Sync = SyncState(); // no entry took an identity: the member is read whole or not at all
    ShowMessage(QStringLiteral("Daybinder"), Str(28011).arg(path), PromptIcon::Exclamation);
}

} // namespace

bool ReadCalFile(const QString& pathArgument, CalendarDocument& target, const QString& knownPassword)
{
    const QString path = pathArgument; // it may be target's own FilePath, which is cleared below
    BusyCursor busy;
    Session& session = Session::Get();
    session.SetMode(MainMode::Load);
    session.SetProgressLine(0, Str(10028));
    target = session.BlankDocument(true);
    const CalendarDocument blank = target; // every retry starts again from here
    ClearStopRequest();

    // A kind-1 report; true when the user chose Retry.
    auto retry = [&](const FileError& error) {
        busy.Restore();
        const PromptAnswer answer = ReportFileError(path, FileErrorKind::System, false, error);
        busy.Resume();
        return answer == PromptAnswer::Retry;
    };

    ArchiveReader archive;
    QString password;
    bool knownTried = knownPassword.isEmpty();
    int retries = 0;
    for (;;) {
        session.SetProgressLine(1, Str(10029));
        QByteArray stream;
        FileError error;
        const Extraction extraction = ExtractData(path, password, archive, &stream, &error);
        if (extraction == Extraction::NeedsPassword && !knownTried) {
            // Only a protected file takes the password known: an open one must not get it.
            password = knownPassword;
            knownTried = true;
            continue;
        }
        if (extraction == Extraction::NeedsPassword) {
            // Tried first without a password; the prompt then gives two attempts, and a third
            // failure shows it once more before the message.
            busy.Restore();
            QString typed;
            const bool confirmed = Prompter::Current().AskPassword(QString(), &typed);
            if (confirmed && retries < 2) {
                password = typed;
                ++retries;
                busy.Resume();
                continue;
            }
            if (retries == 2) ReportFileError(path, FileErrorKind::WrongPassword, false);
            return false;
        }
        if (extraction == Extraction::Failed) {
            archive.Close();
            if (retry(error)) continue;
            return false;
        }

        session.SetProgressLine(1, Str(10030));
        target = blank;
        target.Password = password;
        const StreamReadResult read = ReadDataStream(stream, target);
        if (read.Status == StreamStatus::UnknownVersion) {
            busy.Restore();
            ReportFileError(path, FileErrorKind::UnknownVersion, false);
            return false;
        }
        if (read.Status == StreamStatus::ReadError) {
            archive.Close(); // from the disk again: the file may have changed meanwhile
            if (retry(read.Error)) continue;
            return false;
        }
        break;
    }

    ReadSyncState(path, archive, target);
    session.SetProgressLine(1, Str(10031));
    LoadDocumentPictures(path, archive, target, busy);
    if (StopRequested()) return false; // the program is ending: the caller drops what was read
    target.FilePath = path;
    return true;
}
