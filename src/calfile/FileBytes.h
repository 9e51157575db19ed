#pragma once
// Whole files in and out of memory, with the system's reason when that fails.

#include "calfile/FileError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

// Reads a whole regular file. A folder, a device or a pipe is refused (it could block or never
// end), and so is a file larger than limit bytes.
bool ReadWholeFile(const QString& path, qint64 limit, QByteArray* bytes, FileError* error);
// The same into the memory room(size) gives; *size is what was read (less when the file shrank).
bool ReadWholeFile(const QString& path, qint64 limit, const std::function<char*(qsizetype size)>& room,
                   qsizetype* size, FileError* error);

// Memory for a file read whole: from a few megabytes on, mapped in large pages where the system
// allows it, which saves most of the cost of touching fresh memory (tens of milliseconds for a
// ".cal" file of a dozen megabytes); a smaller file gets ordinary memory.
class LargeBuffer
{
public:
    explicit LargeBuffer(qsizetype size);
    ~LargeBuffer();
    LargeBuffer(const LargeBuffer&) = delete;
    LargeBuffer& operator=(const LargeBuffer&) = delete;

    char* Data() const { return m_data; } // nullptr when the memory could not be had
    qsizetype Size() const { return m_size; }

private:
    char* m_data = nullptr;
    qsizetype m_size = 0;
    size_t m_mapped = 0;
};

// Replaces the file at path with bytes, atomically: they are written to a new file beside it,
// which takes the old one's name (and permissions) only once complete and on the disk. On
// failure the old file is untouched and the new one removed. The calls go through FileSystem.
// The new file has a name of SaveTemporaries.h; those that killed saves left go first.
bool ReplaceFile(const QString& path, QByteArrayView bytes, FileError* error);
