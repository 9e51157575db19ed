#include "entries/AmountText.h"

#include "document/NumberText.h"

#include <QRegularExpression>
#include <cmath>

QString PlainNumberText(double value)
{
    if (!std::isfinite(value) || value == 0.0) return QStringLiteral("0");
    if (std::fabs(value) >= 1e15) return QString::number(value, 'g', 15);
    QString text = QString::number(value, 'f', 6);
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString AbsoluteAmountText(QStringView typed)
{
    return PlainNumberText(std::fabs(ReadNumber(typed)));
}

QString FilterAbsoluteAmount(QStringView typed)
{
    static const QRegularExpression plain(QStringLiteral("^(0|[1-9][0-9]*)(\\.[0-9]*)?$"));
    if (plain.match(typed).hasMatch()) return typed.toString();
    return AbsoluteAmountText(typed);
}
