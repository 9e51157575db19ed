#include "pictures/PictureWork.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage Filled(int width, int height, QRgb colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(width, height, format);
    picture.fill(colour);
    return picture;
}

// A picture loaded from a GIF: its pixels take their colours from a table, here the last one.
QImage PalettePicture(QRgb colour)
{
    QImage picture(5, 5, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(1, 2, 3), colour});
    picture.fill(1);
    return picture;
}

} // namespace

// The editor's pixel work: brightness, the size boxes, stretching, and the bitmap it saves.
class TestPictureWork : public QObject
{
    Q_OBJECT
private slots:
    void brightnessIsAddedToEachChannelAndHeld_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("amount");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("+30") << qRgb(250, 10, 0) << 30 << qRgb(255, 40, 30);
        QTest::newRow("-30") << qRgb(250, 10, 0) << -30 << qRgb(220, 0, 0);
        QTest::newRow("+100") << qRgb(0, 128, 255) << 100 << qRgb(100, 228, 255);
        QTest::newRow("-100") << qRgb(0, 128, 255) << -100 << qRgb(0, 28, 155);
        // Zero or out of range: nothing changes.
        QTest::newRow("0") << qRgb(120, 60, 30) << 0 << qRgb(120, 60, 30);
        QTest::newRow("101") << qRgb(120, 60, 30) << 101 << qRgb(120, 60, 30);
        QTest::newRow("-101") << qRgb(120, 60, 30) << -101 << qRgb(120, 60, 30);
    }

    void brightnessIsAddedToEachChannelAndHeld()
    {
        QFETCH(QRgb, colour);
        QFETCH(int, amount);
        QFETCH(QRgb, expected);
        for (QImage picture : {Filled(3, 2, colour), PalettePicture(colour)}) {
            // Reset and Cancel go back to the picture the editor was opened with.
            const QImage original = picture;
            AdjustBrightness(amount, picture);
            QCOMPARE(picture.pixel(2, 1), expected);
            QCOMPARE(original.pixel(2, 1), colour);
        }
    }

    void brightnessReachesEveryPixelAndKeepsTransparency()
    {
        // An odd width and many rows: no pixel may be skipped; alpha stays as it was.
        QImage picture(37, 23, QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgba(x, y, 200, 40 + y));
        AdjustBrightness(20, picture);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                QCOMPARE(picture.pixel(x, y), qRgba(x + 20, y + 20, 220, 40 + y));
    }

    void sizeBoxesKeepAWholeNumberWithinRange()
    {
        const struct
        {
            const char* Typed;
            const char* Kept;
        } cases[] = {{"673", "673"}, {"40000", "32767"}, {"99999999999999999999", "32767"},
                     {"-5", "0"},    {"12,5", "12"},     {"99.9", "99"},
                     {"", "0"},      {"abc", "0"},       {"48px", "48"}};
        for (const auto& c : cases)
            QVERIFY2(SizeBoxText(QString::fromLatin1(c.Typed)) == QLatin1String(c.Kept), c.Typed);
    }

    void stretchingFillsTheCalendarSizeWithoutKeepingProportions()
    {
        QImage picture = Filled(400, 100, qRgb(0, 0, 0));
        for (int y = 0; y < 100; ++y)
            for (int x = 200; x < 400; ++x) picture.setPixel(x, y, qRgb(255, 255, 255));
        const QImage stretched = StretchPicture(picture, kCalendarAreaSize);
        QCOMPARE(stretched.size(), QSize(673, 481));
        QCOMPARE(qRed(stretched.pixel(10, 470)), 0);
        QCOMPARE(qRed(stretched.pixel(660, 10)), 255);
        // Smooth: the edge between the halves is blended, not cut.
        bool blended = false;
        for (int x = 320; x < 350; ++x)
            blended |= qRed(stretched.pixel(x, 240)) > 0 && qRed(stretched.pixel(x, 240)) < 255;
        QVERIFY(blended);

        // Sizes that make no picture, or one too large, are refused.
        QVERIFY(StretchPicture(picture, QSize(0, 10)).isNull());
        QVERIFY(StretchPicture(picture, QSize(10, 0)).isNull());
        QVERIFY(!StretchSizeAllowed(QSize(32767, 32767)));
        QVERIFY(StretchSizeAllowed(QSize(32767, 1)));
        QVERIFY(StretchSizeAllowed(QSize(7000, 7000)));
    }

    void savedBitmapOpensElsewhereWithItsSize()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"étirée.bmp"_qs);
        QVERIFY(
            SavePictureAsBitmap(StretchPicture(Filled(40, 30, qRgb(255, 40, 30)), QSize(673, 481)), path));
        const QImage read(path);
        QCOMPARE(read.size(), QSize(673, 481));
        QCOMPARE(read.pixel(300, 200), qRgb(255, 40, 30));

        const QString identify = QStandardPaths::findExecutable(u"identify"_qs);
        if (identify.isEmpty()) QSKIP("ImageMagick's identify is not installed");
        QProcess other;
        other.start(identify, {u"-format"_qs, u"%m %w %h"_qs, path});
        QVERIFY(other.waitForFinished(30000));
        QCOMPARE(other.exitCode(), 0);
        const QStringList seen = QString::fromUtf8(other.readAllStandardOutput()).split(u' ');
        QVERIFY2(seen.value(0).startsWith(u"BMP"_qs), qPrintable(seen.join(u' ')));
        QCOMPARE(seen.mid(1), (QStringList{u"673"_qs, u"481"_qs}));
    }

    void aFailedSaveLeavesTheOldFileAsItWas()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"image.bmp"_qs);
        QVERIFY(SaveBytes(path, "previous"));
        QVERIFY(!SavePictureAsBitmap(QImage(), path));
        QCOMPARE(FileBytes(path), QByteArray("previous"));
        QVERIFY(!SavePictureAsBitmap(Filled(2, 2, 0), dir.filePath(u"nowhere/image.bmp"_qs)));
        QVERIFY(SavePictureAsBitmap(Filled(2, 2, 0), path)); // replaced once it can be
        QCOMPARE(QImage(path).size(), QSize(2, 2));
    }
};

QTEST_GUILESS_MAIN(TestPictureWork)
#include "tst_picturework.moc"
