#pragma once
// The rules the picture chooser and the folder chooser share, apart from their windows: where
// they start, the form a folder is kept in, which files a pattern lists, and how a drive or
// folder that cannot be read is reported.

#include "platform/Prompter.h"

#include <QString>
#include <QStringList>
#include <optional>

// Why a drive or folder cannot be shown; nothing when it can.
struct FolderError
{
    qint32 Number = 0;
    QString Description;
};
// The numbers and texts the program has always used for folder failures.
enum FolderErrorNumber : qint32
{
    ErrBadFileName = 52,
    ErrAlreadyExists = 58,
    ErrDeviceUnavailable = 68,
    ErrPermissionDenied = 70,
    ErrPathAccess = 75,
    ErrPathNotFound = 76,
};
// The failure of that number with its description; an unknown number reads as "path not found".
FolderError FolderFailure(qint32 number);

std::optional<FolderError> CheckFolder(const QString& folder);
std::optional<FolderError> CheckDrive(const QString& root);

// The message for a drive or folder that failed, with Retry and Cancel.
PromptRequest FolderErrorMessage(const QString& name, const FolderError& error);

// Where a chooser starts: the folder asked for (the picture chooser's "ImgOpen") without its
// fixed-folder mark, or the program folder when that one is missing or cannot be read.
// Absolute, without a trailing separator (except the root).
QString ChooserStartFolder(const QString& wanted, const QString& programFolder);

// A folder path in the form the lists keep it: absolute and clean.
QString CleanFolder(const QString& folder);

// A file list's pattern ("*.bmp;*.gif") as the name filters of a folder listing.
QStringList PatternFilters(const QString& pattern);
