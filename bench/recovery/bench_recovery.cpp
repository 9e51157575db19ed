// The recovery copy of the heavy document (protected, thirteen embedded pictures): the time the
// window thread spends taking the document and starting the write, the whole write on its own
// thread, and the longest the window thread's event loop waits while a copy is written (what
// typing would feel). Usage: bench_recovery [RUNS]   (default 7)

#include "HeavyDocument.h"
#include "Timing.h"
#include "document/Session.h"
#include "recovery/RecoveryWriter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 7;
    QTemporaryDir dir;
    Session& s = Session::Get();
    s.CurrentDocument = MakeHeavyDocument();
    s.CurrentDocument.FilePath = dir.filePath(QStringLiteral("lourd.cal"));
    s.CurrentDocument.IsSaved = false;

    RecoveryWriter writer;
    writer.Folder = dir.path() + u'/';
    std::vector<double> gui, total, stall;
    for (int i = 0; i < runs; ++i) {
        writer.DocumentChanged(); // a change: a copy is due
        QElapsedTimer started;
        started.start();
        if (!writer.StartCopy()) qFatal("no copy started");
        gui.push_back(double(started.nsecsElapsed()) / 1e6);

        // A tick every millisecond on the window thread: its longest gap is the longest wait a
        // key press would have had.
        QElapsedTimer tick;
        tick.start();
        double longest = 0;
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longest = qMax(longest, double(tick.nsecsElapsed()) / 1e6);
            tick.restart();
        });
        ticker.start(1);
        QEventLoop loop;
        QObject::connect(&writer, &RecoveryWriter::CopyWritten, &loop, [&](const QString&, bool ok, qint64 ms) {
            if (!ok) qFatal("the copy could not be written");
            total.push_back(double(ms));
            loop.quit();
        });
        loop.exec();
        ticker.stop();
        stall.push_back(longest);
        QThread::msleep(50);
    }
    std::printf("heavy document, copy of %.1f MiB\n", double(QFileInfo(writer.CopyPath()).size()) / 1048576.0);
    Report("window thread: take the document, start the write", gui, 16);
    Report("worker thread: whole copy written (serialise, pack, sync)", total, 2000);
    Report("window thread: longest event-loop gap during a write", stall, 16);
    return 0;
}
