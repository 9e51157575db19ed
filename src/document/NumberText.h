#pragma once
// Reading numbers the way the program always has: leading blanks skipped, a decimal number that
// stops at the first character that cannot continue it, 0 when there is none.

#include <QStringView>
#include <QtGlobal>
#include <optional>
#include <string_view>

double ReadNumber(QStringView text);
double ReadNumber(std::string_view latin1);

// Nearest integer, ties to even, clamped to [lo, hi] (infinite values clamp too).
qint64 RoundHalfEven(double value, qint64 lo, qint64 hi);

// Nearest integer, ties to even; nothing when the result leaves the field's width.
std::optional<qint16> ToInteger(double value);
std::optional<qint32> ToLong(double value);

// A colour literal of the form "&H00FFFFFF&": the hexadecimal digits between "&H" and "&".
qint32 ParseColourLiteral(QStringView literal);
