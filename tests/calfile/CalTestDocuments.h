#pragma once
// Documents and checks shared by the CAL file tests.

#include "document/CalendarDocument.h"
#include "support/TestFiles.h"

#include <QByteArrayList>
#include <QImage>

// A document in which every stored field differs from its blank value, with Windows-1252 text
// and the extreme values of the 16- and 32-bit fields.
CalendarDocument FullDocument();
// A blank document with the defaults of the year.
CalendarDocument NewDocument(int year = 2026);

// The first stored field (one the data stream holds) in which the documents differ, named;
// empty when they agree on all of them.
QString StoredDifference(const CalendarDocument& a, const CalendarDocument& b);

// A stream made of these values, each quoted on its own CR LF line, and the values of a stream.
QByteArray StreamOf(const QByteArrayList& values);
QByteArrayList ValuesOf(const QByteArray& stream);

// Moves every picture path of the document into folder (keeping the file names) and writes a
// picture there for each, in the format its name ends with; the pictures are loaded too.
void CreatePictureFiles(CalendarDocument& doc, const QString& folder, QSize size = QSize(37, 23));

// A GIF file of one red pixel (the program can read GIF but not write it).
QByteArray TinyGif();
// A small picture with a pattern, so that pixel checks mean something.
QImage TestPicture(int seed, QSize size = QSize(37, 23));
// True when both pictures have the same size and the same colours.
bool SamePixels(const QImage& a, const QImage& b);
