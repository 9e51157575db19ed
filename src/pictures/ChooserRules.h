#pragma once
// The picture chooser's rules that do not depend on its window: which files it lists, what it
// keeps in the settings, how it reports a folder it cannot read, and the preview it shows.

#include "platform/Prompter.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The picture types in the order of the type boxes: bitmap, JPEG, GIF.
constexpr int kPictureTypeCount = 3;
using PictureTypes = std::array<bool, kPictureTypeCount>;

struct ChooserOptions
{
    PictureTypes Types{true, true, true};
    bool Preview = true;
};

// Section "CmOpPic": read when the chooser opens, written only when a file is chosen. Settings
// that tick no type at all (edited by hand) list every type.
ChooserOptions ReadChooserOptions();
bool SaveChooserOptions(const ChooserOptions& options); // false when the file could not be written

// At least one type is always listed: a click that leaves none ticked is undone.
bool AnyPictureType(const PictureTypes& types);

// The file list's pattern: "*.bmp", "*.jpg;*.jpeg", "*.gif" for the ticked types, joined by ";".
QString PicturePattern(const PictureTypes& types);
// The pattern as the name filters of a folder listing.
QStringList PatternFilters(const QString& pattern);

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

// Where the chooser starts: the "ImgOpen" folder without its fixed-folder mark, or the program
// folder when that one is missing or cannot be read. Absolute, without a trailing separator
// (except the root).
QString ChooserStartFolder(const QString& imgOpen, const QString& programFolder);

// A folder path in the form the lists keep it: absolute and clean.
QString CleanFolder(const QString& folder);

// The preview of a picture file, decoded no larger than the box; Size is the picture's own size.
struct PicturePreview
{
    QImage Image;
    QSize Size;
    bool Loaded() const { return !Image.isNull(); }
};
PicturePreview LoadPicturePreview(const QString& path, const QSize& box);

// "L:673  x  H:481   (pixels)".
QString PictureSizeText(const QSize& size);
