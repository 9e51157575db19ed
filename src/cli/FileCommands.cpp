#include "cli/FileCommands.h"

#include "calfile/CalArchive.h"
#include "calfile/CalFile.h"
#include "calfile/CalMembers.h"
#include "calfile/DataStream.h"
#include "calfile/FileBytes.h"
#include "calfile/FileError.h"
#include "cli/Arguments.h"
#include "cli/CliPrompter.h"
#include "document/Session.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Reads a data stream file as the program reads the member of a ".cal" file; reports failures.
bool ReadStreamFile(const QString& path, CalendarDocument& doc)
{
    QByteArray bytes;
    FileError error;
    if (!ReadWholeFile(path, kMaxMemberSize, &bytes, &error)) {
        ReportFileError(path, FileErrorKind::System, false, error);
        return false;
    }
    const StreamReadResult read = ReadDataStream(bytes, doc);
    if (read.Status == StreamStatus::UnknownVersion)
        ReportFileError(path, FileErrorKind::UnknownVersion, false);
    if (read.Status == StreamStatus::ReadError)
        ReportFileError(path, FileErrorKind::System, false, read.Error);
    return read.Loaded();
}

} // namespace

bool WriteStandardOutput(const QByteArray& bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
        std::fflush(stdout) == 0)
        return true;
    PrintError(QStringLiteral("daybinder-cli: ") + QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

int OpenDocumentFile(const QString& path, const std::optional<QString>& password, CalendarDocument& doc)
{
    CliPrompter prompter(password);
    if (ReadCalFile(path, doc)) return ExitOk;
    if (prompter.Trouble() == CliPrompter::PasswordTrouble::None) return ExitFailed;
    PrintError(prompter.TroubleText());
    return ExitPassword;
}

int RunStream(const QStringList& args)
{
    const auto a = CommandArguments(args, {kPasswordOption}, 1, "stream [--password P] FILE.cal");
    if (!a) return ExitFailed;
    CalendarDocument doc;
    if (const int status = OpenDocumentFile(a->Positional[0], a->Value(kPasswordOption), doc)) return status;
    return WriteStandardOutput(WriteDataStream(doc)) ? ExitOk : ExitFailed;
}

int RunPack(const QStringList& args)
{
    const auto a = CommandArguments(args, {kPasswordOption}, 2, "pack [--password P] STREAM OUT.cal");
    if (!a) return ExitFailed;
    CliPrompter prompter(std::nullopt);
    const QString& streamPath = a->Positional[0];
    CalendarDocument doc = Session::Get().BlankDocument(true);
    if (!ReadStreamFile(streamPath, doc)) return ExitFailed;

    // The pictures to embed come from their paths. One that cannot be read is reported and left
    // out; its path stays, so the stream is kept as it was given.
    if (doc.EmbedPictures) {
        for (const PictureSlot& s : EmbeddedPictures(doc))
            if (!LoadPictureFile(*s.Path, *s.Picture))
                ReportFileError(streamPath, FileErrorKind::ReferencedPicture, false, {}, *s.Path);
    }
    doc.Password = a->Value(kPasswordOption).value_or(QString());
    return WriteCalFile(a->Positional[1], doc) ? ExitOk : ExitFailed;
}
