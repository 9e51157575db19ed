// Draws the program icon into a PNG at build time, for the desktop entry: beside the program in
// the build tree, in the icon theme once installed.

#include "views/Icons.h"

#include <QGuiApplication>
#include <QPixmap>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) return 2;
    return ProgramIcon().pixmap(256, 256).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
