// The yardstick: the smallest Qt Widgets program with a main window around an MDI area.

#include "ShownProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    window.resize(1024, 768);
    ShownProbe probe(&window);
    window.show();
    return app.exec();
}
