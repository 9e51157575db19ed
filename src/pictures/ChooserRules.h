#pragma once
// The picture chooser's rules that do not depend on its window: which files it lists, what it
// keeps in the settings and the preview it shows.

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

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
