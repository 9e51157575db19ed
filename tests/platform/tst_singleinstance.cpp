// One program per user, between real processes: a second start hands "RESTORE" to the running
// program and ends; the running program answers it; a socket left by a crash blocks nothing.

#include "platform/SingleInstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Ask(const QString& name, const QByteArray& command)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(2000)) return {};
    socket.write(command + '\n');
    socket.waitForBytesWritten(2000);
    while (!socket.canReadLine() && socket.waitForReadyRead(5000)) {
    }
    return socket.readLine().trimmed();
}

bool WaitUntilListening(const QString& name, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(200)) return true;
        QTest::qWait(100);
    }
    return false;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("DAYBINDER_CONFIG_HOME", m_config->path().toUtf8());
    }

    void cleanup()
    {
        if (m_program && m_program->state() != QProcess::NotRunning) {
            m_program->kill();
            m_program->waitForFinished(5000);
        }
        m_program.reset();
    }

    void aSecondStartHandsOverAndEnds()
    {
        // This test process is the running program; the real program is started a second time.
        SingleInstance running;
        QVERIFY(running.Listen());
        QSignalSpy restore(&running, &SingleInstance::RestoreRequested);

        QProcess second;
        second.setProcessEnvironment(ProgramEnvironment());
        second.start(QStringLiteral(DAYBINDER_PROGRAM), {u"/home/me/autre.cal"_qs});
        QVERIFY(second.waitForStarted(5000));
        QTRY_COMPARE_WITH_TIMEOUT(restore.size(), 1, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 15000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }

    void theRunningProgramAnswersRestoreOnly()
    {
        QVERIFY(StartRunningProgram());
        const QString name = SingleInstance::DefaultServerName();

        QCOMPARE(Ask(name, "HELLO"), SingleInstance::Refused);
        QCOMPARE(Ask(name, SingleInstance::Restore), SingleInstance::Accepted);
        // A later start finds it and goes away; the running one stays.
        SingleInstance later;
        QVERIFY(later.TryHandOver());
        QVERIFY(!later.Listen());
        QCOMPARE(m_program->state(), QProcess::Running);
    }

    void aCrashedProgramLeavesNothingInTheWay()
    {
        QVERIFY(StartRunningProgram());
        const QString name = SingleInstance::DefaultServerName();
        m_program->kill(); // no chance to remove its socket
        QVERIFY(m_program->waitForFinished(5000));

        SingleInstance next;
        QVERIFY(!next.TryHandOver(500));
        QVERIFY(next.Listen());
        QVERIFY(next.IsListening());
    }

private:
    QProcessEnvironment ProgramEnvironment() const;
    // The real program started and answering on its name.
    bool StartRunningProgram();

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QProcess> m_program;
};

QProcessEnvironment TestSingleInstance::ProgramEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DAYBINDER_CONFIG_HOME"_qs, m_config->path());
    env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
    return env;
}

bool TestSingleInstance::StartRunningProgram()
{
    m_program = std::make_unique<QProcess>();
    m_program->setProcessEnvironment(ProgramEnvironment());
    m_program->start(QStringLiteral(DAYBINDER_PROGRAM), QStringList());
    return m_program->waitForStarted(5000) && WaitUntilListening(SingleInstance::DefaultServerName(), 20000);
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
