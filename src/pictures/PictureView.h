#pragma once
// The picture editor's view: the picture at pixel scale inside the view area, moved by two
// scroll bars when it is larger than the area.

#include <QImage>
#include <QWidget>

class QScrollBar;

// The picture itself ("PicMain"), drawn from its top-left corner; only what is exposed is painted.
class PictureSurface : public QWidget
{
    Q_OBJECT
public:
    explicit PictureSurface(QWidget* parent = nullptr);
    const QImage& Image() const { return m_image; }
    // For work done in place; call update() to show it.
    QImage& Image() { return m_image; }
    void SetImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

class PictureView : public QWidget
{
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    PictureSurface* Surface() const { return m_surface; }
    QWidget* Zone() const { return m_zone; }
    QScrollBar* VerticalBar() const { return m_vBar; }
    QScrollBar* HorizontalBar() const { return m_hBar; }

    // Shows the picture with its top-left corner at the view's, and lays the view out.
    void ShowPicture(const QImage& picture);
    // The scroll bars for the picture's size: a bar is enabled when the picture is more than 10
    // pixels taller (wider) than the area; its range runs from (area - picture - 6) to 0, and
    // the picture sits at Max + Min - Value. The place shown is kept where it can be.
    void LayOut();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnScroll();

    QWidget* m_zone = nullptr;
    PictureSurface* m_surface = nullptr;
    QScrollBar* m_vBar = nullptr;
    QScrollBar* m_hBar = nullptr;
};
