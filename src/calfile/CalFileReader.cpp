#include "calfile/CalArchive.h"
#include "calfile/CalFile.h"
#include "calfile/CalMembers.h"
#include "calfile/DataStream.h"
#include "calfile/FileBytes.h"
#include "calfile/FileError.h"
#include "calfile/Pictures.h"
#include "document/Session.h"
#include "resources/Strings.h"

#include <QHash>

namespace {

// No ".cal" file of a real calendar comes near this; a larger one is refused before reading.
constexpr qint64 kMaxCalFileSize = qint64(1) << 30;
// Decoded pictures of one document, all together. Past it, pictures fail to load like damaged
// ones: a hostile file cannot make the program take all the memory there is.
constexpr qint64 kPictureMemoryBudget = qint64(1) << 30;
// Picture failures reported one by one; a file with more is damaged beyond what a list of
// messages could help with, so the rest load empty without a message each.
constexpr int kMaxPictureReports = 20;

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
    QByteArray bytes;
    if (!ReadWholeFile(path, kMaxCalFileSize, &bytes, error)) return Extraction::Failed;
    if (!archive.Open(std::move(bytes), error)) return Extraction::Failed;
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

class PictureLoader
{
public:
    PictureLoader(const QString& path, BusyCursor& busy) : m_path(path), m_busy(busy) {}

    void LoadReferenced(CalendarDocument& doc)
    {
        QHash<QString, QImage> loaded; // one decoding per file, shared by every use of it
        for (const PictureSlot& s : ReferencedPictures(doc)) {
            auto it = loaded.constFind(*s.Path);
            if (it == loaded.constEnd()) {
                QImage picture;
                if (Affordable() && LoadPictureFile(*s.Path, picture)) Spend(picture);
                it = loaded.insert(*s.Path, picture);
            }
            *s.Picture = *it;
            if (it->isNull()) {
                Report(FileErrorKind::ReferencedPicture, *s.Path);
                s.Path->clear();
            }
        }
    }

    void LoadEmbedded(CalendarDocument& doc, ArchiveReader& archive)
    {
        for (const PictureSlot& s : EmbeddedPictures(doc)) {
            QByteArray bytes;
            FileError ignored;
            QImage picture;
            if (Affordable() &&
                archive.Read(s.Member, doc.Password, &bytes, &ignored) == MemberStatus::Read &&
                DecodePicture(bytes, picture))
                Spend(picture);
            *s.Picture = picture;
            if (picture.isNull()) Report(FileErrorKind::EmbeddedPicture, *s.Path);
        }
    }

private:
    bool Affordable() const { return m_spent < kPictureMemoryBudget; }

    void Spend(QImage& picture)
    {
        m_spent += picture.sizeInBytes();
        if (!Affordable()) picture = QImage();
    }

    void Report(FileErrorKind kind, const QString& picturePath)
    {
        if (++m_reports > kMaxPictureReports) return;
        m_busy.Restore();
        ReportFileError(m_path, kind, false, {}, picturePath);
        m_busy.Resume();
    }

    const QString& m_path;
    BusyCursor& m_busy;
    qint64 m_spent = 0;
    int m_reports = 0;
};

} // namespace

bool ReadCalFile(const QString& path, CalendarDocument& target)
{
    BusyCursor busy;
    Session& session = Session::Get();
    session.SetMode(MainMode::Load);
    session.SetProgressLine(0, Str(10028));
    target = session.BlankDocument(true);
    const CalendarDocument blank = target; // every retry starts again from here

    // A kind-1 report; true when the user chose Retry.
    auto retry = [&](const FileError& error) {
        busy.Restore();
        const PromptAnswer answer = ReportFileError(path, FileErrorKind::System, false, error);
        busy.Resume();
        return answer == PromptAnswer::Retry;
    };

    ArchiveReader archive;
    QString password;
    int retries = 0;
    for (;;) {
        session.SetProgressLine(1, Str(10029));
        QByteArray stream;
        FileError error;
        const Extraction extraction = ExtractData(path, password, archive, &stream, &error);
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
            if (retry(read.Error)) continue; // from the disk again: the file may have changed meanwhile
            return false;
        }
        break;
    }

    session.SetProgressLine(1, Str(10031));
    PictureLoader pictures(path, busy);
    if (target.EmbedPictures)
        pictures.LoadEmbedded(target, archive);
    else
        pictures.LoadReferenced(target);
    target.FilePath = path;
    return true;
}
