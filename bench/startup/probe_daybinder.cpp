// The program's own start-up, up to the first paint of the main window.

#include "ShownProbe.h"
#include "app/Main.h"
#include "app/Program.h"
#include "views/MainWindow.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::unique_ptr<ShownProbe> probe;
    return RunProgram(app, [&probe](Program& p) { probe = std::make_unique<ShownProbe>(p.Window()); });
}
