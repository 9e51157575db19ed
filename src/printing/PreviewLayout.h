#pragma once
// Where the print preview puts its page along one side of its view: centred when it fits, else
// with a scroll bar whose first value shows the page's top (or left) edge a margin inside the
// view. Moving the bar to a value places the page at Max + Min - value.

#include <QPoint>
#include <QSize>

struct PageScroll
{
    bool Bar = false;
    int Min = 0;
    int Max = 0;
    int Value = 0;
    int Position = 0; // the page's top (or left) edge in the view

    int PositionAt(int value) const { return Max + Min - value; }
};

// The preview's margin: 120 twips, 8 pixels.
constexpr int kPreviewMargin = 120 / 15;

PageScroll PlacePage(int view, int page, int margin = kPreviewMargin);

// Where an inner box goes in its container: centred along each side where it is smaller than
// the container, else at 0. The preview's message panel sits there.
QPoint CentreInContainer(QSize container, QSize inner);
