#include "ImagePrinter.h"
#include "printing/ApiPrinter.h"
#include "support/ScriptedPrompter.h"

#include <QTest>

namespace {

constexpr qint32 kBlack = 0;
constexpr qint32 kRed = 0x0000FF; // stored colours: red in the low byte
constexpr qint32 kBlue = 0xFF0000;

bool Dark(const QColor& c)
{
    return c.lightness() < 128;
}

// The bounds of everything not white on a page, in centimetres of the printable area.
QRectF InkCm(const QImage& page)
{
    int left = page.width(), right = -1, top = page.height(), bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    const double s = ImagePrinter::kPixelsPerCm;
    return QRectF(left / s, top / s, (right + 1 - left) / s, (bottom + 1 - top) / s);
}

// A picture whose left half is red and right half blue.
QImage TwoColourPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x) picture.setPixelColor(x, y, QColor(255, 0, 0));
    return picture;
}

constexpr float kCmPerPixel = 15.0f / 567.0f; // a picture's pixel at its natural size

// One page printed on an image printer without margins; the drawing happens in between.
template <typename Draw> QImage PrintOnePage(Draw draw)
{
    ImagePrinter dc;
    cmAPIPrinter p;
    if (!p.cmPrt_DocStart(&dc, u"essai"_qs, 1, 1.0f, nullptr)) return {};
    p.cmPrinter_PageStart();
    draw(p);
    p.cmPrinter_PageEnd();
    p.cmPrt_DocEnd();
    return dc.Pages.value(0);
}

} // namespace

class TestPrinter : public QObject
{
    Q_OBJECT
private slots:
    void drawingLandsOnThePaperWhateverTheMargins_data()
    {
        QTest::addColumn<QMarginsF>("margins"); // millimetres: left, top, right, bottom
        QTest::newRow("no margins") << QMarginsF();
        QTest::newRow("uneven margins") << QMarginsF(9, 7, 4, 8);
        QTest::newRow("PDF margins") << QMarginsF(5, 5, 5, 5);
    }

    void drawingLandsOnThePaperWhateverTheMargins()
    {
        QFETCH(QMarginsF, margins);
        ImagePrinter dc(margins);
        cmAPIPrinter p;
        QVERIFY(p.cmPrt_DocStart(&dc, u"Daybinder v2.1 - année.cal"_qs, 1, 1.0f, nullptr));
        QCOMPARE(dc.Title, u"Daybinder v2.1 - année.cal"_qs);
        // The page is laid out within what the printer can print.
        QCOMPARE(p.cmPage_MLeft(), float(margins.left() / 10));
        QVERIFY(qFuzzyCompare(p.cmPage_OHeight(), float(29.7 - (margins.top() + margins.bottom()) / 10)));
        QVERIFY(p.cmPrinter_PageStart());
        QVERIFY(p.cmOutput_PrintLine(2, 3, 2, 20, kBlack, 0));
        QVERIFY(p.cmOutput_PrintLine(1, 5, 9, 5, kBlack, 10)); // the band 0.95..9.05 x 4.95..5.05
        QVERIFY(p.cmPrinter_PageEnd());
        QVERIFY(p.cmPrt_DocEnd());
        QCOMPARE(dc.Pages.size(), 1);

        const struct
        {
            double X, Y;
            bool Ink;
        } points[] = {{2.0, 10, true},    {1.96, 10, false},  {2.04, 10, false},
                      {0.96, 4.96, true}, {9.04, 5.04, true}, {0.94, 5, false},
                      {9.06, 5, false},   {5, 4.94, false},   {5, 5.06, false}};
        for (const auto& pt : points)
            QVERIFY2(Dark(dc.At(0, pt.X, pt.Y)) == pt.Ink, qPrintable(u"%1, %2"_qs.arg(pt.X).arg(pt.Y)));
    }

    void previewIsThePaperAtTheZoomAndKeepsTheMarginsBlank()
    {
        ImagePrinter dc(QMarginsF(10, 10, 10, 10));
        cmAPIPrinter p;
        QImage frame;
        QVERIFY(p.cmPrt_DocStart(&dc, u"x"_qs, 0, 0.5f, &frame));
        QCOMPARE(frame.size(), QSize(397, 561)); // 21 x 29.7 cm at 37.8 pixels a centimetre, halved
        QVERIFY(p.cmOutput_PrintBox(0, 0, 21, 29.7f, true, kRed, 0));
        QVERIFY(p.cmOutput_PrintLine(2, 3, 2, 20, kBlack, 0));
        QVERIFY(p.cmPrinter_PageStart() && p.cmPrinter_PageEnd()); // nothing in preview mode
        QVERIFY(p.cmPrt_DocEnd());
        // 2 cm is 37.8 pixels at 50 %: a one-pixel line there.
        QVERIFY(frame.pixelColor(37, 200) == Qt::black || frame.pixelColor(38, 200) == Qt::black);
        QCOMPARE(frame.pixelColor(40, 200), QColor(Qt::red));
        QCOMPARE(frame.pixelColor(10, 10), QColor(Qt::white)); // inside the 1 cm margin
        QCOMPARE(frame.pixelColor(390, 550), QColor(Qt::white));
    }

    void failuresAskAbortRetryIgnore()
    {
        ScriptedPrompter prompter;
        cmAPIPrinter p;
        prompter.Answers = {PromptAnswer::Abort};
        QVERIFY(!p.cmOutput_PrintBox(1, 1, 2, 2, false, kBlack, 0)); // no document open
        QCOMPARE(prompter.Asked.size(), 1);
        const PromptRequest& r = prompter.Asked[0];
        QCOMPARE(r.Text, u"The following error occurred while printing:\r\rNumber:  5\rDescription:  Invalid "
                         "procedure call or argument\rSource:  cmAPIPrinter::cmOutput_PrintBox()"_qs);
        QCOMPARE(r.Buttons, PromptButtons::AbortRetryIgnore);

        prompter.Answers = {PromptAnswer::Retry, PromptAnswer::Ignore};
        QVERIFY(p.cmOutput_PrintText(1, 1, u"x"_qs, kBlack, {}, false, false, 0)); // ignored: goes on
        QCOMPARE(prompter.Asked.size(), 3);

        // A printer that cannot start its job: the platform's error, and the pages refused.
        ImagePrinter dc;
        dc.FailToStart = true;
        prompter.Answers = {PromptAnswer::Ignore, PromptAnswer::Abort};
        QVERIFY(p.cmPrt_DocStart(&dc, u"x"_qs, 1, 1.0f, nullptr));
        QVERIFY(prompter.Asked[3].Text.contains(u"Number:  13\rDescription:  Permission denied\r"));
        QVERIFY(!p.cmPrinter_PageStart());
        prompter.Answers = {PromptAnswer::Abort};
        QVERIFY(!p.cmPrt_DocEnd()); // no job to end; the document is closed all the same
        QCOMPARE(p.cmPage_PWidth(), 0.0f);
    }

    void picturesAreCutAtTheAreaEdges()
    {
        const QImage picture = TwoColourPicture(50, 40); // natural size 1.32 x 1.06 cm
        const float tw = 50 * kCmPerPixel, th = 40 * kCmPerPixel;

        // Tiled two and a half times across and exactly twice down: the last column is the red
        // half of the tile, and nothing lands past the edges (the tiles cut to nothing paint
        // nothing).
        QImage page = PrintOnePage([&](cmAPIPrinter& p) {
            QVERIFY(p.cmOutput_PrintPicture(2, 2, 2.5f * tw, 2 * th, picture, false, true));
        });
        const QRectF ink = InkCm(page);
        QVERIFY(std::abs(ink.left() - 2) < 0.02 && std::abs(ink.right() - (2 + 2.5 * tw)) < 0.02);
        QVERIFY(std::abs(ink.bottom() - (2 + 2 * th)) < 0.02);
        const auto at = [&](double x, double y) {
            return page.pixelColor(QPointF(x * 100, y * 100).toPoint());
        };
        QCOMPARE(at(2 + 2.5 * tw - 0.03, 2.5), QColor(Qt::red));
        QCOMPARE(at(2 + 1.5 * tw + 0.05, 2.5), QColor(Qt::blue));

        // Once at its natural size from the top-left corner, cut where the area ends.
        page = PrintOnePage(
            [&](cmAPIPrinter& p) { QVERIFY(p.cmOutput_PrintPicture(3, 3, 0.5f, 5, picture, false, false)); });
        QVERIFY(std::abs(InkCm(page).width() - 0.5) < 0.02);
        QVERIFY(std::abs(InkCm(page).height() - th) < 0.02);

        // Stretched: the whole picture over the whole area.
        page = PrintOnePage(
            [&](cmAPIPrinter& p) { QVERIFY(p.cmOutput_PrintPicture(1, 1, 8, 4, picture, true, false)); });
        QVERIFY(std::abs(InkCm(page).width() - 8) < 0.02 && std::abs(InkCm(page).height() - 4) < 0.02);
        QCOMPARE(at(1.1, 1.1), QColor(Qt::red));
        QCOMPARE(at(8.9, 4.9), QColor(Qt::blue));
    }

    void textAlignsOnItsPoint()
    {
        const PrintFont arial{u"Arial"_qs, 22, true};
        const auto inkOf = [&](bool right, bool centred, float box) {
            return InkCm(PrintOnePage([&](cmAPIPrinter& p) {
                QVERIFY(p.cmOutput_PrintText(10, 5, u"Mercredi"_qs, kBlack, arial, right, centred, box));
            }));
        };
        // Align right wins over centring: the text ends at x.
        QVERIFY(std::abs(inkOf(true, true, 4).right() - 10) < 0.1);
        // Centred without a box width starts at x; with one it is centred in the box.
        QVERIFY(std::abs(inkOf(false, true, 0).left() - 10) < 0.1);
        const QRectF centred = inkOf(false, true, 4);
        QVERIFY(std::abs(centred.center().x() - 12) < 0.1);
        // y is the top of the line: capitals start a little below it.
        QVERIFY(centred.top() > 5 && centred.top() < 5.3);

        // The big day numbers: 1 cm is 28 points, 2.13 cm 60 points.
        QCOMPARE(cmAPIPrinter::cmConv_HeightToPoints(1), qint16(28));
        QCOMPARE(cmAPIPrinter::cmConv_HeightToPoints(2.13f), qint16(60));
    }
};

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
