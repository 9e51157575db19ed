// One program per user, between real processes: a second start hands "RESTORE" to the running
// program and ends; a socket left by a crash blocks nothing.

#include "platform/SingleInstance.h"
#include "settings/SettingsStore.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void init() { qputenv("DAYBINDER_CONFIG_HOME", m_config.path().toUtf8()); }

    void aSecondStartHandsOverAndEnds()
    {
        // This test process is the running program; the real program is started a second time.
        SingleInstance running(ProgramName());
        QVERIFY(running.Listen());
        QSignalSpy restore(&running, &SingleInstance::RestoreRequested);
        QProcess second;
        Start(second, {u"/home/me/autre.cal"_qs});
        QTRY_COMPARE_WITH_TIMEOUT(restore.size(), 1, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 15000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }

    void aCrashedProgramLeavesNothingInTheWay()
    {
        QProcess first;
        Start(first, {});
        QDeadlineTimer deadline(20000);
        for (; !deadline.hasExpired(); QTest::qWait(100)) { // until it answers on its name
            QLocalSocket probe;
            probe.connectToServer(ProgramName());
            if (probe.waitForConnected(200)) break;
        }
        QVERIFY2(!deadline.hasExpired(), "the program never answered");
        first.kill(); // no chance to remove its socket
        QVERIFY(first.waitForFinished(5000));

        SingleInstance next(ProgramName());
        QVERIFY(!next.TryHandOver(500));
        QVERIFY(next.Listen());
        QVERIFY(next.IsListening());
    }

    void aStrangersBytesAreRefusedAndServingGoesOn()
    {
        SingleInstance running(u"daybinder-test-%1"_qs.arg(QCoreApplication::applicationPid()));
        QVERIFY(running.Listen());
        QSignalSpy restore(&running, &SingleInstance::RestoreRequested);

        QLocalSocket stranger;
        stranger.connectToServer(running.ServerName());
        QVERIFY(stranger.waitForConnected(2000));
        stranger.write("HELLO\n");
        QTRY_VERIFY(stranger.canReadLine());
        QCOMPARE(stranger.readLine().trimmed(), SingleInstance::Refused);
        // A line that never ends is cut off.
        stranger.write(QByteArray(4096, 'x'));
        QTRY_COMPARE_WITH_TIMEOUT(stranger.state(), QLocalSocket::UnconnectedState, 5000);
        QCOMPARE(restore.size(), 0);

        SingleInstance second(running.ServerName());
        QVERIFY(second.TryHandOver(2000));
        QTRY_COMPARE(restore.size(), 1);
    }

private:
    // The name the program started here listens on.
    static QString ProgramName() { return SingleInstance::DefaultServerName(SettingsFolder()); }

    void Start(QProcess& program, const QStringList& args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"DAYBINDER_CONFIG_HOME"_qs, m_config.path());
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(DAYBINDER_PROGRAM), args);
        QVERIFY(program.waitForStarted(5000));
    }

    QTemporaryDir m_config;
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
