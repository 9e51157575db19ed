#include "recovery/RecoveryOffer.h"

#include "calfile/CalFile.h"
#include "commands/DocumentCommands.h"
#include "document/DocumentChanges.h"
#include "document/Session.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "recovery/RecoveryWriter.h"
#include "resources/Strings.h"

#include <QFile>
#include <QFileInfo>

namespace {

void Share(QImage& picture, const QString& path, const QImage& same, const QString& samePath)
{
    if (path == samePath && picture.cacheKey() != same.cacheKey() && picture == same) picture = same;
}

// The pictures the copy holds as they are in the file on disk become the file's: the same
// picture then counts as unchanged, and takes its memory once.
void ShareSamePictures(CalendarDocument& doc, const CalendarDocument& saved)
{
    Share(doc.DefaultBackground.Picture, doc.DefaultBackground.PicturePath, saved.DefaultBackground.Picture,
          saved.DefaultBackground.PicturePath);
    for (int m = 1; m <= 12; ++m) {
        BackgroundSettings& b = doc.Month(m).Background;
        const BackgroundSettings& s = saved.Month(m).Background;
        Share(b.Picture, b.PicturePath, s.Picture, s.PicturePath);
        for (int c = kFirstCell; c <= kLastCell; ++c) {
            const QList<DayEntry>& mine = std::as_const(doc).Month(m).Cell(c).Entries;
            const QList<DayEntry>& theirs = saved.Month(m).Cell(c).Entries;
            for (qsizetype i = 0; i < qMin(mine.size(), theirs.size()); ++i) {
                if (mine[i].Picture.isNull() || mine[i].Picture.cacheKey() == theirs[i].Picture.cacheKey())
                    continue;
                DayEntry& e = doc.Month(m).Cell(c).Entries[i];
                Share(e.Picture, e.PicturePath, theirs[i].Picture, theirs[i].PicturePath);
            }
        }
    }
}

} // namespace

RecoveryAnswer AskAboutCopy(const RecoveryCopy& copy)
{
    const QDateTime made = copy.Note.Made.toLocalTime();
    const QString name = !copy.NoteRead                 ? copy.Path
                         : copy.Note.Document.isEmpty() ? Str(540)
                                                        : copy.Note.Document;
    QString text = Str(26102).arg(name, made.toString(QStringLiteral("dd/MM/yyyy")),
                                  made.toString(QStringLiteral("HH:mm")));
    if (copy.NoteRead && !copy.Note.Document.isEmpty() && !copy.DocumentExists())
        text += QStringLiteral("\r\r") + Str(26103);
    text += QStringLiteral("\r\r") + Str(26104);

    PromptRequest r;
    r.Title = QStringLiteral("Daybinder");
    r.Text = text;
    r.Icon = PromptIcon::Question;
    r.Buttons = PromptButtons::YesNoCancel;
    r.DefaultButton = PromptAnswer::Yes;
    r.ButtonTexts = {Str(26105), Str(26106), Str(26107)};
    switch (Prompter::Current().Ask(r)) {
    case PromptAnswer::Yes:
        return RecoveryAnswer::Restore;
    case PromptAnswer::No:
        return RecoveryAnswer::Delete;
    default:
        return RecoveryAnswer::Later;
    }
}

RecoveryOffer::RecoveryOffer(RecoveryWriter& writer) : m_writer(writer) {}

bool RecoveryOffer::Offerable(const RecoveryCopy& copy) const
{
    return !m_answered.contains(copy.Path) && copy.Path != m_writer.CopyPath() && copy.WorthOffering() &&
           !copy.KeptByRunningProgram();
}

bool RecoveryOffer::AskToRestore(const RecoveryCopy& copy)
{
    m_answered.insert(copy.Path);
    switch (AskAboutCopy(copy)) {
    case RecoveryAnswer::Restore:
        return true;
    case RecoveryAnswer::Delete:
        QFile::remove(copy.Path);
        return false;
    case RecoveryAnswer::Later:
        break;
    }
    return false;
}

void RecoveryOffer::OfferAll()
{
    for (const RecoveryCopy& copy : RecoveryCopies(m_writer.Folder)) {
        if (!Offerable(copy) || !AskToRestore(copy)) continue;
        if (!copy.DocumentExists()) {
            RestoreUnnamed(copy);
            return;
        }
        // Opened as a user opens it (save check, password), then the copy goes over it.
        m_restoreOnOpen = copy;
        DocumentCommands::Get().Open(copy.Note.Document);
        m_restoreOnOpen.reset();
        return;
    }
}

void RecoveryOffer::OfferFor(const QString& path)
{
    if (m_restoreOnOpen) {
        const RecoveryCopy copy = *std::exchange(m_restoreOnOpen, std::nullopt);
        RestoreOverRead(copy);
        return;
    }
    for (const RecoveryCopy& copy : RecoveryCopies(m_writer.Folder)) {
        if (!copy.NoteRead || !SameDocument(copy.Note.Document, path) || !Offerable(copy)) continue;
        if (AskToRestore(copy) && RestoreOverRead(copy)) return;
    }
}

bool RecoveryOffer::RestoreOverRead(const RecoveryCopy& copy)
{
    Session& s = Session::Get();
    CalendarDocument restored;
    if (!ReadCalFile(copy.Path, restored, s.CurrentDocument.Password)) {
        ReportUnreadable(copy);
        return false;
    }
    restored.FilePath = s.CurrentDocument.FilePath;
    ShareSamePictures(restored, s.SavedDocument);
    MarkPartsAgainst(restored, s.SavedDocument);
    s.CurrentDocument = restored;
    m_writer.Adopt(copy.Path);
    return true;
}

bool RecoveryOffer::RestoreUnnamed(const RecoveryCopy& copy)
{
    Session& s = Session::Get();
    DocumentCommands& commands = DocumentCommands::Get();
    const MainMode before = s.Mode();
    if (!commands.Save(false, false)) {
        if (before == MainMode::Edit) s.SetMode(MainMode::Edit);
        return false;
    }
    CalendarDocument restored;
    if (!ReadCalFile(copy.Path, restored)) {
        s.SetMode(before == MainMode::Edit ? MainMode::Edit : MainMode::Logo);
        ReportUnreadable(copy);
        return false;
    }
    // Nothing of it is on disk: against a new document, every part it fills is to be saved.
    restored.FilePath.clear();
    CalendarDocument blank = BlankDocumentFrom(restored);
    SetDocumentDefaults(blank, Clock::Current().Today().year());
    MarkPartsAgainst(restored, blank);
    commands.Show(std::move(restored), std::move(blank));
    m_writer.Adopt(copy.Path);
    return true;
}

void RecoveryOffer::ReportUnreadable(const RecoveryCopy& copy)
{
    ShowMessage(QStringLiteral("Daybinder"), Str(26108).arg(copy.Path, QFileInfo(copy.Path).absolutePath()),
                PromptIcon::Exclamation);
}
