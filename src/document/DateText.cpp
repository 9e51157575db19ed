#include "document/DateText.h"

#include <QLocale>

namespace {

QString DateText(const DateRec& date, QLocale::FormatType monthFormat)
{
    return QStringLiteral("%1 %2 %3")
        .arg(date.Day, 2, 10, QLatin1Char('0'))
        .arg(QLocale(QLocale::French, QLocale::France).monthName(date.Month, monthFormat))
        .arg(date.Year, 4, 10, QLatin1Char('0'));
}

} // namespace

QString ShortDateText(const DateRec& date)
{
    return DateText(date, QLocale::ShortFormat);
}

QString LongDateText(const DateRec& date)
{
    return DateText(date, QLocale::LongFormat);
}

QString SpokenDateText(const DateRec& date)
{
    const QLocale french(QLocale::French, QLocale::France);
    // WeekdayOf counts from Sunday = 1, Qt from Monday = 1.
    const int sundayFirst = WeekdayOf(date, false);
    const int weekday = sundayFirst == 1 ? 7 : sundayFirst - 1;
    return QStringLiteral("%1 %2 %3 %4")
        .arg(french.dayName(weekday, QLocale::LongFormat))
        .arg(date.Day)
        .arg(french.monthName(date.Month, QLocale::LongFormat))
        .arg(date.Year, 4, 10, QLatin1Char('0'));
}
