#pragma once
// What the main window shows beside the navigation panel while no document is being edited:
// the logo ("Logo" mode) or the loading picture with its two progress lines ("Load" mode).

#include <QImage>
#include <QWidget>
#include <array>

class QLabel;

class LogoView : public QWidget
{
    Q_OBJECT
public:
    explicit LogoView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

class LoadingView : public QWidget
{
    Q_OBJECT
public:
    explicit LoadingView(QWidget* parent = nullptr);
    // Line 0 is the operation's title, line 1 its current step.
    QLabel* Line(int line) const { return m_lines[size_t(line)]; }
    void SetLine(int line, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_picture;
    std::array<QLabel*, 2> m_lines{};
};
