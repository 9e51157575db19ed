#include "document/MonthCaptions.h"

#include "resources/Strings.h"

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
    const int day = DayOfCell(year, month, cell);
    if (day == 0) return {};
    return QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
}
