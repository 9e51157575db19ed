#include "document/Session.h"
#include "views/FrmMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Daybinder"));
    Session::Get().SetModified(PartAll, false);
    FrmMain w;
    w.show();
    return app.exec();
}
