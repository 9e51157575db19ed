// The recovery copy of the heavy document (protected, thirteen embedded pictures): the time the
// window thread spends taking the document and starting the write, the whole write on its own
// thread, and the longest the window thread's event loop waits while a copy is written (what
// typing would feel).
//   bench_recovery [RUNS]             (default 7)
//   bench_recovery --write FILE.cal   writes the heavy year there (password "secret") and ends:
//                                     the document scripts/recovery-kills.sh --heavy edits

#include "HeavyDocument.h"
#include "Timing.h"
#include "calfile/CalFile.h"
#include "document/Session.h"
#include "recovery/RecoveryWriter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

namespace {

// A tick every millisecond on the window thread: the longest gap between two is the longest a
// key press would have waited.
class LongestGap
{
public:
    LongestGap()
    {
        m_tick.start();
        m_ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] {
            m_longest = qMax(m_longest, double(m_tick.nsecsElapsed()) / 1e6);
            m_tick.restart();
        });
        m_ticker.start(1);
    }
    double Ms() const { return m_longest; }

private:
    QElapsedTimer m_tick;
    QTimer m_ticker;
    double m_longest = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--write") == 0) {
        CalendarDocument heavy = MakeHeavyDocument();
        return WriteCalFile(QString::fromLocal8Bit(argv[2]), heavy) ? 0 : 1;
    }
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 7;
    QTemporaryDir dir;
    Session& s = Session::Get();
    s.CurrentDocument = MakeHeavyDocument();
    s.CurrentDocument.FilePath = dir.filePath(QStringLiteral("lourd.cal"));
    s.CurrentDocument.IsSaved = false;

    RecoveryWriter writer;
    writer.Folder = dir.path() + u'/';
    std::vector<double> gui, total, stall, idle;
    for (int i = 0; i < runs; ++i) {
        writer.DocumentChanged(); // a change: a copy is due
        QElapsedTimer started;
        started.start();
        if (!writer.StartCopy()) qFatal("no copy started");
        gui.push_back(double(started.nsecsElapsed()) / 1e6);

        LongestGap gap;
        QEventLoop loop;
        QObject::connect(&writer, &RecoveryWriter::CopyWritten, &loop,
                         [&](const QString&, bool ok, qint64 ms) {
                             if (!ok) qFatal("the copy could not be written");
                             total.push_back(double(ms));
                             loop.quit();
                         });
        loop.exec();
        stall.push_back(gap.Ms());

        // The same wait with nothing written: what the machine's load alone costs.
        LongestGap idleGap;
        QTimer::singleShot(int(total.back()), &loop, &QEventLoop::quit);
        loop.exec();
        idle.push_back(idleGap.Ms());
    }
    std::printf("heavy document, copy of %.1f MiB\n",
                double(QFileInfo(writer.CopyPath()).size()) / 1048576.0);
    Report("window thread: take the document, start the write", gui, 16);
    Report("worker thread: whole copy written (serialise, pack, sync)", total, 2000);
    Report("window thread: longest event-loop gap during a write", stall, 16);
    Report("window thread: longest event-loop gap, nothing written", idle, 16);
    return 0;
}
