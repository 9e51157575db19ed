#pragma once
// Keeps the open document's recovery copy while it has unsaved changes. After a change, a copy
// of the document is taken (its lists and pictures are shared, so that costs the window thread
// next to nothing) and written on a thread of its own, at a lower priority than the windows: a
// copy never holds up typing. The copy file keeps its name while the document keeps its path;
// it goes when the document is saved or its changes are dropped.

#include "calfile/FileError.h"
#include "document/CalendarDocument.h"
#include "recovery/RecoveryFiles.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

class ChangeHistory;
class QThread;

// When copies are written: a while after the last change, never two closer than the interval,
// and never later than the longest wait after a change while changes go on.
struct RecoveryTiming
{
    int QuietMs = 1000;
    int IntervalMs = 2000;
    int LongestMs = 4000;
    int RetryMs = 10000; // after a copy that could not be written
};

// Writes the document as a recovery copy at path, atomically, into a folder only the user can
// read: every member a save would write (pictures as the document keeps them: embedded when it
// embeds them, else by their paths, like its file) and the note, the data protected with the
// document's password. Touches nothing but its arguments and the disk, asks and reports nothing:
// it runs on any thread.
bool WriteRecoveryCopy(CalendarDocument doc, const QString& path, const RecoveryNote& note, FileError* error);

class RecoveryWriter : public QObject
{
    Q_OBJECT
public:
    explicit RecoveryWriter(QObject* parent = nullptr);
    ~RecoveryWriter() override; // waits for the copy being written

    RecoveryTiming Timing;
    QString Folder = RecoveryFolder();

    // Follows the changes of the open document's history from now on.
    void Watch(ChangeHistory& history);

    // The open document changed: a copy is due, or when it is as saved again, none.
    void DocumentChanged();
    // The document was saved, or its changes dropped on purpose: the copy goes, the one being
    // written as soon as it is done, and none is due.
    void Forget();
    // A copy restored becomes the open document's own: the next copies replace it.
    void Adopt(const QString& copyPath);
    // No more copies (the program ends); the one being written is finished, and kept.
    void Stop();

    // Takes the document as it is and starts writing its copy, as the timer does; false when
    // a copy is being written already or there is nothing to write.
    bool StartCopy();
    // Waits until no copy is being written.
    void WaitForCopy();

    QString CopyPath() const { return m_copyPath; }

signals:
    // A copy was written (or could not be), writeMs after its document was taken.
    void CopyWritten(const QString& path, bool ok, qint64 writeMs);

private:
    struct Result;
    void Schedule(qint64 earliest);
    void Collect();
    void RemoveCopy();

    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_due = false;
    bool m_stopped = false;
    bool m_dropWritten = false; // the copy being written is of changes no longer wanted
    qint64 m_lastChange = 0;
    qint64 m_firstDue = -1;
    qint64 m_lastStart = 0;
    QString m_copyPath;     // the copy of the open document, empty when none
    QString m_copyDocument; // the document path it was made of
    QThread* m_worker = nullptr;
    std::shared_ptr<Result> m_result;
};
