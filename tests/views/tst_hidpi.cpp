// The month windows on a screen of twice the density (QT_SCALE_FACTOR=2, as a 192 dpi desktop):
// a stretched background keeps the screen's pixels instead of being blown up from a small copy.

#include "ShellFixture.h"

#include <QApplication>
#include <QTest>

class TestHiDpi : public QObject
{
    Q_OBJECT
private slots:
    void stretchedBackgroundsUseEveryScreenPixel()
    {
        ShellFixture f;
        f.NewDocument(2026);
        MonthWindow* march = f.main->MonthWindowFor(3);
        QCOMPARE(march->Grid()->devicePixelRatioF(), 2.0);

        // Stripes one screen pixel wide: only a picture made at the screen's density keeps them.
        QImage stripes(1346, 962, QImage::Format_RGB32);
        for (int x = 0; x < stripes.width(); ++x)
            for (int y = 0; y < stripes.height(); ++y) stripes.setPixel(x, y, x % 2 ? 0xFF0000 : 0x0000FF);
        BackgroundSettings& b = Session::Get().CurrentDocument.DefaultBackground;
        b.PicturePath = u"/pictures/stripes.bmp"_qs;
        b.Picture = stripes;
        b.Mode = 1; // stretched
        march->DrawMonthBackground();

        const QImage& layer = march->Grid()->Picture;
        QCOMPARE(layer.devicePixelRatio(), 2.0);
        QCOMPARE(layer.size(), QSize(1346, 962));
        QCOMPARE(layer.pixelColor(100, 100), QColor(Qt::blue));
        QCOMPARE(layer.pixelColor(101, 100), QColor(Qt::red));
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
