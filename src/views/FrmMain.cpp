#include "views/FrmMain.h"

#include "document/Session.h"

FrmMain::FrmMain(QWidget* parent) : QMainWindow(parent)
{
    Session& s = Session::Get();
    setWindowTitle(s.Caption());
    connect(&s, &Session::CaptionChanged, this, &QWidget::setWindowTitle);
    resize(1024, 768);
}
