#pragma once
// The amount boxes of the editors: what they show once a number was typed.

#include <QString>
#include <QStringView>

// A number as plain decimal text without blanks: 26, 12.5, 0.
QString PlainNumberText(double value);

// The absolute value of the number read from the text, as plain decimal text ("-40" -> "40",
// "abc" -> "0"). What the event editor copies between its two amount boxes.
QString AbsoluteAmountText(QStringView typed);

// What a minus sign does in an amount box: an entry's amount keeps it; the boxes that hold an
// absolute value (a balance movement, the alarm days, an account's start amount) drop it.
enum class AmountSign
{
    Kept,
    Absolute
};

struct AmountEdit
{
    QString Text;
    int Cursor = 0;
};

// An amount box after an edit. The comma is the decimal separator a French user types and
// becomes the point the stored text is read with ("12,50" -> "12.50", never 1250); blanks
// between digit groups go. A plain number, or one being typed ("12.", "-"), then stays as it
// is; anything else becomes the number it reads as, with the cursor at the end. With Kept, a
// minus typed anywhere makes the amount negative; with Absolute the value loses its sign.
AmountEdit FilterAmount(QStringView typed, int cursor, AmountSign sign);
