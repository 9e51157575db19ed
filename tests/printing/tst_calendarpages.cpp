#include "ImagePrinter.h"
#include "PdfText.h"
#include "entries/EntryFixtures.h"
#include "printing/ApiPrinter.h"
#include "printing/PrintJob.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// March 2026 begins on a Sunday: the 14th is the last cell of the second row, the 18th the
// Wednesday of the third. The PDF printer has margins of 0.5 cm.
constexpr float kMargin = 0.5f + 0.3f;                   // the PDF printer's margin and the page's
constexpr float kColumn = (21.0f - 2 * kMargin) / 7.0f;  // 2.77 cm
constexpr float kRow = (29.7f - 2 * kMargin - 2) / 6.0f; // 4.35 cm

float CellRight(int column)
{
    return kMargin + float(column + 1) * kColumn;
}
float CellTop(int row)
{
    return kMargin + 2 + float(row) * kRow;
}

class RecordingDisplay : public PrintDisplay
{
public:
    QStringList Lines;
    void Begin(const QString& title) override { Lines.append(title); }
    void Progress(const QString& line) override { Lines.append(line); }
    void End() override { Lines.append(u"end"_qs); }
};

PrintOptions Months(std::initializer_list<int> months, qint16 copies = 1, qint32 background = 1)
{
    PrintOptions o;
    o.Months.fill(0);
    for (int m : months) o.Months[size_t(m - 1)] = 1;
    o.Copies = copies;
    o.Background = background;
    return o;
}

QImage Filled(QColor colour)
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// The page of a month drawn by the preview at 100 %, on a printer without margins.
QImage PreviewPage(int month, const BackgroundSettings& request = {}, qint32 background = 1)
{
    ImagePrinter dc;
    cmAPIPrinter p;
    QImage frame;
    p.cmPrt_DocStart(&dc, u"x"_qs, 0, 1.0f, &frame);
    PrintPage(p, Doc(), month, request, background);
    p.cmPrt_DocEnd();
    return frame;
}

QColor PixelAt(const QImage& page, float xCm, float yCm)
{
    return page.pixelColor(QPointF(xCm * 567 / 15, yCm * 567 / 15).toPoint());
}

// Whether a one-pixel black line passes through the point (give or take a pixel).
bool LineAt(const QImage& page, float xCm, float yCm)
{
    const QPoint p = QPointF(xCm * 567 / 15, yCm * 567 / 15).toPoint();
    for (int dx = -1; dx <= 1; ++dx)
        if (page.pixelColor(p + QPoint(dx, 0)) == Qt::black) return true;
    return false;
}

// The words of March printed into a PDF; empty unless the job printed exactly one page.
QList<PdfPage> PrintedMarch()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"mars.pdf"_qs);
    PdfPrinter printer(path);
    RecordingDisplay display;
    if (!PrintJob(printer, Doc(), {}, Months({3}), display)) return {};
    const QList<PdfPage> pages = PdfWords(path);
    return pages.size() == 1 ? pages : QList<PdfPage>();
}

} // namespace

class TestCalendarPages : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        OpenTestDocument(2026);
        for (int i = 1; i <= 9; ++i) EntriesOn(18, 3).append(Event(u"Tâche%1"_qs.arg(i)));
        EntriesOn(14, 3) = {Money(EntryExpense, u"Loyer"_qs, u"650"_qs), Event(u"Dentiste"_qs)};
    }

    void pagesComeInCollatedSets()
    {
        QCOMPARE(PrintedMonths(Months({1, 3}, 2)), QList<int>({1, 3, 1, 3}));
        QVERIFY(PrintedMonths(Months({1, 3}, 0)).isEmpty());
        // Any non-zero flag prints; the preview shows only the months whose flag is 1.
        PrintOptions odd = Months({2, 5});
        odd.Months[4] = 2;
        QCOMPARE(PrintedMonths(odd), QList<int>({2, 5}));
        QCOMPARE(PreviewMonths(odd), QList<int>({2}));

        // The progress counts every page of every copy.
        ImagePrinter dc;
        RecordingDisplay display;
        QVERIFY(PrintJob(dc, Doc(), {}, Months({1, 3}, 2), display));
        QCOMPARE(dc.Pages.size(), 4);
        QCOMPARE(display.Lines.mid(1),
                 QStringList({u"Page 01 de 04 ..."_qs, u"Page 02 de 04 ..."_qs, u"Page 03 de 04 ..."_qs,
                              u"Page 04 de 04 ..."_qs, u"end"_qs}));
    }

    void theDaysAndTheirEntriesAreTextInThePdf()
    {
        const QList<PdfPage> pages = PrintedMarch();
        QCOMPARE(pages.size(), 1);
        const PdfPage& page = pages[0];

        // A money entry: the name ends 1.4 cm and the amount, padded to six places and followed
        // by "$", 0.15 cm before the cell's right edge.
        const PdfWord loyer = FindWord(page, u"Loyer"_qs);
        const PdfWord amount = FindWord(page, u"650$"_qs);
        QVERIFY(std::abs(loyer.Box.right() - (CellRight(6) - 1.4)) < 0.03);
        QVERIFY(std::abs(amount.Box.right() - (CellRight(6) - 0.15)) < 0.03);
        QVERIFY(std::abs(loyer.Box.top() - (CellTop(1) + 0.175)) < 0.1);
        const PdfWord dentist = FindWord(page, u"Dentiste"_qs);
        QVERIFY(std::abs(dentist.Box.right() - (CellRight(6) - 0.15)) < 0.03);
        QVERIFY(std::abs(dentist.Box.top() - loyer.Box.top() - 0.35) < 0.02);

        // A day with nine entries prints its first seven, in their order.
        float lastTop = 0;
        for (int i = 1; i <= 7; ++i) {
            const PdfWord w = FindWord(page, u"Tâche%1"_qs.arg(i));
            QVERIFY2(!w.Text.isEmpty(), qPrintable(w.Text));
            QVERIFY(w.Box.top() > lastTop);
            lastTop = float(w.Box.top());
        }
        QVERIFY(FindWord(page, u"Tâche8"_qs).Text.isEmpty());
        // The day numbers, in their cells.
        QVERIFY(!FindWord(page, u"18"_qs, QRectF(CellRight(2), CellTop(2), kColumn, kRow)).Text.isEmpty());
        QVERIFY(!FindWord(page, u"31"_qs, QRectF(CellRight(1), CellTop(4), kColumn, kRow)).Text.isEmpty());
    }

    void aLongTextIsCutToItsCell()
    {
        // 1 March is a Sunday, in the first column; the 7th a Saturday, in the last.
        QString meeting;
        for (int i = 1; i <= 24; ++i) meeting += u"Assemblée%1 "_qs.arg(i, 2, 10, QLatin1Char('0'));
        EntriesOn(1, 3) = {Event(meeting.left(260))};
        EntriesOn(7, 3) = {Money(EntryIncome, u"Prime"_qs, u"123456789012345678901234567890"_qs)};
        const QList<PdfPage> pages = PrintedMarch();
        QCOMPARE(pages.size(), 1);

        // The line keeps its beginning, as the month window shows it, and stays in its cell.
        const QRectF first(CellRight(0) - kColumn, CellTop(0), kColumn, kRow);
        const QRectF last(CellRight(6) - kColumn, CellTop(0), kColumn, kRow);
        QVERIFY(!FindWord(pages[0], u"Assemblée01"_qs, first).Text.isEmpty());
        QVERIFY(!FindWord(pages[0], u"Prime"_qs, last).Text.isEmpty());
        for (const PdfWord& w : pages[0]) {
            const bool meetingWord = w.Text.startsWith(u"Assembl"_qs);
            const bool amountWord = w.Text.startsWith(u"12345"_qs);
            if (!meetingWord && !amountWord) continue;
            const QRectF cell = meetingWord ? first : last;
            QVERIFY2(w.Box.left() >= cell.left() - 0.02 && w.Box.right() <= cell.right() + 0.02,
                     qPrintable(w.Text));
        }
    }

    void aJobWithoutPagesLeavesTheFileAsItWas()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"vieux.pdf"_qs);
        QVERIFY(SaveBytes(path, "ancien"));
        PdfPrinter printer(path);
        RecordingDisplay display;
        QVERIFY(PrintJob(printer, Doc(), {}, Months({3}, 0), display));
        QCOMPARE(FileBytes(path), QByteArray("ancien"));
    }

    void coloursAndBackgroundFollowTheMonthsSettings()
    {
        CalendarDocument& doc = Doc();
        doc.DefaultColours.Colour6 = 0x0000C0; // dark red heading band
        doc.DefaultColours.ShowGrids = true;
        doc.Month(3).Colours.UseDefault = true;
        doc.Month(5).Colours = doc.DefaultColours;
        doc.Month(5).Colours.UseDefault = false;
        doc.Month(5).Colours.Colour6 = 0x008000; // green
        doc.Month(5).Colours.ShowGrids = false;
        doc.DefaultBackground = {1, u"fond.bmp"_qs, Filled(QColor(0, 0, 200))};
        doc.Month(3).Background.UseDefault = true;
        doc.Month(5).Background = BackgroundSettings(); // no picture of its own

        // Without margins: the band from 1.3 to 2.3 cm, columns 2.91 cm wide, rows 4.52 cm high;
        // the last row of March is empty.
        const float band = 0.3f + 1.1f, gridLine = 0.3f + 20.4f / 7, inCell = 0.3f + 2 + 5.5f * 27.1f / 6;
        QImage march = PreviewPage(3);
        QCOMPARE(PixelAt(march, 5, band), QColor(0xC0, 0, 0));
        QVERIFY(LineAt(march, gridLine, inCell));
        QCOMPARE(PixelAt(march, gridLine + 0.5f, inCell), QColor(0, 0, 200)); // the picture
        march = PreviewPage(3, {}, 0);                                        // "BckImg" off
        QCOMPARE(PixelAt(march, gridLine + 0.5f, inCell), QColor(Qt::white));

        const QImage may = PreviewPage(5);
        QCOMPARE(PixelAt(may, 5, band), QColor(0, 0x80, 0));
        QVERIFY(!LineAt(may, gridLine, inCell)); // no grid, no picture
        QCOMPARE(PixelAt(may, gridLine, inCell), QColor(Qt::white));

        // Entry colours: the entry's own, else the month's for incomes, expenses and events.
        EntriesOn(2, 3) = {Money(EntryIncome, u"Paie"_qs, u"10"_qs), Event(u"x"_qs), Event(u"y"_qs)};
        EntriesOn(2, 3)[2].TextColour = 0x123456;
        const int cell = CellOf(2, 3);
        QCOMPARE(EntryTextColour(doc, 3, cell, 0), doc.DefaultColours.Colour8);
        QCOMPARE(EntryTextColour(doc, 3, cell, 1), doc.DefaultColours.Colour5);
        QCOMPARE(EntryTextColour(doc, 3, cell, 2), 0x123456);
    }

    void aBackgroundPrintsStretchedTiledOrOnceAsItsModeSays()
    {
        // Red on the left, blue on the right, 60 x 40 pixels. April 2026 begins on a Wednesday:
        // the first cells of the grid are empty, their picture in plain sight.
        QImage halves(60, 40, QImage::Format_RGB32);
        halves.fill(Qt::red);
        for (int y = 0; y < 40; ++y)
            for (int x = 30; x < 60; ++x) halves.setPixelColor(x, y, Qt::blue);
        const float x0 = 0.3f, top = 0.3f + 2 + 0.5f; // the grid's left edge; half a cm into it
        const auto page = [&](qint32 mode) {
            Doc().DefaultBackground = {mode, u"moitiés.bmp"_qs, halves};
            return PreviewPage(4);
        };
        // 1.2 cm in: the left of the stretched picture, the right half of the first tile.
        const QImage stretched = page(1), tiled = page(2), once = page(0);
        QCOMPARE(PixelAt(stretched, x0 + 1.2f, top), QColor(Qt::red));
        QCOMPARE(PixelAt(tiled, x0 + 1.2f, top), QColor(Qt::blue));
        QCOMPARE(PixelAt(tiled, x0 + 1.8f, top), QColor(Qt::red)); // the next tile
        QCOMPARE(PixelAt(once, x0 + 1.2f, top), QColor(Qt::blue));
        QCOMPARE(PixelAt(once, x0 + 1.8f, top), QColor(Qt::white)); // past its natural size
        QCOMPARE(PixelAt(stretched, x0 + 19.0f, top), QColor(Qt::blue));
    }

    void aPictureRequestFillsThePageOrSitsInItsCorner()
    {
        const QImage picture = Filled(QColor(0, 150, 0)); // 60 x 40 pixels: 1.59 x 1.06 cm
        BackgroundSettings request{1, u"photo.bmp"_qs, picture};
        QImage page = PreviewPage(0, request);
        QCOMPARE(PixelAt(page, 0.35f, 0.35f), QColor(0, 150, 0));
        QCOMPARE(PixelAt(page, 20.65f, 29.35f), QColor(0, 150, 0));
        QCOMPARE(PixelAt(page, 0.25f, 0.25f), QColor(Qt::white)); // outside the 0.3 cm margin

        request.Mode = 0; // once, at its natural size
        page = PreviewPage(0, request);
        QCOMPARE(PixelAt(page, 0.35f, 0.35f), QColor(0, 150, 0));
        QCOMPARE(PixelAt(page, 0.3f + 1.5f, 0.3f + 1.0f), QColor(0, 150, 0));
        QCOMPARE(PixelAt(page, 0.3f + 1.7f, 0.3f + 1.2f), QColor(Qt::white));
    }
};

QTEST_MAIN(TestCalendarPages)
#include "tst_calendarpages.moc"
