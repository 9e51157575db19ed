#include "document/DateText.h"

#include <QDate>
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
    return QLocale(QLocale::French, QLocale::France)
        .toString(QDate(date.Year, date.Month, date.Day), QStringLiteral("dddd d MMMM yyyy"));
}
