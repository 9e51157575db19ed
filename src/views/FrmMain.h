#pragma once
// The main window: the frame that holds the month windows, the toolbar and the navigation panel.

#include <QMainWindow>

class FrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmMain(QWidget* parent = nullptr);
};
