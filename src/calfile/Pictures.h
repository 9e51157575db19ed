#pragma once
// Pictures in and out of a ".cal" file: Windows bitmaps are written; bitmaps, GIF and JPEG
// pictures are read, from a file or from an archive member.

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

// The picture as a Windows bitmap file; empty for an empty picture.
QByteArray EncodeBitmap(const QImage& picture);

// Whether bytes begin as a bitmap, GIF or JPEG picture does.
bool LooksLikePicture(QByteArrayView head);

// Decodes a bitmap, GIF or JPEG picture held in memory; an empty picture and false otherwise.
bool DecodePicture(QByteArrayView bytes, QImage& picture);
