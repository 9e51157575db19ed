#pragma once
// The amount boxes of the editors: what they show once a number was typed.

#include <QString>
#include <QStringView>

// A number as plain decimal text without blanks: 26, 12.5, 0.
QString PlainNumberText(double value);

// The absolute value of the number read from the text, as plain decimal text ("-40" -> "40",
// "abc" -> "0"). What the event editor copies between its two amount boxes.
QString AbsoluteAmountText(QStringView typed);

// A box that keeps the absolute value of what is typed: text that is already a plain
// non-negative number, or one being typed ("12."), stays; anything else is replaced by its
// absolute value, so a minus sign or letters never stay.
QString FilterAbsoluteAmount(QStringView typed);
