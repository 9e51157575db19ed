// The alarm check: which entries warn on which day, the order of the alerts, when a check does
// nothing, what an alert plays, and when the timer checks.

#include "AlarmFixtures.h"
#include "alarms/AlarmTimer.h"
#include "support/RecordingSoundPlayer.h"

#include <QTest>

class TestAlarms : public QObject
{
    Q_OBJECT
private slots:
    void init() { f = std::make_unique<AlarmDocument>(); }
    void cleanup() { f.reset(); }

    void cellsHoldTheDaysOfTheirMonth()
    {
        // Every cell of every month, a leap February among them: the day the entries place
        // there, or none outside the month.
        for (int year : {2024, 2026})
            for (int month = 1; month <= 12; ++month) {
                const int first = CellOfDate(MakeDate(1, month, year));
                const int last = CellOfDate(MakeDate(DaysInMonth(year, month), month, year));
                for (int cell = kFirstCell; cell <= kLastCell; ++cell)
                    QCOMPARE(DayOfCell(year, month, cell),
                             cell >= first && cell <= last ? cell - first + 1 : 0);
            }
        QCOMPARE(DayOfCell(2026, 3, 7), 1); // 1 March 2026 is a Sunday
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

    void aSoundThatFailsStillShowsTheWindow()
    {
        RecordingSoundPlayer player;
        player.FailAll = true; // no audio device
        Settings::Get().Sound(3) = u"/sons/cloche.wav"_qs;
        const AlarmPlace withSound = AlarmDocument::AddAlarm(14, 3, 0, 3);
        const AlarmPlace silent = AlarmDocument::AddAlarm(14, 3, 0, 0);
        QList<AlarmPlace> shown;
        const auto window = [&](const AlarmPlace& p) {
            shown.append(p);
            return 0;
        };
        QCOMPARE(AlertEntry(withSound, window), 0);
        QCOMPARE(AlertEntry(silent, window), 0);
        QCOMPARE(player.Played, QStringList{u"/sons/cloche.wav"_qs});
        QCOMPARE(shown, (QList<AlarmPlace>{withSound, silent}));
        // A place that holds no entry any more (an earlier alert changed the list) shows nothing.
        QCOMPARE(AlertEntry({3, withSound.Cell, 5}, window), 0);
        QCOMPARE(shown.size(), 2);
    }

    void theTimerChecksOnceItsTimeHasComeAndMinusOneSwitchesItOff()
    {
        AlarmTimer timer;
        int checks = 0;
        timer.Check = [&] { ++checks; };
        QVERIFY(Keys::IntervalChk().Write(10));
        timer.Arm();
        f->clock.Set(QDateTime(QDate(2026, 3, 14), QTime(9, 9, 59)));
        timer.Tick();
        QCOMPARE(checks, 0);
        f->clock.Set(QDateTime(QDate(2026, 3, 14), QTime(9, 10)));
        timer.Tick();
        QCOMPARE(checks, 1);
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
