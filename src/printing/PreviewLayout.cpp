#include "printing/PreviewLayout.h"

namespace {

// Centred along one side when smaller than it, else at 0.
int Centred(int container, int inner)
{
    return inner < container ? (container - inner) / 2 : 0;
}

} // namespace

PageScroll PlacePage(int view, int page, int margin)
{
    PageScroll s;
    if (page + margin > view) {
        s.Bar = true;
        s.Min = view - page - margin;
        s.Max = margin;
        s.Value = s.Min;
        s.Position = s.PositionAt(s.Value);
    } else {
        s.Position = Centred(view, page);
    }
    return s;
}

QPoint CentreInContainer(QSize container, QSize inner)
{
    return QPoint(Centred(container.width(), inner.width()), Centred(container.height(), inner.height()));
}
