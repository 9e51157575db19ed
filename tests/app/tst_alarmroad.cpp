// Alarms through the real program: the check right after opening, the timer's next check, OK and
// Cancel in the alert window, "IntervalChk" -1, ten alerts in a row, and the Options command.

#include "ProgramFixture.h"
#include "alarms/AlarmFixtures.h"
#include "alarms/AlarmTimer.h"
#include "alarms/AlertWindow.h"
#include "calfile/CalFile.h"
#include "platform/FileAssociation.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsStore.h"
#include "support/RecordingSoundPlayer.h"
#include "support/Widgets.h"
#include "views/Tabs.h"

#include <QComboBox>

class TestAlarmRoad : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        f = std::make_unique<ProgramFixture>();
        AssociationPlaces places{f->dir.filePath(u"data/"_qs), f->dir.filePath(u"xdg/"_qs),
                                 QApplication::applicationFilePath(), u"daybinder"_qs};
        m_association = std::make_unique<FileAssociation>(places);
        FileAssociation::Install(m_association.get());
        // Sound 2 is the program's own default sound, wherever the tests run from.
        QVERIFY(Keys::Sound(2).Write(u"" DAYBINDER_WAV_DIR "/alarm02.wav"_qs));
    }
    void cleanup()
    {
        f.reset();
        FileAssociation::Install(nullptr);
    }

    void anAlarmThreeDaysAheadAlertsUntilItIsSwitchedOff()
    {
        RecordingSoundPlayer player;
        const QString path = WriteYear(
            [] { AlarmDocument::AddAlarm(17, 3, 3, 2, Money(EntryExpense, u"Loyer"_qs, u"650"_qs)); });

        // The check runs as soon as the file is open: the alert comes, Cancel leaves it be.
        QStringList fields;
        WhenModal<AlertWindow>([&](AlertWindow* w) {
            for (int i = 0; i < 4; ++i) fields.append(Box(w, u"TxtEV%1"_qs.arg(i))->text());
            Press(w, "CmdCancel");
        });
        QVERIFY(f->Start(path));
        QCOMPARE(fields.mid(0, 3), (QStringList{u"Dépense"_qs, u"Loyer"_qs, u"650"_qs}));
        QCOMPARE(player.Played, QStringList{u"" DAYBINDER_WAV_DIR "/alarm02.wav"_qs});
        QVERIFY(EntriesOn(17, 3)[0].AlarmOn);
        QVERIFY(!f->Main()->windowTitle().endsWith(u'*'));

        // Fifteen minutes later the timer checks again; OK switches the alarm off.
        AlarmTimer* timer = f->Main()->findChild<AlarmTimer*>();
        QVERIFY(timer && timer->IsActive());
        QCOMPARE(timer->NextCheck(), f->clock.Now().addSecs(15 * 60));
        int alerts = 0;
        WhenModal<AlertWindow>([&](AlertWindow* w) {
            ++alerts;
            QVERIFY(Check(w, "ChkALOff")->isChecked());
            QVERIFY(Check(w, "ChkAL")->isChecked());
            Press(w, "CmdOk");
        });
        timer->Tick(); // not yet time
        QCOMPARE(alerts, 0);
        f->clock.Set(f->clock.Now().addSecs(15 * 60));
        timer->Timer()->setInterval(10);
        QTRY_COMPARE(alerts, 1);
        QVERIFY(!EntriesOn(17, 3)[0].AlarmOn);
        QVERIFY(Doc().Month(3).EntriesModified);
        QVERIFY(f->Main()->windowTitle().endsWith(u'*'));
        QVERIFY(timer->IsActive());

        // Off now: later checks stay quiet.
        f->clock.Set(f->clock.Now().addSecs(16 * 60));
        timer->Tick();
        QCOMPARE(player.Played.size(), 2);
    }

    void minusOneNeverAlerts()
    {
        QVERIFY(Keys::IntervalChk().Write(-1));
        const QString path = WriteYear([] { AlarmDocument::AddAlarm(14, 3, 0, 1); });
        int alerts = 0;
        WhenModal<AlertWindow>(
            [&](AlertWindow* w) {
                ++alerts;
                w->reject();
            },
            30);
        QVERIFY(f->Start(path));
        AlarmTimer* timer = f->Main()->findChild<AlarmTimer*>();
        QVERIFY(!timer->IsActive());
        f->clock.Set(f->clock.Now().addDays(1));
        timer->Tick();
        QTest::qWait(400);
        QCOMPARE(alerts, 0);
    }

    void tenDueAlarmsComeOneAfterAnotherInOrder()
    {
        const QString path = WriteYear([] {
            const int days[][2] = {{16, 3}, {3, 1},  {16, 3}, {9, 2},  {31, 1},
                                   {1, 3},  {14, 3}, {2, 1},  {16, 3}, {28, 2}};
            int n = 0;
            for (const auto& d : days)
                AlarmDocument::AddAlarm(d[0], d[1], 5, 0, Event(u"Rappel %1"_qs.arg(++n)));
        });
        QStringList seen;
        std::function<void()> answer = [&] {
            WhenModal<AlertWindow>([&](AlertWindow* w) {
                seen.append(Box(w, "TxtEV1")->text() + u' ' + Box(w, "TxtEV3")->text().left(2));
                Press(w, "CmdCancel");
                if (seen.size() < 10) answer();
            });
        };
        answer();
        QVERIFY(f->Start(path));
        QTRY_COMPARE(seen.size(), 10);
        QCOMPARE(seen,
                 (QStringList{"Rappel 8 02", "Rappel 2 03", "Rappel 5 31", "Rappel 4 09", "Rappel 10 28",
                              "Rappel 6 01", "Rappel 7 14", "Rappel 1 16", "Rappel 3 16", "Rappel 9 16"}));
    }

    void theOptionsCommandOpensTheDialogInEveryMode()
    {
        QVERIFY(f->Start());
        QVERIFY(f->Main()->Commands()->Button(u"CmdCOOptions"_qs)->isEnabled());
        WhenModal<OptionsDialog>([](OptionsDialog* d) {
            d->Pages()->setCurrentIndex(1);
            Check(d, "ChkAL2")->click();
            Press(d, "CmdOk");
        });
        f->ToolbarClick("Options");
        QCOMPARE(Keys::IntervalChk().Read(), u"-1"_qs);
        QCOMPARE(Keys::TbOpt().Read(), u"1"_qs);
        QVERIFY(!f->Main()->findChild<AlarmTimer*>()->IsActive());
    }

private:
    // A 2026 calendar filled by fill(), written to a file of the test.
    QString WriteYear(const std::function<void()>& fill)
    {
        OpenTestDocument(2026);
        fill();
        const QString path = f->dir.filePath(u"alarmes.cal"_qs);
        if (!WriteCalFile(path, Doc())) qFatal("cannot write %s", qPrintable(path));
        Session::Get().Reset();
        return path;
    }

    std::unique_ptr<ProgramFixture> f;
    std::unique_ptr<FileAssociation> m_association;
};

QTEST_MAIN(TestAlarmRoad)
#include "tst_alarmroad.moc"
