#pragma once
// Colours are stored as 32-bit numbers with red in the low byte (0x00BBGGRR); -1 means none.

#include <QColor>

QColor ToQColor(qint32 value);
qint32 FromQColor(const QColor& colour);
