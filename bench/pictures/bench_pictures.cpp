// The picture editor's work on a camera-sized picture: brightening a 4000 x 3000 picture and
// stretching it to the calendar size. Photographs come as 32-bit pictures (JPEG) and as
// palette pictures (GIF).

#include "CameraPicture.h"
#include "Timing.h"
#include "pictures/PictureWork.h"

#include <QGuiApplication>
#include <QImage>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QImage camera = CameraPicture();
    const int runs = 15;
    qint64 kept = 0; // read back so that nothing is optimised away

    QImage working = camera;
    working.detach();
    Report("brighten 4000 x 3000 by +30, in place",
           Time(runs,
                [&](int i) {
                    AdjustBrightness(i % 2 ? -30 : 30, working);
                    kept += working.pixel(i, i);
                }),
           200);
    // The first change in the editor also copies the picture it was opened with.
    Report("brighten 4000 x 3000, the first time (with its copy)",
           Time(runs,
                [&](int) {
                    QImage shared = camera;
                    AdjustBrightness(30, shared);
                    kept += shared.pixel(7, 7);
                }),
           200);
    const QImage palette = camera.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    Report("brighten a 4000 x 3000 palette picture (GIF)",
           Time(5,
                [&](int) {
                    QImage gif = palette;
                    AdjustBrightness(30, gif);
                    kept += gif.pixel(7, 7);
                }),
           200);
    Report("stretch 4000 x 3000 to 673 x 481, smooth",
           Time(runs, [&](int) { kept += StretchPicture(camera, kCalendarAreaSize).pixel(5, 5); }), 100);
    Report("stretch 673 x 481 to 4000 x 3000, smooth",
           Time(5,
                [&](int) {
                    kept +=
                        StretchPicture(StretchPicture(camera, kCalendarAreaSize), camera.size()).pixel(5, 5);
                }),
           1000);
    return kept != 0 ? 0 : 1;
}
