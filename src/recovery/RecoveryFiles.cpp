#include "recovery/RecoveryFiles.h"

#include "calfile/CalArchive.h"
#include "calfile/CalMembers.h"
#include "calfile/SaveTemporaries.h"
#include "resources/Strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QByteArray kHeader = QByteArrayLiteral("DAYBINDER-RECOVERY 1");
// As for any ".cal" file: no copy of a real calendar comes near this.
constexpr qint64 kLargestCopy = qint64(1) << 30;

QString Absolute(const QString& path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

} // namespace

QString RecoveryFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(state) + QStringLiteral("/Daybinder/recovery/");
}

QByteArray RecoveryNoteText(const RecoveryNote& note)
{
    QByteArray text = kHeader + '\n';
    text += "document\t" + MemberField(note.Document) + '\n';
    text += "made\t" + note.Made.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    text += "process\t" + QByteArray::number(note.ProcessId) + '\t' + MemberField(note.Host) + '\n';
    return text;
}

bool ReadRecoveryNote(QByteArrayView text, RecoveryNote* note)
{
    const QList<QByteArray> lines = text.toByteArray().split('\n');
    if (lines.isEmpty() || lines[0] != kHeader) return false;
    bool made = false;
    for (const QByteArray& line : lines.mid(1)) {
        const QList<QByteArray> f = line.split('\t');
        if (f[0] == "document" && f.size() == 2) {
            note->Document = MemberFieldText(f[1]);
        } else if (f[0] == "made" && f.size() == 2) {
            note->Made = QDateTime::fromString(QString::fromLatin1(f[1]), Qt::ISODateWithMs);
            made = note->Made.isValid();
        } else if (f[0] == "process" && f.size() == 3) {
            note->ProcessId = f[1].toLongLong();
            note->Host = MemberFieldText(f[2]);
        }
    }
    return made;
}

bool RecoveryCopy::DocumentExists() const
{
    return NoteRead && !Note.Document.isEmpty() && QFileInfo(Note.Document).isFile();
}

bool RecoveryCopy::WorthOffering() const
{
    if (!DocumentExists()) return true;
    return Note.Made > QFileInfo(Note.Document).lastModified();
}

bool RecoveryCopy::KeptByRunningProgram() const
{
    return NoteRead && Note.Host == ThisHostName() && Note.ProcessId != QCoreApplication::applicationPid() &&
           ProcessMayBeRunning(Note.ProcessId);
}

RecoveryCopy InspectCopy(const QString& path)
{
    RecoveryCopy copy;
    copy.Path = path;
    ArchiveReader archive;
    FileError error;
    QByteArray text;
    copy.NoteRead = archive.OpenFile(path, kLargestCopy, &error) &&
                    archive.Read(kRecoveryMemberName, QString(), &text, &error) == MemberStatus::Read &&
                    ReadRecoveryNote(text, &copy.Note);
    if (!copy.NoteRead) copy.Note = RecoveryNote{QString(), QFileInfo(path).lastModified(), 0, QString()};
    return copy;
}

QList<RecoveryCopy> RecoveryCopies(const QString& folder)
{
    QList<RecoveryCopy> copies;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.cal")}, QDir::Files))
        copies.append(InspectCopy(dir.filePath(name)));
    std::stable_sort(copies.begin(), copies.end(),
                     [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.Note.Made > b.Note.Made; });
    return copies;
}

bool SameDocument(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo x(a), y(b);
    if (x.exists() && y.exists()) return x.canonicalFilePath() == y.canonicalFilePath();
    return Absolute(a) == Absolute(b);
}

QString NewCopyPath(const QString& folder, const QString& document)
{
    QString base = QFileInfo(document).completeBaseName();
    if (base.isEmpty()) base = Str(26101);
    QString path = folder + base + QStringLiteral(".cal");
    for (int n = 2; QFileInfo::exists(path); ++n) path = folder + base + QStringLiteral(" (%1).cal").arg(n);
    return path;
}
