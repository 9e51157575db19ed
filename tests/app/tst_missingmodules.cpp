// A program whose network and chart modules cannot be loaded (a damaged installation): each
// service that needs one fails with a message naming it, and the program goes on. This test is
// linked as the program is, except that it does not give its modules what they need, so that
// loading them fails.

#include "interchange/CalendarDownload.h"
#include "summary/SummaryChart.h"
#include "support/ScriptedPrompter.h"
#include "sync/CalDavClient.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

class TestMissingModules : public QObject
{
    Q_OBJECT
private slots:
    void theExchangeFailsWithAMessage()
    {
        const std::unique_ptr<CalDavClient> client =
            MakeCalDavClient(QUrl(u"https://127.0.0.1:1/anne/"_qs), u"anne"_qs, u"secret"_qs);
        std::optional<DavCollection> described;
        std::optional<DavResult> removed;
        client->Describe([&](const DavCollection& c) { described = c; });
        client->Remove(u"x.ics"_qs, u"\"1\""_qs, [&](const DavResult& r) { removed = r; });
        QVERIFY(!described); // answered later, as a client must
        QTRY_VERIFY(described && removed);
        QCOMPARE(described->Result.Status, DavStatus::Failed);
        // The message names the module and why it did not load: here, what it lacks.
        const QString& message = described->Result.Message;
        QVERIFY2(message.contains(u"module « network »"_qs) && message.contains(u"undefined symbol"_qs),
                 qPrintable(message));
        QCOMPARE(removed->Status, DavStatus::Failed);
    }

    void theDownloadFailsWithAMessage()
    {
        const std::unique_ptr<CalendarDownload> download = MakeCalendarDownload();
        QSignalSpy finished(download.get(), &CalendarDownload::Finished);
        download->Start(QUrl(u"https://127.0.0.1:1/fetes.ics"_qs));
        QVERIFY(download->Running());
        QTRY_COMPARE(finished.size(), 1);
        QVERIFY(!download->Running());
        QCOMPARE(finished[0][0].toBool(), false);
        QVERIFY(finished[0][2].toString().contains(u"Réinstallez le programme"_qs));
    }

    void theChartIsRefusedWithAMessage()
    {
        ScriptedPrompter prompter;
        QWidget main;
        OpenChartWindow(&main);
        QCOMPARE(prompter.Asked.size(), 1);
        QVERIFY(prompter.Asked[0].Text.contains(u"module « chart »"_qs));
    }
};

QTEST_MAIN(TestMissingModules)
#include "tst_missingmodules.moc"
