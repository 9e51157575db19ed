// The kit's rules that need no window: long paths shortened for their boxes, and the cell and
// line of a month grid that a click lands on.

#include "dialogkit/MonthLayout.h"
#include "dialogkit/PathDisplay.h"

#include <QTest>

using namespace MonthLayout;

namespace {

// Stands for a text box: what ShortenPathDisplay writes to.
struct FakeBox
{
    QString Text, Tip;
    QString text() const { return Text; }
    void setText(const QString& t) { Text = t; }
    void setToolTip(const QString& t) { Tip = t; }
};

} // namespace

class TestDialogKit : public QObject
{
    Q_OBJECT
private slots:
    void longPathsLoseTheirTopFoldersFirst()
    {
        const QString shortPath = u"/home/marie/Images/plage.jpg"_qs;
        QCOMPARE(ShortenPathDisplay(shortPath, int(shortPath.size())), shortPath); // exactly the maximum fits
        const QString path = u"/home/marie/Images/Vacances 2023/Bretagne/Quiberon/plage du matin.jpg"_qs;
        QCOMPARE(path.size(), 69);
        // "..." in a row is written once.
        QCOMPARE(ShortenPathDisplay(path, 65),
                 u"/.../Images/Vacances 2023/Bretagne/Quiberon/plage du matin.jpg"_qs);
        // 55 characters exactly is not short enough: one more folder goes.
        QCOMPARE(ShortenPathDisplay(path, 55), u"/.../Bretagne/Quiberon/plage du matin.jpg"_qs);
        // The file name itself is never cut.
        const QString name = QString(70, u'x') + u".bmp"_qs;
        QCOMPARE(ShortenPathDisplay(u"/photos/"_qs + name, 65), u"/.../"_qs + name);
        QCOMPARE(ShortenPathDisplay(name, 65), name);

        // A box gets the full path as its tooltip only when its text was shortened.
        FakeBox box{u"/a/b.bmp"_qs, u"old tip"_qs};
        ShortenPathDisplay(&box, 55);
        QCOMPARE(box.Text, u"/a/b.bmp"_qs);
        QCOMPARE(box.Tip, u"old tip"_qs);
        box.Text = path;
        ShortenPathDisplay(&box, 30);
        QCOMPARE(box.Text, u"/.../plage du matin.jpg"_qs);
        QCOMPARE(box.Tip, path);
    }

    // Points in twips of the window's client area.
    void aClickFindsItsCellAndLine_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("line");
        QTest::newRow("weekday headings") << QPoint(700, 100) << 0 << -1;
        QTest::newRow("first cell, above its lines") << QPoint(700, 300) << 7 << -1;
        QTest::newRow("first line") << QPoint(700, 400) << 7 << 0;
        // Lines overlap by 15 twips: the later one, drawn over the other, takes the click.
        QTest::newRow("where lines 0 and 1 overlap") << QPoint(700, 495) << 7 << 1;
        QTest::newRow("seventh line") << QPoint(700, 280 + 60 + 900 + 80) << 7 << 6;
        QTest::newRow("below the seventh line") << QPoint(700, 280 + 1200 + 5) << 14 << -1;
        QTest::newRow("left margin of the lines") << QPoint(10, 400) << 7 << -1;
        QTest::newRow("right margin of the lines") << QPoint(1430, 400) << 7 << -1;
        // Neighbouring cells share their border: the later cell takes it.
        QTest::newRow("border of two cells") << QPoint(1445, 300) << 8 << -1;
        QTest::newRow("last cell, last line")
            << QPoint(6 * 1440 + 700, 280 + 5 * 1200 + 60 + 900 + 80) << 48 << 6;
        QTest::newRow("below the grid") << QPoint(700, 280 + 6 * 1200 + 20) << 0 << -1;
        QTest::newRow("right of the grid") << QPoint(7 * 1440 + 20, 400) << 0 << -1;
    }

    void aClickFindsItsCellAndLine()
    {
        QFETCH(QPoint, at);
        QFETCH(int, cell);
        QFETCH(int, line);
        const Hit hit = HitTest(at);
        QCOMPARE(hit.Cell, cell);
        QCOMPARE(hit.Line, line);
    }

    void everyLineLabelIsFoundAtItsCentre()
    {
        for (int cell = 7; cell <= 48; ++cell) {
            QCOMPARE(HitTest(DayLabel(cell).topLeft() + QPoint(20, 20)).Cell, cell);
            for (int line = 0; line < 7; ++line) {
                const Hit hit = HitTest(LineLabel(cell, line).center());
                QVERIFY2(hit.Cell == cell && hit.Line == line,
                         qPrintable(QStringLiteral("%1/%2").arg(cell).arg(line)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDialogKit)
#include "tst_dialogkit.moc"
