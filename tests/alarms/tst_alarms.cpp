// The alarm check: which entries warn on which day, the order of the alerts, when a check does
// nothing, what an alert plays, and what OK or Cancel leave in the entry and the settings.

#include "AlarmFixtures.h"
#include "alarms/AlarmTimer.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

class TestAlarms : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<AlarmDocument>(); }
    void cleanup() { f.reset(); }

    void cellsHoldTheDaysOfTheirMonth()
    {
        // 1 March 2026 is a Sunday: the first cell; the 31st in cell 37.
        QCOMPARE(DayOfCell(2026, 3, 7), 1);
        QCOMPARE(DayOfCell(2026, 3, 37), 31);
        QCOMPARE(DayOfCell(2026, 3, 38), 0);
        QCOMPARE(DayOfCell(2026, 2, 34), 28);
        QCOMPARE(DayOfCell(2026, 2, 35), 0);
        QCOMPARE(DayOfCell(2026, 4, 10), 1); // a Wednesday
        QCOMPARE(DayOfCell(2026, 4, 9), 0);
        QCOMPARE(DayOfCell(2024, 2, 39), 29); // leap year
        QCOMPARE(DayOfCell(2024, 2, 40), 0);
        QCOMPARE(DayOfCell(2026, 13, 10), 0);
    }

    void dueAlarms_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<bool>("on");
        QTest::addColumn<qint32>("daysBefore");
        QTest::addColumn<bool>("due");
        // Today is 14 March 2026.
        QTest::newRow("today, 0 days before") << 14 << 3 << true << 0 << true;
        QTest::newRow("three days ahead, 3 days before") << 17 << 3 << true << 3 << true;
        QTest::newRow("three days ahead, 2 days before") << 17 << 3 << true << 2 << false;
        QTest::newRow("a month ahead, across the month") << 14 << 4 << true << 31 << true;
        QTest::newRow("past and still on") << 2 << 1 << true << 1 << true;
        QTest::newRow("past but switched off") << 2 << 1 << false << 1 << false;
        QTest::newRow("tomorrow, 0 days before") << 15 << 3 << true << 0 << false;
        QTest::newRow("huge days before") << 31 << 12 << true << std::numeric_limits<qint32>::max() << true;
        QTest::newRow("negative days before") << 14 << 3 << true << -1 << false;
    }
    void dueAlarms()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(bool, on);
        QFETCH(qint32, daysBefore);
        QFETCH(bool, due);
        const AlarmPlace place = AlarmDocument::AddAlarm(day, month, daysBefore);
        EntriesOn(day, month)[place.Index].AlarmOn = on;
        QCOMPARE(DueAlarms(Doc(), MakeDate(14, 3, 2026)).size(), due ? 1 : 0);
        QList<AlarmPlace> alerted;
        CheckAlarms([&](const AlarmPlace& p) { alerted.append(p); });
        QCOMPARE(alerted, due ? QList<AlarmPlace>{place} : QList<AlarmPlace>{});
    }

    void tenDueAlarmsAlertInMonthCellAndListOrder()
    {
        // Added out of order; the check goes month by month, cell by cell, line by line.
        const int added[][2] = {{20, 3}, {1, 1},  {20, 3}, {5, 2},  {31, 1},
                                {1, 3},  {14, 3}, {2, 1},  {20, 3}, {28, 2}};
        for (const auto& d : added) AlarmDocument::AddAlarm(d[0], d[1], 10);
        EntriesOn(20, 3).insert(1, Event(u"sans alarme"_qs)); // an entry without alarm among them
        QList<AlarmPlace> expected;
        const int inOrder[][2] = {{1, 1}, {2, 1}, {31, 1}, {5, 2}, {28, 2}, {1, 3}, {14, 3}};
        for (const auto& d : inOrder) expected.append({d[1], CellOf(d[0], d[1]), 0});
        for (int i : {0, 2, 3}) expected.append({3, CellOf(20, 3), i});

        QList<AlarmPlace> alerted;
        CheckAlarms([&](const AlarmPlace& p) { alerted.append(p); });
        QCOMPARE(alerted, expected);
        QCOMPARE(DueAlarms(Doc(), MakeDate(14, 3, 2026)), expected);
    }

    void aCheckDoesNothingOutsideEditingOrWithAlarmsOff()
    {
        AlarmDocument::AddAlarm(14, 3, 0);
        int alerts = 0;
        const auto check = [&] { CheckAlarms([&](const AlarmPlace&) { ++alerts; }); };
        for (MainMode mode : {MainMode::Logo, MainMode::Load, MainMode::Unload}) {
            Session::Get().SetMode(mode);
            check();
        }
        Session::Get().SetMode(MainMode::Edit);
        Session::Get().RefreshInProgress = true;
        check();
        Session::Get().RefreshInProgress = false;
        QVERIFY(Keys::IntervalChk().Write(-1));
        check();
        QCOMPARE(alerts, 0);
        QVERIFY(Keys::IntervalChk().Write(15));
        check();
        QCOMPARE(alerts, 1);
        // A check started while an alert is open (a timer tick) does nothing.
        alerts = 0;
        CheckAlarms([&](const AlarmPlace&) {
            ++alerts;
            check();
        });
        QCOMPARE(alerts, 1);
    }

    void anAlertPlaysItsSoundAndAFailureStillShowsTheWindow()
    {
        RecordingSoundPlayer player;
        Settings::Get().Sound(3) = u"/sons/cloche.wav"_qs;
        const AlarmPlace withSound = AlarmDocument::AddAlarm(14, 3, 0, 3);
        const AlarmPlace silent = AlarmDocument::AddAlarm(14, 3, 0, 0);
        QList<AlarmPlace> shown;
        const auto window = [&](const AlarmPlace& p) {
            shown.append(p);
            return 0;
        };
        player.FailAll = true; // no audio device
        QCOMPARE(AlertEntry(withSound, window), 0);
        QCOMPARE(AlertEntry(silent, window), 0);
        QCOMPARE(player.Played, QStringList{u"/sons/cloche.wav"_qs});
        QCOMPARE(shown, (QList<AlarmPlace>{withSound, silent}));
        // A place that holds no entry shows nothing.
        QCOMPARE(AlertEntry({3, withSound.Cell, 5}, window), 0);
        QCOMPARE(AlertEntry({13, 10, 0}, window), 0);
        QCOMPARE(shown.size(), 2);
    }

    void theFormShowsTheEntry()
    {
        DayEntry expense = Money(EntryExpense, u"Assurance"_qs, u"412.50"_qs);
        expense.AlarmOn = true;
        expense.AlarmDaysBefore = 3;
        expense.AlarmSound = 4;
        const AlertForm off = AlertFormFor(expense, MakeDate(17, 3, 2026), true);
        QCOMPARE(off.Type, u"Dépense"_qs);
        QCOMPARE(off.Description, u"Assurance"_qs);
        QCOMPARE(off.Amount, u"412.50"_qs);
        QVERIFY(off.ShowsAmount);
        QVERIFY(off.AlarmOff); // "OffDefault" proposes to switch it off
        QCOMPARE(off.DaysBefore, u"1"_qs);
        QCOMPARE(off.Sound, 0);
        const AlertForm kept = AlertFormFor(expense, MakeDate(17, 3, 2026), false);
        QVERIFY(!kept.AlarmOff);
        QCOMPARE(kept.DaysBefore, u"3"_qs);
        QCOMPARE(kept.Sound, 4);

        const AlertForm event =
            AlertFormFor(Event(u"  Réunion de parents  "_qs), MakeDate(2, 4, 2026), false);
        QCOMPARE(event.Type, u"Événement"_qs);
        QCOMPARE(event.Description, u"Réunion de parents"_qs);
        QCOMPARE(event.Amount, u"0"_qs);
        QVERIFY(!event.ShowsAmount);
        QVERIFY(event.AlarmOff); // its alarm is off
        QCOMPARE(AlertFormFor(Money(EntryIncome, u"Salaire"_qs, u"2100"_qs), {}, true).Type, u"Revenu"_qs);
    }

    void okWritesTheAlarmBackAndOnlyAChangeMarksTheMonth()
    {
        const AlarmPlace place = AlarmDocument::AddAlarm(17, 3, 3, 2);
        Session::Get().SetModified(PartAll, false);
        const DayEntry& entry = EntriesOn(17, 3)[place.Index];
        AlertForm form = AlertFormFor(entry, MakeDate(17, 3, 2026), false);

        // Unchanged: nothing written, nothing modified, the alarm stays on.
        form.OffByDefault = false;
        QVERIFY(!ConfirmAlert(place, form));
        QVERIFY(!Doc().Month(3).EntriesModified);
        QVERIFY(Doc().IsSaved);
        QVERIFY(entry.AlarmOn);
        QCOMPARE(Keys::OffDefault().Read(), u"0"_qs);

        // Days that are not a number become 0.
        form.DaysBefore = u"bientôt"_qs;
        QVERIFY(ConfirmAlert(place, form));
        QCOMPARE(EntriesOn(17, 3)[place.Index].AlarmDaysBefore, 0);

        // "Annuler l'alarme": off, 1 day, no sound, the month modified.
        form.AlarmOff = true;
        form.OffByDefault = true;
        QVERIFY(ConfirmAlert(place, form));
        const DayEntry& after = EntriesOn(17, 3)[place.Index];
        QVERIFY(!after.AlarmOn);
        QCOMPARE(after.AlarmDaysBefore, 1);
        QCOMPARE(after.AlarmSound, qint16(0));
        QCOMPARE(after.Description, u"Dentiste"_qs);
        QVERIFY(Doc().Month(3).EntriesModified);
        QVERIFY(!Doc().IsSaved);
        QCOMPARE(Keys::OffDefault().Read(), u"1"_qs);
    }

    void theTimerChecksOnceItsTimeHasComeAndMinusOneSwitchesItOff()
    {
        AlarmTimer timer;
        int checks = 0;
        timer.Check = [&] { ++checks; };
        QCOMPARE(AlarmTimer::Current(), &timer);
        QCOMPARE(timer.Timer()->objectName(), u"TmALCheck"_qs);
        QCOMPARE(timer.Timer()->interval(), 65535);

        QVERIFY(Keys::IntervalChk().Write(10));
        timer.Arm();
        QVERIFY(timer.IsActive());
        QCOMPARE(timer.NextCheck(), QDateTime(QDate(2026, 3, 14), QTime(9, 10)));
        f->clock.Set(QDateTime(QDate(2026, 3, 14), QTime(9, 9, 59)));
        timer.Tick();
        QCOMPARE(checks, 0);
        f->clock.Set(QDateTime(QDate(2026, 3, 14), QTime(9, 10)));
        timer.Tick();
        QCOMPARE(checks, 1);
        QVERIFY(timer.IsActive());
        QCOMPARE(timer.NextCheck(), QDateTime(QDate(2026, 3, 14), QTime(9, 20)));

        QVERIFY(Keys::IntervalChk().Write(-1));
        f->clock.Set(QDateTime(QDate(2026, 3, 15), QTime(9, 0)));
        timer.Tick();
        QVERIFY(!timer.IsActive());
        timer.Arm();
        QVERIFY(!timer.IsActive());
        QCOMPARE(checks, 1);
    }

private:
    std::unique_ptr<AlarmDocument> f;
};

QTEST_GUILESS_MAIN(TestAlarms)
#include "tst_alarms.moc"
