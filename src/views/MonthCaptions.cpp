#include "views/MonthCaptions.h"

#include "resources/Strings.h"
#include "views/MonthLayout.h"

QString MonthCaption(const CalendarDocument& doc, int month)
{
    return ValidMonth(month) ? Str(209 + month) + u' ' + doc.Year : QString();
}

int WeekdayHeadingText(int k)
{
    return k == 0 ? 407 : 400 + k;
}

QString DayCaption(int year, int month, int cell)
{
    if (!ValidMonth(month) || !ValidCell(cell)) return {};
    const int day = cell - MonthLayout::CellOfDay(0, WeekdayOf(MakeDate(1, month, year), true));
    if (day < 1 || day > DaysInMonth(year, month)) return {};
    return QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
}
