// The parts the program loads at their first use: a start maps neither Qt Network nor Qt Charts
// nor the archive libraries, and the download, the CalDAV client and the chart then come from
// their modules and work.
// This test is linked as the program is: its modules find in it what they need.

#include "../interchange/LocalHttpServer.h"
#include "calfile/CalFile.h"
#include "document/Session.h"
#include "interchange/CalendarDownload.h"
#include "interchange/IcsImport.h"
#include "platform/CommonDialogs.h"
#include "platform/KeyringPasswordStore.h"
#include "platform/Modules.h"
#include "platform/PasswordStore.h"
#include "platform/SystemDialogs.h"
#include "summary/SummaryChart.h"
#include "support/WhenModal.h"
#include "sync/CalDavClient.h"

#include <QDialog>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

// The libraries a process has mapped, one path per line.
QString MappedLibraries(qint64 pid = QCoreApplication::applicationPid())
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) ? QString::fromUtf8(maps.readAll()) : QString();
}

} // namespace

class TestModules : public QObject
{
    Q_OBJECT
private slots:
    void aStartLoadsNeitherNetworkNorCharts()
    {
        QTemporaryDir config;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"DAYBINDER_CONFIG_HOME"_qs, config.path());
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(DAYBINDER_PROGRAM), {});
        QVERIFY(program.waitForStarted(5000));
        // Once it answers on its single-instance socket, its start is over.
        QString maps;
        for (QDeadlineTimer deadline(20000); !deadline.hasExpired(); QTest::qWait(100)) {
            maps = MappedLibraries(program.processId());
            if (maps.contains(u"libQt6Widgets"_qs) &&
                !QDir(QDir::tempPath()).entryList({u"daybinder-*"_qs}, QDir::System).isEmpty())
                break;
        }
        QTest::qWait(500);
        maps = MappedLibraries(program.processId());
        program.kill();
        program.waitForFinished(5000);
        QVERIFY2(maps.contains(u"libQt6Widgets"_qs), "the program never started");
        for (const QString& library :
             {u"libQt6Network"_qs, u"libQt6Charts"_qs, u"libdaybinder_network"_qs, u"libdaybinder_chart"_qs,
              u"libzip"_qs, u"libcrypto"_qs, u"libqt6keychain"_qs})
            QVERIFY2(!maps.contains(library), qPrintable(library + u" is loaded by a start"_qs));
    }

    void theArchiveAndCalendarLibrariesLoadAtTheirFirstUse()
    {
        QVERIFY(!MappedLibraries().contains(u"libzip"_qs));
        QTemporaryDir dir;
        const QString path = dir.filePath(u"protégé.cal"_qs);
        CalendarDocument doc = Session::Get().BlankDocument(false);
        doc.Password = u"clé"_qs;
        QVERIFY(WriteCalFile(path, doc));
        CalendarDocument back;
        QVERIFY(ReadCalFile(path, back, u"clé"_qs));
        QCOMPARE(back.Password, u"clé"_qs);
        QCOMPARE(back.Year, doc.Year);
        QVERIFY(MappedLibraries().contains(u"libzip"_qs));
        QVERIFY(MappedLibraries().contains(u"libcrypto"_qs));

        // The first calendar read brings libical.
        QVERIFY(!MappedLibraries().contains(u"libical"_qs));
        OpenTestDocument(2026);
        QCOMPARE(ImportCalendar(HolidayCalendar(), Session::Get().CurrentDocument).Added, 3);
        QVERIFY(MappedLibraries().contains(u"libical"_qs));
    }

    void theDownloadComesFromTheNetworkModule()
    {
        LocalHttpServer server;
        QVERIFY(server.Started());
        QVERIFY(server.Put(u"fetes.ics"_qs, HolidayCalendar()));
        const std::unique_ptr<CalendarDownload> download = MakeCalendarDownload();
        QCOMPARE(download->metaObject()->className(), "NetworkCalendarDownload");
        QSignalSpy finished(download.get(), &CalendarDownload::Finished);
        download->Start(QUrl(server.Url(u"fetes.ics"_qs)));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
        QVERIFY(finished[0][0].toBool());
        QCOMPARE(finished[0][1].toByteArray(), HolidayCalendar());
        QVERIFY(MappedLibraries().contains(u"libdaybinder_network"_qs));
    }

    void theCalDavClientComesFromTheNetworkModule()
    {
        LocalHttpServer server; // a web server that is no calendar server
        QVERIFY(server.Started());
        const std::unique_ptr<CalDavClient> client =
            MakeCalDavClient(QUrl(server.Url(u"anne/calendrier/"_qs)), u"anne"_qs, u"secret"_qs);
        QCOMPARE(dynamic_cast<QObject*>(client.get())->metaObject()->className(), "NetworkCalDavClient");
        std::optional<DavCollection> answer;
        client->Describe([&](const DavCollection& c) { answer = c; });
        QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 20000);
        QVERIFY(!answer->Result.Ok());
        QVERIFY(!answer->IsCalendar);
    }

    void theChartComesFromTheChartModule()
    {
        QWidget main;
        QString opened;
        WhenModal<QDialog>([&](QDialog* d) {
            opened = d->objectName();
            d->reject();
        });
        OpenChartWindow(&main);
        QCOMPARE(opened, u"FrmSUChart"_qs);
        QVERIFY(MappedLibraries().contains(u"libQt6Charts"_qs));
    }

    void thePrinterSetUpComesFromThePrintersModule()
    {
        QWidget main;
        InstallSystemDialogs(&main);
        QString shown;
        WhenModal<QDialog>([&](QDialog* d) {
            shown = QString::fromLatin1(d->metaObject()->className());
            d->reject();
        });
        QVERIFY(!CommonDialogs::Current().SetupPrinter(PrinterChoice()));
        QCOMPARE(shown, u"QPrintDialog"_qs);
        QVERIFY(MappedLibraries().contains(u"libdaybinder_printers"_qs));
        CommonDialogs::Install(nullptr);
    }

    void theKeyringComesFromItsModule()
    {
        InstallKeyringPasswordStore();
        bool answered = false;
        // No desktop keyring runs here: the module loads and says it has nothing.
        PasswordStore::Current().Read(u"anne@127.0.0.1"_qs, [&](std::optional<QString>) { answered = true; });
        QTRY_VERIFY_WITH_TIMEOUT(answered, 30000);
        QVERIFY(MappedLibraries().contains(u"libdaybinder_keyring"_qs));
        PasswordStore::Install(nullptr);
    }

    void aModuleThatIsMissingIsToldNotFatal()
    {
        QString why;
        QVERIFY(!ModuleFunction("nothing", "daybinder_nothing", &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(!ModuleFunction("network", "daybinder_no_such_function", &why));
        QVERIFY(!why.isEmpty());
    }
};

QTEST_MAIN(TestModules)
#include "tst_modules.moc"
