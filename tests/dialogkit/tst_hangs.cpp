// A window test that would hang in a dialog stops within seconds and says which dialog it was:
// a planted fault (an answer that clicks a disabled OK) is run in a child process.

#include "support/WhenModal.h"

#include <QDialog>
#include <QProcess>
#include <QPushButton>
#include <QTest>

class TestHangs : public QObject
{
    Q_OBJECT
private slots:
    void aDialogLeftOpenStopsTheTestNamingIt()
    {
        if (qEnvironmentVariableIsSet("DAYBINDER_PLANTED_HANG")) {
            QDialog d;
            d.setObjectName(QStringLiteral("FrmPlanted"));
            auto* ok = new QPushButton(QStringLiteral("OK"), &d);
            ok->setEnabled(false);
            connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
            WhenModal<QDialog>([ok](QDialog*) { ok->click(); });
            d.exec();
            return;
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DAYBINDER_PLANTED_HANG"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("aDialogLeftOpenStopsTheTestNamingIt")});
        QVERIFY2(child.waitForFinished(60000), "the planted hang was not stopped");
        const QString output = QString::fromUtf8(child.readAll());
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        QVERIFY2(output.contains(u"QDialog \"FrmPlanted\" was answered but stayed open"), qPrintable(output));
    }
};

QTEST_MAIN(TestHangs)
#include "tst_hangs.moc"
