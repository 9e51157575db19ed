// The alert window as a user meets it: the entry's fields, the proposed "off", the enabling of
// the alarm controls, and what OK and Cancel leave behind.

#include "AlarmFixtures.h"
#include "alarms/AlertWindow.h"
#include "document/DateText.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TestFiles.h"
#include "support/WhenModal.h"
#include "support/Widgets.h"

#include <QComboBox>
#include <QFile>

class TestAlertWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<AlarmDocument>(); }
    void cleanup() { f.reset(); }

    void itShowsTheEntryAndProposesToSwitchTheAlarmOff()
    {
        const AlarmPlace place =
            AlarmDocument::AddAlarm(17, 3, 3, 2, Money(EntryIncome, u"Prime"_qs, u"250,00"_qs));
        AlertWindow w(place);
        QCOMPARE(Box(&w, "TxtEV0")->text(), u"Revenu"_qs);
        QCOMPARE(Box(&w, "TxtEV1")->text(), u"Prime"_qs);
        QCOMPARE(Box(&w, "TxtEV2")->text(), u"250,00"_qs);
        QCOMPARE(Box(&w, "TxtEV3")->text(), LongDateText(MakeDate(17, 3, 2026)));
        QVERIFY(Box(&w, "TxtEV0")->isReadOnly());

        // "OffDefault" is 1 on a first start: the alarm is proposed off, everything under it greyed.
        QVERIFY(Check(&w, "ChkALOff")->isChecked());
        QVERIFY(Check(&w, "ChkAL")->isChecked());
        QCOMPARE(Box(&w, "TxtAL")->text(), u"1"_qs);
        QCOMPARE(Find<QComboBox>(&w, "CmbAL")->currentIndex(), 0);
        for (const char* name : {"TxtAL", "UDAlUp", "UDAlDown", "CmbAL", "CmdAL"})
            QVERIFY(!Find(&w, name)->isEnabled());

        // Unchecking enables them; the test button wants a sound.
        Check(&w, "ChkAL")->click();
        QVERIFY(Box(&w, "TxtAL")->isEnabled());
        QVERIFY(!Find(&w, "CmdAL")->isEnabled());
        Find<QComboBox>(&w, "CmbAL")->setCurrentIndex(2);
        RecordingSoundPlayer player;
        Settings::Get().Sound(2) = u"/sons/carillon.wav"_qs;
        Press(&w, "CmdAL");
        QCOMPARE(player.Played, QStringList{u"/sons/carillon.wav"_qs});
    }

    void anEventHidesItsAmountAndKeepsItsSettingsWhenNotProposedOff()
    {
        QVERIFY(Keys::OffDefault().Write(0));
        AlertWindow w(AlarmDocument::AddAlarm(17, 3, 3, 5, Event(u"  Réunion de parents  "_qs)));
        w.show();
        QCOMPARE(Box(&w, "TxtEV1")->text(), u"Réunion de parents"_qs);
        QVERIFY(!Box(&w, "TxtEV2")->isVisible());
        QVERIFY(!Find(&w, "LblEV2")->isVisible());
        QVERIFY(!Check(&w, "ChkALOff")->isChecked());
        QVERIFY(!Check(&w, "ChkAL")->isChecked());
        QCOMPARE(Box(&w, "TxtAL")->text(), u"3"_qs);
        QCOMPARE(Find<QComboBox>(&w, "CmbAL")->currentText(), u"Son #05"_qs);
    }

    void cancelChangesNothingAndWritesNothing()
    {
        const AlarmPlace place = AlarmDocument::AddAlarm(17, 3, 3, 2);
        Session::Get().SetModified(PartAll, false);
        const DayEntry before = EntriesOn(17, 3)[place.Index];
        for (bool close : {false, true}) {
            WhenModal<AlertWindow>([close](AlertWindow* w) {
                Check(w, "ChkALOff")->click();
                Check(w, "ChkAL")->click();
                Retype(Box(w, "TxtAL"), u"9"_qs);
                close ? void(w->close()) : Press(w, "CmdCancel");
            });
            QCOMPARE(ShowAlertWindow(nullptr, place), 0);
        }
        QVERIFY(!EntryDiffers(EntriesOn(17, 3)[place.Index], before));
        QVERIFY(Doc().IsSaved);
        QVERIFY(!QFile::exists(SettingsFilePath()));
    }

    void okWritesTheAlarmBackAndOnlyAChangeMarksTheMonth()
    {
        // Proposed off: off, 1 day, no sound, the month modified.
        const AlarmPlace place = AlarmDocument::AddAlarm(17, 3, 3, 2);
        Session::Get().SetModified(PartAll, false);
        WhenModal<AlertWindow>([](AlertWindow* w) { Press(w, "CmdOk"); });
        QCOMPARE(ShowAlertWindow(nullptr, place), 1);
        const DayEntry& off = EntriesOn(17, 3)[place.Index];
        QVERIFY(!off.AlarmOn);
        QCOMPARE(off.AlarmDaysBefore, 1);
        QCOMPARE(off.AlarmSound, qint16(0));
        QVERIFY(Doc().Month(3).EntriesModified);
        QVERIFY(!Doc().IsSaved);
        QCOMPARE(Keys::OffDefault().Read(), u"1"_qs);

        // Kept on with the same values: result 0, nothing modified, "OffDefault" remembered.
        const AlarmPlace other = AlarmDocument::AddAlarm(20, 4, 40, 1);
        Session::Get().SetModified(PartAll, false);
        WhenModal<AlertWindow>([](AlertWindow* w) {
            Check(w, "ChkALOff")->click();
            Check(w, "ChkAL")->click();
            Retype(Box(w, "TxtAL"), u"40"_qs);
            Find<QComboBox>(w, "CmbAL")->setCurrentIndex(1);
            Press(w, "CmdOk");
        });
        QCOMPARE(ShowAlertWindow(nullptr, other), 0);
        QVERIFY(EntriesOn(20, 4)[other.Index].AlarmOn);
        QVERIFY(Doc().IsSaved);
        QCOMPARE(Keys::OffDefault().Read(), u"0"_qs);

        // Changed days: written; a typed minus sign never stays.
        WhenModal<AlertWindow>([](AlertWindow* w) {
            QVERIFY(!Check(w, "ChkAL")->isChecked());
            Retype(Box(w, "TxtAL"), u"-7"_qs);
            Press(w, "CmdOk");
        });
        QCOMPARE(ShowAlertWindow(nullptr, other), 1);
        QCOMPARE(EntriesOn(20, 4)[other.Index].AlarmDaysBefore, 7);
    }

private:
    std::unique_ptr<AlarmDocument> f;
};

QTEST_MAIN(TestAlertWindow)
#include "tst_alertwindow.moc"
