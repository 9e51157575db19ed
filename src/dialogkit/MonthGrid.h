#pragma once
// One month's grid drawn as a single widget: weekday headings, 42 cells with their day numbers
// and seven entry lines, over the calendar area's picture. It only paints what it is given; the
// month window decides the content. Geometry comes from MonthLayout in twips and is scaled to
// the widget, so the grid fills its window at any size.

#include "dialogkit/MonthLayout.h"
#include "document/MonthCaptions.h"

#include <QAccessible>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <array>

struct GridCell
{
    QString Day;  // "01".."31", "" outside the month
    DateRec Date; // zeros outside the month
    std::array<CellLine, kCellLines> Lines;
    bool Opaque = true; // false lets the picture show through
    qint32 Back = 0xFFFFFF;
    qint32 DayColour = 0xC0C0C0;
};

class MonthGrid : public QWidget
{
    Q_OBJECT
public:
    explicit MonthGrid(QWidget* parent = nullptr);

    GridCell& Cell(int cell) { return m_cells[size_t(cell - kFirstCell)]; }
    const GridCell& Cell(int cell) const { return m_cells[size_t(cell - kFirstCell)]; }

    std::array<QString, 7> Headings;
    qint32 HeadingBack = 0;
    qint32 HeadingText = 0xFFFFFF;
    bool ShowGrids = true;
    QImage Picture; // the calendar area's persistent picture, at its natural pixel size

    // The line label drawn with a border while its context menu is open (cell 0 = none).
    void SetBorderedLine(int cell, int line);
    int BorderedCell() const { return m_borderCell; }

    // Redraws one cell, or the whole grid.
    void UpdateCell(int cell);

    // New entry lines for a cell; a screen reader hears of its new name.
    void SetCellLines(int cell, const std::array<CellLine, kCellLines>& lines);

    // The selected day's cell (0 = none): framed while the grid has the keyboard focus, and the
    // focused cell for assistive technologies, which hear of each change.
    void SetCurrentCell(int cell);
    int CurrentCell() const { return m_currentCell; }
    // Where the changes go; tests listen here, as no screen reader runs offscreen.
    static inline void (*Announce)(QAccessibleEvent* event) = QAccessible::updateAccessibility;

    // "mardi 8 décembre 2026 : Loyer 850$, Hydro 135$": the date and the lines the cell shows;
    // "" outside the month.
    QString CellName(int cell) const;

    // Pixel rectangle of a twips rectangle at the current size, and back.
    QRect ToPixels(const QRect& twips) const;
    QPoint ToTwips(QPoint pixels) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void CellReleased(int cell, int line, Qt::MouseButton button, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PaintCell(QPainter& p, int cell);
    void PaintHeadings(QPainter& p);
    int PaintPictureMark(QPainter& p, const QRect& line);
    void PaintFocusFrame(QPainter& p, const QRect& box);
    void AnnounceCurrentCell();

    std::array<GridCell, kCellCount> m_cells;
    int m_borderCell = 0;
    int m_borderLine = -1;
    int m_currentCell = 0;
    QFont m_headingFont;
    QFont m_dayFont;
    QFont m_lineFont;
};

// A picture layer the size of the calendar area: the background drawn into target (pixels),
// transparent elsewhere; made at the screen's pixel ratio, so that a stretched picture stays
// sharp on a dense screen.
QImage CalendarAreaPicture(const QImage& picture, qint32 mode, const QRect& target,
                           qreal devicePixelRatio = 1);
