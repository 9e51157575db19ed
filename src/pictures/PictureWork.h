#pragma once
// The picture editor's pixel work: what a size box keeps of what is typed, stretching a picture
// to a size, and the additive brightness change. Pixels are reached a scan line at a time.

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

constexpr int kMaxPictureSide = 32767;
constexpr int kMaxBrightnessStep = 100;
// A month window's calendar area, in pixels: the size "Taille du calendrier" proposes.
constexpr QSize kCalendarAreaSize(673, 481);
// The largest picture the editor makes: one that a ".cal" file still reads back (a 24-bit
// bitmap decoded in 256 MB at most), 7000 x 7000 and more besides.
constexpr qint64 kMaxEditedPixels = qint64(60) * 1000 * 1000;

// The text a size box keeps for what was typed: the integer part of its value, held within
// 0..32767 ("40000" -> "32767", "-5" -> "0", "12,5" -> "12", "" -> "0").
QString SizeBoxText(const QString& typed);

// Whether a picture of that size can be made: both sides at least one pixel, and not more
// pixels than kMaxEditedPixels.
bool StretchSizeAllowed(const QSize& size);

// The whole picture stretched over the new size, proportions not kept, smoothly filtered.
// A null picture when the size is not allowed or memory runs out.
QImage StretchPicture(const QImage& picture, const QSize& size);

// Called between bands of rows with the rows done so far and the row count.
using RowProgress = std::function<void(int rowsDone, int rows)>;

// Adds amount to the red, green and blue of every pixel, each held within 0..255 (alpha is
// kept): +30 makes (250, 10, 0) into (255, 40, 30). An amount of 0 or outside -100..100 changes
// nothing. A palette picture has its colour table changed; a picture in another format is
// first brought to a 32-bit one.
void AdjustBrightness(int amount, QImage& picture, const RowProgress& progress = {});

// Writes the picture as a Windows bitmap, replacing the file only once it is complete: a failed
// save leaves the old file as it was. False on failure (or for a null picture).
bool SavePictureAsBitmap(const QImage& picture, const QString& path);
