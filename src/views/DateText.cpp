#include "views/DateText.h"

#include <QLocale>

QString ShortDateText(const DateRec& date)
{
    return QStringLiteral("%1 %2 %3")
        .arg(date.Day, 2, 10, QLatin1Char('0'))
        .arg(QLocale().monthName(date.Month, QLocale::ShortFormat))
        .arg(date.Year, 4, 10, QLatin1Char('0'));
}
