#pragma once
// The splash window shown while the program loads: a picture chosen by the display's colour
// depth, the loading text and a progress bar from 0 to 100.

#include <QElapsedTimer>
#include <QWidget>

class QProgressBar;

class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);
    void SetProgress(int value);
    int Progress() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QProgressBar* m_progress;
    int m_value = 0;
    QElapsedTimer m_sinceDrawn; // since the bar last drew itself
};
