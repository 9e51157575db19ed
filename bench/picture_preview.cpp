// How long the picture chooser takes to show the preview of a camera-sized picture, decoded
// straight to the preview's size, against decoding it whole.

#include "CameraPicture.h"
#include "pictures/ChooserRules.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

double MillisecondsPerRun(int runs, const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i) work();
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("camera.jpg"));
    const QImage picture = CameraPicture();
    if (!picture.save(path, "JPEG", 90)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }

    const int runs = 10;
    const QSize box(200, 160);
    qint64 pixels = 0; // kept so that no decoding is optimised away
    const double preview =
        MillisecondsPerRun(runs, [&] { pixels += LoadPicturePreview(path, box).Image.width(); });
    const double whole = MillisecondsPerRun(runs, [&] {
        const QImage full = QImageReader(path).read();
        pixels += full.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation).width();
    });
    std::printf("Preview of a 4000 x 3000 JPEG in a 200 x 160 box: %.1f ms (decoding it whole and scaling: "
                "%.1f ms)\n",
                preview, whole);
    std::printf("Memory of the decoded picture: %.0f KB for the preview, %.0f KB whole\n",
                LoadPicturePreview(path, box).Image.sizeInBytes() / 1024.0, picture.sizeInBytes() / 1024.0);
    return pixels > 0 ? 0 : 1;
}
