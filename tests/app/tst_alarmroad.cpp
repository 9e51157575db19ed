// Alarms through the real program: the check right after opening, the timer's next check, and
// Cancel then OK in the alert window.

#include "ProgramFixture.h"
#include "alarms/AlarmFixtures.h"
#include "alarms/AlarmTimer.h"
#include "alarms/AlertWindow.h"
#include "calfile/CalFile.h"
#include "settings/SettingsStore.h"
#include "support/RecordingSoundPlayer.h"

class TestAlarmRoad : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        f = std::make_unique<ProgramFixture>();
        // Sound 2 is the program's own default sound, wherever the tests run from.
        QVERIFY(Keys::Sound(2).Write(u"" DAYBINDER_WAV_DIR "/alarm02.wav"_qs));
    }
    void cleanup() { f.reset(); }

    void anAlarmThreeDaysAheadAlertsUntilItIsSwitchedOff()
    {
        RecordingSoundPlayer player;
        OpenTestDocument(2026);
        AlarmDocument::AddAlarm(17, 3, 3, 2, Money(EntryExpense, u"Loyer"_qs, u"650"_qs));
        const QString path = f->dir.filePath(u"alarmes.cal"_qs);
        QVERIFY(WriteCalFile(path, Doc()));
        Session::Get().Reset();

        // The check runs as soon as the file is open: the alert comes, Cancel leaves it be.
        int alerts = 0;
        WhenModal<AlertWindow>([&](AlertWindow* w) {
            ++alerts;
            Press(w, "CmdCancel");
        });
        QVERIFY(f->Start(path));
        QCOMPARE(alerts, 1);
        QCOMPARE(player.Played, QStringList{u"" DAYBINDER_WAV_DIR "/alarm02.wav"_qs});
        QVERIFY(EntriesOn(17, 3)[0].AlarmOn);
        QVERIFY(!f->Main()->windowTitle().endsWith(u'*'));

        // Fifteen minutes later the timer checks again; OK, with "Annuler l'alarme" proposed,
        // switches the alarm off and marks March modified.
        AlarmTimer* timer = f->Main()->findChild<AlarmTimer*>();
        QVERIFY(timer && timer->IsActive());
        WhenModal<AlertWindow>([&](AlertWindow* w) {
            ++alerts;
            QVERIFY(Check(w, "ChkALOff")->isChecked());
            Press(w, "CmdOk");
        });
        f->clock.Set(f->clock.Now().addSecs(15 * 60));
        timer->Timer()->setInterval(10);
        QTRY_COMPARE(alerts, 2);
        QVERIFY(!EntriesOn(17, 3)[0].AlarmOn);
        QVERIFY(Doc().Month(3).EntriesModified);
        QVERIFY(f->Main()->windowTitle().endsWith(u'*'));

        // Off now: later checks stay quiet.
        f->clock.Set(f->clock.Now().addSecs(16 * 60));
        timer->Tick();
        QCOMPARE(player.Played.size(), 2);
    }

private:
    std::unique_ptr<ProgramFixture> f;
};

QTEST_MAIN(TestAlarmRoad)
#include "tst_alarmroad.moc"
