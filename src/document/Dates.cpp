#include "document/Dates.h"

#include "document/NumberText.h"

#include <algorithm>

namespace {

struct Civil
{
    qint64 year;
    qint64 month;
    qint64 day;
};

qint64 FloorDiv(qint64 a, qint64 b)
{
    qint64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

Civil CivilFromDays(qint64 z)
{
    z += 719468;
    const qint64 era = FloorDiv(z, 146097);
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    const qint64 d = doy - (153 * mp + 2) / 5 + 1;
    const qint64 m = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

DateRec FromDays(qint64 days)
{
    const Civil c = CivilFromDays(days);
    return {qint16(c.day), qint16(c.month), qint16(c.year)};
}

// Two digits with a leading zero, a sign before negative values.
QString TwoDigits(int v)
{
    QString s = QString::number(qAbs(v)).rightJustified(2, u'0');
    return v < 0 ? u'-' + s : s;
}

} // namespace

qint64 DaysFromCivil(qint64 y, qint64 m, qint64 d)
{
    y -= m <= 2 ? 1 : 0;
    const qint64 era = FloorDiv(y, 400);
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DateRec MakeDate(int day, int month, int year)
{
    return {qint16(day), qint16(month), qint16(year)};
}

DateRec DateSerial(int year, int month, int day)
{
    const qint64 m0 = qint64(month) - 1;
    const qint64 y = qint64(year) + FloorDiv(m0, 12);
    const qint64 m = m0 - FloorDiv(m0, 12) * 12 + 1;
    return FromDays(DaysFromCivil(y, m, 1) + qint64(day) - 1);
}

DateRec AddDays(const DateRec& date, qint32 n)
{
    return DateSerial(date.Year, date.Month, qint64(date.Day) + n);
}

int DaysInMonth(int year, int month)
{
    return DateSerial(year, month + 1, 0).Day;
}

DateRec ClampedDate(int day, int month, int year)
{
    return MakeDate(std::min(day, DaysInMonth(year, month)), month, year);
}

DateRec FromQDate(const QDate& date)
{
    return MakeDate(date.day(), date.month(), date.year());
}

int WeekdayOf(const DateRec& date, bool firstOfMonth)
{
    const DateRec d =
        firstOfMonth ? DateSerial(date.Year, date.Month, 1) : DateSerial(date.Year, date.Month, date.Day);
    // 1 January 1970 was a Thursday (weekday 5).
    const qint64 days = DaysFromCivil(d.Year, d.Month, d.Day);
    return int(((days + 4) % 7 + 7) % 7) + 1;
}

bool DateIsAfter(const DateRec& a, const DateRec& b)
{
    if (a.Year != b.Year) return a.Year > b.Year;
    if (a.Month != b.Month) return a.Month > b.Month;
    return a.Day > b.Day;
}

bool DateInRange(const DateRec& d, const DateRec& first, const DateRec& last)
{
    return !DateIsAfter(d, last) && !DateIsAfter(first, d);
}

QString DateToText(const DateRec& date)
{
    // A year formatted "####" has no leading zeros, and zero gives no digit at all.
    const QString year = date.Year == 0 ? QString() : QString::number(date.Year);
    return year + u'-' + TwoDigits(date.Month) + u'-' + TwoDigits(date.Day);
}

DateRec TextToDate(QStringView text)
{
    auto part = [](QStringView s) { return qint16(RoundHalfEven(ReadNumber(s), -32768, 32767)); };
    const QStringView lastFive = text.size() > 5 ? text.right(5) : text;
    return {part(text.size() > 2 ? text.right(2) : text), part(lastFive.left(2)), part(text.left(4))};
}
