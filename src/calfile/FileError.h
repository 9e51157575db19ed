#pragma once
// What went wrong while a ".cal" file was read or written, and the one routine that tells the
// user about it.

#include "platform/Prompter.h"

#include <QString>
#include <QtGlobal>
#include <functional>

// The details of a kind-1 report: number, description and source, as the message shows them.
struct FileError
{
    qint32 Number = 0;
    QString Description;
    QString Source;
};

// Error numbers of the program's own file and stream handling (source "Daybinder").
enum FileErrorNumber : qint32
{
    ErrOverflow = 6,      // a number too large for its field
    ErrOutOfMemory = 7,   // a member or file larger than the program accepts
    ErrTypeMismatch = 13, // a line that is not a quoted value
    ErrFileNotFound = 53,
    ErrDeviceIO = 57,
    ErrDiskFull = 61,
    ErrPastEndOfFile = 62, // the stream ends early
    ErrPermissionDenied = 70,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
};

// Archive errors are numbered from here on, plus libzip's own code (source "libzip").
constexpr qint32 kArchiveErrorBase = 13000;

FileError ProgramError(qint32 number);
// An errno value after a failed system call on a file.
FileError SystemError(int err, bool writing);
// A libzip error code.
FileError ArchiveError(int zipErrorCode);

enum class FileErrorKind : qint32
{
    System = 1, // any system or archive error; Retry and Cancel
    UnknownVersion = 2,
    EmbeddedPicture = 3,   // extra: the picture's stored path
    ReferencedPicture = 4, // extra: the path that failed
    WrongPassword = 5,
};

// The message box ReportFileError shows.
PromptRequest FileErrorMessage(const QString& fileName, FileErrorKind kind, bool writing,
                               const FileError& error = {}, const QString& extra = {});

// Shows the message through the prompter and returns the button pressed (Retry or Cancel for
// kind 1, Ok otherwise).
PromptAnswer ReportFileError(const QString& fileName, FileErrorKind kind, bool writing,
                             const FileError& error = {}, const QString& extra = {});

// Runs one step of a file operation until it succeeds; each failure is reported (kind 1) and
// Retry runs the step again. False once the user chose Cancel. The busy pointer is lifted while
// the message shows.
bool RunWithRetry(const QString& fileName, bool writing, BusyCursor& busy,
                  const std::function<bool(FileError* error)>& step);
