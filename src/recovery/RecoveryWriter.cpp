#include "recovery/RecoveryWriter.h"

#include "calfile/CalArchive.h"
#include "calfile/CalMembers.h"
#include "calfile/FileBytes.h"
#include "calfile/SaveTemporaries.h"
#include "document/ChangeHistory.h"
#include "document/Session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

namespace {

// Below the windows' priority: on a busy machine typing wins. The threads that compress large
// members start from this one and share its priority.
void LowerThisThreadsPriority()
{
    ::setpriority(PRIO_PROCESS, id_t(::gettid()), 10);
}

bool MakePrivateFolder(const QString& folder, FileError* error)
{
    if (!QDir().mkpath(folder)) {
        *error = ProgramError(ErrPathNotFound);
        return false;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

} // namespace

struct RecoveryWriter::Result
{
    QString Path;
    QString Document;
    bool Ok = false;
    qint64 Ms = 0;
};

bool WriteRecoveryCopy(CalendarDocument doc, const QString& path, const RecoveryNote& note, FileError* error)
{
    if (!MakePrivateFolder(QFileInfo(path).absolutePath(), error)) return false;
    QList<ArchiveMember> members = CalFileMembers(doc);
    members.append({kRecoveryMemberName, RecoveryNoteText(note), false});
    QByteArray archive;
    if (!PackArchive(std::move(members), doc.Password, &archive, error)) return false;
    return ReplaceFile(path, archive, error);
}

RecoveryWriter::RecoveryWriter(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { StartCopy(); });
    m_clock.start();
    m_lastStart = -Timing.IntervalMs;
}

RecoveryWriter::~RecoveryWriter()
{
    Stop();
}

void RecoveryWriter::Watch(ChangeHistory& history)
{
    connect(&history, &ChangeHistory::DocumentChanged, this, &RecoveryWriter::DocumentChanged);
}

void RecoveryWriter::DocumentChanged()
{
    if (m_stopped) return;
    if (Session::Get().CurrentDocument.IsSaved) { // undone back to the file on disk
        Forget();
        return;
    }
    m_lastChange = m_clock.elapsed();
    if (!m_due) m_firstDue = m_lastChange;
    m_due = true;
    Schedule(m_lastChange + Timing.QuietMs);
}

void RecoveryWriter::Schedule(qint64 earliest)
{
    if (!m_due || m_worker) return; // a copy being written looks again when it is done
    const qint64 notBefore = m_lastStart + Timing.IntervalMs;
    const qint64 at = qMax(qMin(earliest, m_firstDue + Timing.LongestMs), notBefore);
    m_timer.start(int(qMax<qint64>(0, at - m_clock.elapsed())));
}

bool RecoveryWriter::StartCopy()
{
    const CalendarDocument& doc = Session::Get().CurrentDocument;
    if (m_worker || m_stopped || !m_due || doc.IsSaved) return false;
    m_timer.stop();
    m_due = false;
    m_lastStart = m_clock.elapsed();

    const QString document = doc.FilePath.isEmpty() ? QString() : QFileInfo(doc.FilePath).absoluteFilePath();
    auto result = std::make_shared<Result>();
    result->Document = document;
    result->Path =
        !m_copyPath.isEmpty() && document == m_copyDocument ? m_copyPath : NewCopyPath(Folder, document);
    const RecoveryNote note{document, QDateTime::currentDateTimeUtc(), QCoreApplication::applicationPid(),
                            ThisHostName()};
    m_result = result;
    m_worker = QThread::create([doc = CalendarDocument(doc), note, result] {
        LowerThisThreadsPriority();
        QElapsedTimer t;
        t.start();
        FileError error;
        result->Ok = WriteRecoveryCopy(doc, result->Path, note, &error);
        result->Ms = t.elapsed();
        if (!result->Ok)
            qWarning("The recovery copy %s could not be written: %s", qPrintable(result->Path),
                     qPrintable(error.Description));
    });
    m_worker->setParent(this);
    QThread* worker = m_worker;
    connect(worker, &QThread::finished, this, [this, worker] {
        if (worker == m_worker) Collect();
        worker->deleteLater();
    });
    m_worker->start();
    return true;
}

void RecoveryWriter::Collect()
{
    m_worker = nullptr;
    const std::shared_ptr<Result> r = std::move(m_result);
    if (std::exchange(m_dropWritten, false)) {
        if (r->Ok) QFile::remove(r->Path); // of changes saved or dropped while it was written
    } else if (r->Ok) {
        if (!m_copyPath.isEmpty() && m_copyPath != r->Path) QFile::remove(m_copyPath); // of the old name
        m_copyPath = r->Path;
        m_copyDocument = r->Document;
    } else if (!m_due) {
        m_due = true;
        m_firstDue = m_clock.elapsed() + Timing.RetryMs;
    }
    emit CopyWritten(r->Path, r->Ok, r->Ms);
    if (!m_stopped) Schedule(r->Ok ? m_lastChange + Timing.QuietMs : m_clock.elapsed() + Timing.RetryMs);
}

void RecoveryWriter::WaitForCopy()
{
    if (!m_worker) return;
    m_worker->wait();
    Collect();
}

void RecoveryWriter::Forget()
{
    m_timer.stop();
    m_due = false;
    // The copy being written goes once it is done: waiting for it here would hold up the window.
    if (m_worker) m_dropWritten = true;
    RemoveCopy();
}

void RecoveryWriter::RemoveCopy()
{
    if (!m_copyPath.isEmpty()) QFile::remove(m_copyPath);
    m_copyPath.clear();
    m_copyDocument.clear();
}

void RecoveryWriter::Adopt(const QString& copyPath)
{
    WaitForCopy();
    if (!m_copyPath.isEmpty() && m_copyPath != copyPath) QFile::remove(m_copyPath);
    m_copyPath = copyPath;
    const QString document = Session::Get().CurrentDocument.FilePath;
    m_copyDocument = document.isEmpty() ? QString() : QFileInfo(document).absoluteFilePath();
}

void RecoveryWriter::Stop()
{
    m_stopped = true;
    m_timer.stop();
    WaitForCopy();
}
