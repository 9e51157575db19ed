#pragma once
// Whole files in and out of memory, with the system's reason when that fails.

#include "calfile/FileError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reads a whole regular file. A folder, a device or a pipe is refused (it could block or never
// end), and so is a file larger than limit bytes.
bool ReadWholeFile(const QString& path, qint64 limit, QByteArray* bytes, FileError* error);

// Replaces the file at path with bytes, atomically: they are written to a new file beside it,
// which is renamed over the old one only once complete. On failure the old file is untouched.
bool ReplaceFile(const QString& path, QByteArrayView bytes, FileError* error);
