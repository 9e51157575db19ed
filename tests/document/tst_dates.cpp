#include "TestPrint.h"
#include "document/Dates.h"

#include <QDate>
#include <QTest>

class TestDates : public QObject
{
    Q_OBJECT
private slots:
    void agreesWithQDateOverSixCenturies()
    {
        // An independent calendar: every 7th day from 1601 to 2200 (leap years, centuries, the
        // 400-year rule), each moved by a different step of up to 400 days either way.
        const QDate start(1601, 1, 1);
        for (int i = 0; i < 146097 * 3 / 2 / 7; ++i) {
            const QDate q = start.addDays(i * 7);
            const DateRec d = MakeDate(q.day(), q.month(), q.year());
            QCOMPARE(WeekdayOf(d, false), q.dayOfWeek() % 7 + 1); // 1 is Sunday
            QCOMPARE(WeekdayOf(d, true), QDate(q.year(), q.month(), 1).dayOfWeek() % 7 + 1);
            QCOMPARE(DaysInMonth(q.year(), q.month()), q.daysInMonth());
            const int n = (i % 801) - 400;
            const QDate later = q.addDays(n);
            QCOMPARE(AddDays(d, n), MakeDate(later.day(), later.month(), later.year()));
        }
    }

    void comparisonsIncludeBothEndsAndSerialsNormalise()
    {
        const DateRec a = MakeDate(5, 3, 2004);
        QVERIFY(!DateIsAfter(a, a));
        QVERIFY(DateIsAfter(MakeDate(1, 1, 2005), MakeDate(31, 12, 2004)));
        QVERIFY(DateIsAfter(MakeDate(1, 4, 2004), MakeDate(31, 3, 2004)));
        QVERIFY(!DateIsAfter(MakeDate(31, 3, 2004), MakeDate(1, 4, 2004)));
        QVERIFY(DateInRange(a, a, MakeDate(6, 3, 2004)));
        QVERIFY(DateInRange(a, MakeDate(1, 3, 2004), a));
        QVERIFY(!DateInRange(a, MakeDate(6, 3, 2004), MakeDate(1, 3, 2004)));

        QCOMPARE(DateSerial(2004, 1, 32), MakeDate(1, 2, 2004));
        QCOMPARE(DateSerial(2004, 3, 0), MakeDate(29, 2, 2004));
        QCOMPARE(DateSerial(2003, 13, 1), MakeDate(1, 1, 2004));
        QCOMPARE(DateSerial(2004, 0, 1), MakeDate(1, 12, 2003));
        QCOMPARE(DateSerial(2004, -11, 1), MakeDate(1, 1, 2003));
        QCOMPARE(MakeDate(31, 2, 2004).Day, qint16(31)); // MakeDate keeps what it is given
    }

    void textFormIsPositional()
    {
        QCOMPARE(DateToText(MakeDate(5, 3, 2004)), u"2004-03-05"_qs);
        QCOMPARE(TextToDate(u"2004-03-07"), MakeDate(7, 3, 2004));
        QCOMPARE(DateToText(MakeDate(5, 1, 999)), u"999-01-05"_qs);
        QCOMPARE(DateToText(MakeDate(0, 0, 0)), u"-00-00"_qs);
        // Positions, not separators: any text gives some date, never a crash.
        QCOMPARE(TextToDate(u""), MakeDate(0, 0, 0));
        QCOMPARE(TextToDate(u"x"), MakeDate(0, 0, 0));
        QCOMPARE(TextToDate(u"2004/12/31"), MakeDate(31, 12, 2004));
        QCOMPARE(TextToDate(u" 2004-12-31"), MakeDate(31, 12, 200)); // the first four characters are the year
        QCOMPARE(TextToDate(DateToText(MakeDate(29, 2, 2004))), MakeDate(29, 2, 2004));
    }

    void anImpossibleDateSettlesAfterAFewSaves()
    {
        // A damaged file may hold any date (year 0, month -1, day 100...). Each save writes its
        // text and the next open reads it back by position: after at most three saves the file
        // must stop changing, not drift for ever.
        const int parts[] = {-32768, -1000, -100, -10, -1,  0,    1,    9,     10,
                             12,     31,    99,   100, 999, 2004, 9999, 10000, 32767};
        for (int day : parts)
            for (int month : parts)
                for (int year : parts) {
                    DateRec d = MakeDate(day, month, year);
                    for (int save = 0; save < 3; ++save) d = TextToDate(DateToText(d));
                    QVERIFY2(TextToDate(DateToText(d)) == d,
                             qPrintable(DateToText(MakeDate(day, month, year))));
                }
        QCOMPARE(TextToDate(u"--01-00"), MakeDate(0, 1, 0)); // month -1 of year 0, written once
    }
};

QTEST_APPLESS_MAIN(TestDates)
#include "tst_dates.moc"
