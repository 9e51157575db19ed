#include "pictures/PictureWork.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QImageReader>
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

QRgb Brightened(QRgb colour, int amount)
{
    QImage picture = Filled(3, 2, colour);
    AdjustBrightness(amount, picture);
    return picture.pixel(2, 1);
}

} // namespace

// The editor's pixel work: brightness, the size boxes, stretching, and the bitmap it saves.
class TestPictureWork : public QObject
{
    Q_OBJECT
private slots:
    void brightnessIsAddedToEachChannelAndHeld()
    {
        QCOMPARE(Brightened(qRgb(250, 10, 0), 30), qRgb(255, 40, 30));
        QCOMPARE(Brightened(qRgb(250, 10, 0), -30), qRgb(220, 0, 0));
        QCOMPARE(Brightened(qRgb(0, 128, 255), 100), qRgb(100, 228, 255));
        QCOMPARE(Brightened(qRgb(0, 128, 255), -100), qRgb(0, 28, 155));
    }

    void brightnessOutsideItsRangeOrZeroChangesNothing()
    {
        for (int amount : {0, 101, -101, 30000}) {
            QImage picture = Filled(4, 4, qRgb(120, 60, 30));
            const QImage before = picture;
            AdjustBrightness(amount, picture);
            QCOMPARE(picture, before);
        }
    }

    void brightnessReachesEveryPixelAndKeepsTransparency()
    {
        // Rows of different widths and a last odd column: no pixel may be skipped.
        QImage picture(37, 23, QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgba(x, y, 200, 40 + y));
        AdjustBrightness(10, picture);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                QCOMPARE(picture.pixel(x, y), qRgba(x + 10, y + 10, 210, 40 + y));
    }

    void palettePicturesAreBrightenedToo()
    {
        // A GIF loads with a colour table.
        QImage gif(5, 5, QImage::Format_Indexed8);
        gif.setColorTable({qRgb(250, 10, 0), qRgb(0, 0, 0)});
        gif.fill(0);
        gif.setPixel(4, 4, 1);
        AdjustBrightness(30, gif);
        QCOMPARE(gif.pixel(0, 0), qRgb(255, 40, 30));
        QCOMPARE(gif.pixel(4, 4), qRgb(30, 30, 30));
    }

    void theCopyItWasTakenFromStaysAsItWas()
    {
        // Reset and Cancel go back to the picture the editor was opened with.
        QImage gif(4, 4, QImage::Format_Indexed8);
        gif.setColorTable({qRgb(250, 10, 0)});
        gif.fill(0);
        QImage photo = Filled(4, 4, qRgb(250, 10, 0));
        for (QImage* picture : {&gif, &photo}) {
            const QImage original = *picture;
            AdjustBrightness(-30, *picture);
            QCOMPARE(picture->pixel(3, 3), qRgb(220, 0, 0));
            QCOMPARE(original.pixel(3, 3), qRgb(250, 10, 0));
            AdjustBrightness(10, *picture); // its own copy now, changed in place
            QCOMPARE(picture->pixel(3, 3), qRgb(230, 10, 10));
        }
    }

    void brightnessReportsItsProgressToTheLastRow()
    {
        QImage picture = Filled(10, 1000, qRgb(1, 2, 3));
        QList<int> done;
        AdjustBrightness(5, picture, [&](int rows, int total) {
            QCOMPARE(total, 1000);
            done.append(rows);
        });
        QVERIFY(done.size() >= 10 && done.size() <= 60);
        QVERIFY(std::is_sorted(done.begin(), done.end()));
        QCOMPARE(done.last(), 1000);
    }

    void sizeBoxesKeepAWholeNumberWithinRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("plain") << "673"
                               << "673";
        QTest::newRow("too large") << "40000"
                                   << "32767";
        QTest::newRow("negative") << "-5"
                                  << "0";
        QTest::newRow("decimal comma") << "12,5"
                                       << "12";
        QTest::newRow("decimal point") << "99.9"
                                       << "99";
        QTest::newRow("emptied") << ""
                                 << "0";
        QTest::newRow("a leading zero") << "05"
                                        << "5";
        QTest::newRow("letters") << "abc"
                                 << "0";
        QTest::newRow("letters after") << "48px"
                                       << "48";
        QTest::newRow("huge") << "99999999999999999999"
                              << "32767";
    }
    void sizeBoxesKeepAWholeNumberWithinRange()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(SizeBoxText(typed), kept);
    }

    void stretchingFillsTheNewSizeWithoutKeepingProportions()
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
    }

    void sizesThatMakeNoPictureOrTooLargeOneAreRefused()
    {
        const QImage picture = Filled(20, 10, qRgb(9, 9, 9));
        QVERIFY(StretchPicture(picture, QSize(0, 10)).isNull());
        QVERIFY(StretchPicture(picture, QSize(10, 0)).isNull());
        QVERIFY(!StretchSizeAllowed(QSize(32767, 32767)));
        QVERIFY(StretchSizeAllowed(QSize(32767, 1)));
        QVERIFY(StretchSizeAllowed(QSize(7000, 7000)));
        QVERIFY(StretchPicture(QImage(), QSize(10, 10)).isNull());
    }

    void savedBitmapOpensElsewhereWithItsSize()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"étirée.bmp"_qs);
        QImage picture = StretchPicture(Filled(40, 30, qRgb(250, 10, 0)), QSize(673, 481));
        AdjustBrightness(30, picture);
        QVERIFY(SavePictureAsBitmap(picture, path));
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage read = reader.read();
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
