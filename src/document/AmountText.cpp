#include "document/AmountText.h"

#include "document/NumberText.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// Blanks a pasted amount may group its digits with: space, no-break space, narrow no-break space.
bool IsGroupingBlank(QChar c)
{
    return c == u' ' || c == u'\u00A0' || c == u'\u202F';
}

// A non-negative number as it is being typed: digits without leading zeros, then a point and
// any digits. Empty only where a minus sign stands before it.
bool IsUnsignedBeingTyped(QStringView text, bool mayBeEmpty)
{
    static const QRegularExpression number(QStringLiteral("^(0|[1-9][0-9]*)(\\.[0-9]*)?$"));
    return (mayBeEmpty && text.isEmpty()) || number.match(text).hasMatch();
}

} // namespace

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

AmountEdit FilterAmount(QStringView typed, int cursor, AmountSign sign)
{
    // The digits, the decimal point and, for Kept, whether a minus was typed anywhere.
    QString digits;
    digits.reserve(typed.size());
    bool negative = false;
    int at = 0;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        const bool dropped = IsGroupingBlank(c) || c == u'-';
        negative = negative || c == u'-';
        if (dropped) {
            if (i < cursor) --at;
            continue;
        }
        digits.append(c == u',' ? u'.' : c);
    }
    at += cursor;
    if (sign == AmountSign::Absolute) negative = false;
    const QString head = negative ? QStringLiteral("-") : QString();

    if (IsUnsignedBeingTyped(digits, negative)) return {head + digits, at + int(head.size())};
    // Not a number being typed: the number it reads as (a minus typed in an absolute box reads
    // as part of it, and goes).
    QString settled = sign == AmountSign::Absolute ? AbsoluteAmountText(digits)
                                                   : PlainNumberText(std::fabs(ReadNumber(digits)));
    if (negative && settled == u"0") settled.clear();
    settled.prepend(head);
    return {settled, int(settled.size())};
}
