#pragma once
// The heavy document the benchmarks measure: every one of the 504 cells with 20 entries,
// 50 auto-events (10 of them daily), 20 debt/savings accounts, 100 birthdays, 13 embedded
// pictures of 673 x 481 pixels (the default background and the twelve months) and a password.

#include "document/CalendarDocument.h"

CalendarDocument MakeHeavyDocument(int year = 2026);

// A picture with some texture, so that it does not compress to nothing.
QImage MakeBenchPicture(int width, int height, int seed);

// Peak resident memory of this process so far, in kibibytes (0 when unknown).
long PeakMemoryKiB();

// Resident memory now, in kibibytes (0 when unknown).
long CurrentMemoryKiB();

// Starts the peak (PeakMemoryKiB) again from the current resident memory.
void ResetPeakMemory();

// What the document itself takes in memory: its pictures, texts and records.
qint64 DocumentBytes(const CalendarDocument& doc);
