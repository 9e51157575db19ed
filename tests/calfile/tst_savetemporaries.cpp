// What a save killed halfway leaves beside the document: the next save in that folder removes
// it once its process is gone, and touches nothing else.

#include "CalTestDocuments.h"
#include "calfile/CalFile.h"
#include "calfile/SaveTemporaries.h"
#include "document/Session.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <signal.h>
#include <unistd.h>

namespace {

// The process id of a program that has ended.
qint64 DeadProcess()
{
    qint64 pid = 0;
    if (!QProcess::startDetached(u"true"_qs, {}, {}, &pid)) qFatal("cannot start true");
    for (int i = 0; i < 500 && ::kill(pid_t(pid), 0) == 0; ++i) QTest::qWait(10);
    return pid;
}

QString Leftover(const QString& folder, qint64 pid, const QString& host,
                 const QByteArray& bytes = "half a save")
{
    const QString name = u".daybinder-save.%1.%2.Ab12Cd"_qs.arg(pid).arg(host);
    QFile f(folder + u'/' + name);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(f.fileName()));
    f.write(bytes);
    return name;
}

} // namespace

class TestSaveTemporaries : public QObject
{
    Q_OBJECT
private slots:
    void theNextSaveRemovesWhatDeadSavesLeftAndNothingElse()
    {
        Session::Get().Reset();
        ScriptedPrompter prompter;
        QTemporaryDir dir;
        const QString dead = Leftover(dir.path(), 999999, ThisHostName(), QByteArray(1 << 20, 'x'));
        const QString ours = Leftover(dir.path(), ::getpid(), ThisHostName());   // a save going on
        const QString other = Leftover(dir.path(), 999999, u"autre-machine"_qs); // a shared folder
        QFile plain(dir.filePath(u".daybinder-save.notes"_qs)); // the user's, whatever its name
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(QFile::link(dir.filePath(dead),
                            dir.filePath(u".daybinder-save.999998.%1.Zz99Yy"_qs.arg(ThisHostName()))));

        CalendarDocument doc = NewDocument();
        QVERIFY(WriteCalFile(dir.filePath(u"budget.cal"_qs), doc));
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        QVERIFY2(!left.contains(dead), qPrintable(left.join(u", ")));
        QVERIFY(left.contains(ours) && left.contains(other) && left.contains(u".daybinder-save.notes"_qs));
        QVERIFY(left.contains(u"budget.cal"_qs));
        // The save's own temporary file took the document's name: nothing of it is left.
        QCOMPARE(left.size(), 5);
    }

    void aTemporaryNameSaysWhoWritesIt()
    {
        const QString name =
            QFileInfo(SaveTemporaryTemplate(u"/tmp/"_qs).replace(u"XXXXXX"_qs, u"a1B2c3"_qs)).fileName();
        QVERIFY(name.startsWith(u'.')); // hidden beside the document
        qint64 pid = 0;
        QString host;
        QVERIFY(ParseSaveTemporary(name, &pid, &host));
        QCOMPARE(pid, qint64(::getpid()));
        QCOMPARE(host, ThisHostName());
        QVERIFY(ProcessMayBeRunning(pid));
        QVERIFY(!ProcessMayBeRunning(DeadProcess()));
    }
};

QTEST_GUILESS_MAIN(TestSaveTemporaries)
#include "tst_savetemporaries.moc"
