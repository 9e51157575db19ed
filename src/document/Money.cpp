#include "document/Money.h"

#include "document/NumberText.h"

#include <algorithm>
#include <limits>

QString TrimBlanks(QStringView text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b] == u' ') ++b;
    while (e > b && text[e - 1] == u' ') --e;
    return text.mid(b, e - b).toString();
}

QString MoneyDescription(QStringView name, QStringView amountText)
{
    QString n = TrimBlanks(name).left(kNameWidth);
    n = n.leftJustified(kNameWidth, u' ');
    return n + u' ' + amountText.toString();
}

QString NamePart(QStringView description)
{
    return TrimBlanks(description.left(kNameWidth));
}

QStringView AmountPart(QStringView description)
{
    return description.size() > kNameWidth ? description.mid(kNameWidth) : QStringView();
}

double AmountOf(QStringView description)
{
    return ReadNumber(AmountPart(description));
}

qint32 AddRounded(qint32 total, double amount)
{
    return qint32(RoundHalfEven(double(total) + amount, std::numeric_limits<qint32>::min(),
                                std::numeric_limits<qint32>::max()));
}

qint32 DifferenceOf(qint32 incomes, qint32 expenses)
{
    // Amounts are free text: a difference out of range stops at the limit rather than wrap.
    return qint32(std::clamp<qint64>(qint64(incomes) - expenses, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

QString MoneyText(qint32 value)
{
    return QString::number(value) + u'$';
}
