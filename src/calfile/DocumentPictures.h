#pragma once
// The pictures of a document just read from a ".cal" file.

#include "calfile/CalArchive.h"
#include "document/CalendarDocument.h"
#include "platform/Prompter.h"

// Loads them from the archive's members when the document embeds its pictures, else from their
// paths. Each failure is reported (kind 3 with the stored path kept, or kind 4 with the path
// cleared) naming fileName; the pictures are decoded on every core while the windows answer.
// When the program is ended meanwhile (StopRequested), nothing is loaded and nothing reported.
void LoadDocumentPictures(const QString& fileName, const ArchiveReader& archive, CalendarDocument& doc,
                          BusyCursor& busy);
