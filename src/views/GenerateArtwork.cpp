// Build step: draws the program's pictures into files that become resources. They are kept as
// plain pixels (see Artwork.cpp), so that showing them needs no image decoder at start-up.
// Usage: daybinder_artgen OUTPUT_FOLDER

#include "views/ArtworkDrawing.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

// The layout Artwork.cpp reads: "DBPX", then width, height, format, bytes per line, colour
// count, device pixel ratio x 100 (quint32 each, little-endian), the colour table, the pixels.
bool SavePixels(const QImage& image, const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QDataStream out(&f);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("DBPX", 4);
    out << quint32(image.width()) << quint32(image.height()) << quint32(image.format())
        << quint32(image.bytesPerLine()) << quint32(image.colorCount())
        << quint32(qRound(image.devicePixelRatio() * 100));
    for (QRgb c : image.colorTable()) out << quint32(c);
    out.writeRawData(reinterpret_cast<const char*>(image.constBits()), int(image.sizeInBytes()));
    return out.status() == QDataStream::Ok && f.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const auto save = [&out](const QImage& image, const char* name) {
        if (SavePixels(image, out.filePath(QLatin1String(name)))) return true;
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(QLatin1String(name))));
        return false;
    };
    const bool ok = save(DrawLogoPicture(1), "logo") && save(DrawLogoPicture(2), "logo@2x") &&
                    save(DrawLoadingPicture(1), "loading") && save(DrawLoadingPicture(2), "loading@2x") &&
                    save(DrawSplashPicture(-1), "splash") && save(DrawSplashPicture(-1, 2), "splash@2x") &&
                    save(DrawSplashPicture(256), "splash256") && save(DrawSplashPicture(16), "splash16");
    return ok ? 0 : 1;
}
