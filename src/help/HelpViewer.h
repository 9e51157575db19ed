#pragma once
// The help viewer: one window for the whole program, reused for every page, with back, forward
// and home (the index of the pages) and the page's title in its caption.

#include <QMainWindow>

class QAction;
class QUrl;
class QTextBrowser;

class HelpViewer : public QMainWindow
{
    Q_OBJECT
public:
    static HelpViewer& Instance();
    void ShowPage(const QString& file);

    QTextBrowser* Browser() const { return m_browser; }

    // Closes the viewer when the program ends.
    static void CloseIfOpen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Back to the index of the pages shown.
    void GoHome();
    void AttachTo(QWidget* modal);
    void Detach();
    HelpViewer();
    void OnSourceChanged(const QUrl& page);

    QTextBrowser* m_browser;
    QAction* m_home = nullptr;
};
