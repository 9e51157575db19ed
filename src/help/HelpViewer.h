#pragma once
// The help viewer: one window for the whole program, reused for every page.

#include <QMainWindow>

class QTextBrowser;

class HelpViewer : public QMainWindow
{
    Q_OBJECT
public:
    static HelpViewer& Instance();
    void ShowPage(const QString& file);

    // Closes the viewer when the program ends.
    static void CloseIfOpen();

private:
    HelpViewer();
    QTextBrowser* m_browser;
};
