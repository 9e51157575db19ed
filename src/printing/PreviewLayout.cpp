#include "printing/PreviewLayout.h"

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
        s.Position = page < view ? (view - page) / 2 : 0;
    }
    return s;
}
