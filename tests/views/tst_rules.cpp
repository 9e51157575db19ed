// The window rules that need no window: how the month windows tile and line up, and the
// selected date's text.

#include "TestPrint.h"
#include "views/DateText.h"
#include "views/WindowArrangement.h"

#include <QLocale>
#include <QTest>

class TestRules : public QObject
{
    Q_OBJECT
private slots:
    void tilesCoverTheAreaWithoutOverlap()
    {
        const QRect area(0, 0, 1000, 700);
        for (int count : {1, 2, 5, 12}) {
            for (bool horizontal : {true, false}) {
                const QList<QRect> rects = TileRects(count, area, horizontal);
                QCOMPARE(rects.size(), count);
                qint64 covered = 0;
                for (int i = 0; i < count; ++i) {
                    QVERIFY(area.contains(rects[i]));
                    covered += qint64(rects[i].width()) * rects[i].height();
                    for (int j = i + 1; j < count; ++j) QVERIFY(!rects[i].intersects(rects[j]));
                }
                QCOMPARE(covered, qint64(area.width()) * area.height());
            }
        }
        // Two windows: horizontal tiling stacks them, vertical tiling sets them side by side.
        QCOMPARE(TileRects(2, area, true)[1].top(), 350);
        QCOMPARE(TileRects(2, area, false)[1].left(), 500);
        QVERIFY(TileRects(0, area, true).isEmpty());
    }

    void iconsLineUpAlongTheBottom()
    {
        const QList<QPoint> places = IconPositions(5, QRect(0, 0, 400, 300), QSize(160, 30));
        QCOMPARE(places[0], QPoint(0, 270));
        QCOMPARE(places[1], QPoint(160, 270));
        QCOMPARE(places[2], QPoint(0, 240)); // the row is full: the next one goes above
    }

    void selectedDateReadsDayMonthYear()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(ShortDateText(MakeDate(5, 3, 2004)), u"05 mars 2004"_qs);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(ShortDateText(MakeDate(31, 12, 2026)), u"31 Dec 2026"_qs);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
