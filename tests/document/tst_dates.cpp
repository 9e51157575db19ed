#include "document/Dates.h"

#include "TestPrint.h"

#include <QDate>
#include <QTest>

class TestDates : public QObject
{
    Q_OBJECT
private slots:
    void addDaysCrossesMonthsAndYears_data();
    void addDaysCrossesMonthsAndYears();
    void daysInMonthFollowsLeapYears();
    void weekdayCountsFromSunday();
    void comparisonsIncludeBothEnds();
    void textFormIsPositional();
    void serialNormalisesOutOfRangeParts();
    void agreesWithQDateOverFourCenturies();
};

void TestDates::addDaysCrossesMonthsAndYears_data()
{
    QTest::addColumn<DateRec>("from");
    QTest::addColumn<int>("n");
    QTest::addColumn<DateRec>("expected");
    QTest::newRow("new year") << MakeDate(31, 12, 2004) << 1 << MakeDate(1, 1, 2005);
    QTest::newRow("back into leap February") << MakeDate(1, 3, 2004) << -1 << MakeDate(29, 2, 2004);
    QTest::newRow("back into plain February") << MakeDate(1, 3, 2003) << -1 << MakeDate(28, 2, 2003);
    QTest::newRow("two weeks over a month end") << MakeDate(25, 1, 2004) << 14 << MakeDate(8, 2, 2004);
    QTest::newRow("a whole leap year") << MakeDate(1, 1, 2004) << 366 << MakeDate(1, 1, 2005);
    QTest::newRow("century not leap") << MakeDate(28, 2, 1900) << 1 << MakeDate(1, 3, 1900);
    QTest::newRow("400-year leap") << MakeDate(28, 2, 2000) << 1 << MakeDate(29, 2, 2000);
}

void TestDates::addDaysCrossesMonthsAndYears()
{
    QFETCH(DateRec, from);
    QFETCH(int, n);
    QFETCH(DateRec, expected);
    QCOMPARE(AddDays(from, n), expected);
}

void TestDates::daysInMonthFollowsLeapYears()
{
    QCOMPARE(DaysInMonth(2004, 2), 29);
    QCOMPARE(DaysInMonth(2003, 2), 28);
    QCOMPARE(DaysInMonth(2100, 2), 28);
    QCOMPARE(DaysInMonth(2000, 2), 29);
    QCOMPARE(DaysInMonth(2003, 12), 31);
    QCOMPARE(DaysInMonth(2004, 4), 30);
}

void TestDates::weekdayCountsFromSunday()
{
    QCOMPARE(WeekdayOf(MakeDate(15, 2, 2004), true), 1);  // 1 February 2004, a Sunday
    QCOMPARE(WeekdayOf(MakeDate(15, 2, 2004), false), 1); // itself a Sunday
    QCOMPARE(WeekdayOf(MakeDate(16, 2, 2004), false), 2);
    QCOMPARE(WeekdayOf(MakeDate(1, 1, 2005), false), 7);  // Saturday
    QCOMPARE(WeekdayOf(MakeDate(5, 12, 2026), false), 7);
    QCOMPARE(WeekdayOf(MakeDate(1, 1, 1601), false), 2);  // long before 1970
}

void TestDates::comparisonsIncludeBothEnds()
{
    const DateRec a = MakeDate(5, 3, 2004);
    QVERIFY(!DateIsAfter(a, a));
    QVERIFY(DateIsAfter(MakeDate(1, 1, 2005), MakeDate(31, 12, 2004)));
    QVERIFY(DateIsAfter(MakeDate(1, 4, 2004), MakeDate(31, 3, 2004)));
    QVERIFY(!DateIsAfter(MakeDate(31, 3, 2004), MakeDate(1, 4, 2004)));
    QVERIFY(DateInRange(a, a, MakeDate(6, 3, 2004)));
    QVERIFY(DateInRange(a, MakeDate(1, 3, 2004), a));
    QVERIFY(!DateInRange(a, MakeDate(6, 3, 2004), MakeDate(1, 3, 2004)));
}

void TestDates::textFormIsPositional()
{
    QCOMPARE(DateToText(MakeDate(5, 3, 2004)), QStringLiteral("2004-03-05"));
    QCOMPARE(TextToDate(u"2004-03-05"), MakeDate(5, 3, 2004));
    QCOMPARE(TextToDate(u"2004-03-07"), MakeDate(7, 3, 2004));
    QCOMPARE(DateToText(MakeDate(5, 1, 999)), QStringLiteral("999-01-05"));
    QCOMPARE(DateToText(MakeDate(0, 0, 0)), QStringLiteral("-00-00"));
    // Positions, not separators: any text gives some date, never a crash.
    QCOMPARE(TextToDate(u""), MakeDate(0, 0, 0));
    QCOMPARE(TextToDate(u"x"), MakeDate(0, 0, 0));
    QCOMPARE(TextToDate(u"2004/12/31"), MakeDate(31, 12, 2004));
    QCOMPARE(TextToDate(u" 2004-12-31"), MakeDate(31, 12, 200)); // the first four characters are the year
    const DateRec back = TextToDate(DateToText(MakeDate(29, 2, 2004)));
    QCOMPARE(back, MakeDate(29, 2, 2004));
}

void TestDates::serialNormalisesOutOfRangeParts()
{
    QCOMPARE(DateSerial(2004, 1, 32), MakeDate(1, 2, 2004));
    QCOMPARE(DateSerial(2004, 3, 0), MakeDate(29, 2, 2004));
    QCOMPARE(DateSerial(2003, 13, 1), MakeDate(1, 1, 2004));
    QCOMPARE(DateSerial(2004, 0, 1), MakeDate(1, 12, 2003));
    QCOMPARE(DateSerial(2004, -11, 1), MakeDate(1, 1, 2003));
    // MakeDate keeps what it is given.
    QCOMPARE(MakeDate(31, 2, 2004).Day, qint16(31));
}

void TestDates::agreesWithQDateOverFourCenturies()
{
    // An independent calendar: every 7th day from 1800 to 2200, with steps of various sizes.
    const QDate start(1800, 1, 1);
    for (int i = 0; i < 146097 / 7; ++i) {
        const QDate q = start.addDays(i * 7);
        const DateRec d = MakeDate(q.day(), q.month(), q.year());
        QCOMPARE(WeekdayOf(d, false), q.dayOfWeek() % 7 + 1);
        QCOMPARE(DaysInMonth(q.year(), q.month()), q.daysInMonth());
        const int n = (i % 801) - 400;
        const QDate later = q.addDays(n);
        QCOMPARE(AddDays(d, n), MakeDate(later.day(), later.month(), later.year()));
    }
}

QTEST_APPLESS_MAIN(TestDates)
#include "tst_dates.moc"
