#pragma once
// Windows-1252, the single-byte text of CAL data streams. All 256 bytes decode; the five bytes
// the code page leaves undefined map to the C1 control of the same value, so every byte
// sequence survives a decode/encode round trip.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

QString DecodeCp1252(QByteArrayView bytes);

// Characters outside the code page are replaced by '?' and make *ok false.
QByteArray EncodeCp1252(QStringView text, bool* ok = nullptr);

// True when the character has a byte in the code page.
bool IsCp1252(char16_t c);
