// Draws the program icon into a PNG at build time: beside the program for the user's own desktop
// entry (256 pixels), and at each size of the icon theme for the installation.
// Usage: daybinder_icongen OUTPUT.png [SIZE]

#include "views/Icons.h"

#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int side = argc == 3 ? std::atoi(argv[2]) : 256;
    if (argc < 2 || argc > 3 || side < 16 || side > 1024) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [SIZE from 16 to 1024]\n", argv[0]);
        return 2;
    }
    return ProgramIcon().pixmap(side, side).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
