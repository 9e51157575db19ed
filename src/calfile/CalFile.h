#pragma once
// A ".cal" file: a ZIP archive holding the data stream "caldata.cal" (protected by the
// document's password when it has one) and, when the document embeds its pictures, one bitmap
// member per picture in use. Progress goes to the session's progress lines; failures are
// reported to the user through ReportFileError.

#include "document/CalendarDocument.h"

#include <QString>

// Writes the document to target, atomically: the old file stays intact when anything fails.
// On success sets FilePath of doc and of the current document to target.
bool WriteCalFile(const QString& target, CalendarDocument& doc);

// Fills target (made blank first, view kept) from the file; asks for the password when the
// data member is protected and password (tried first when given) does not open it. False when
// the file could not be read or the prompt was cancelled.
bool ReadCalFile(const QString& path, CalendarDocument& target, const QString& password = {});

// Loads a bitmap, GIF or JPEG picture; an empty picture and false when that fails.
bool LoadPictureFile(const QString& path, QImage& picture);
