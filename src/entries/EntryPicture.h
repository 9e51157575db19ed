#pragma once
// Loading an entry's special picture from its file.

#include <QImage>
#include <QString>

// A bitmap, GIF or JPEG picture; false and an empty picture when the file cannot be read.
bool LoadEntryPicture(const QString& path, QImage& picture);
