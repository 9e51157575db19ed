#pragma once
// The printed calendar: one page per selected month, laid out as a wall calendar of six weeks
// by seven days with each day's first seven entries, on the printable area the printer reports;
// or a single picture on a page. Everything is drawn through cmAPIPrinter, in centimetres from
// the top-left corner of the paper.

#include "document/CalendarDocument.h"

#include <QList>
#include <QString>
#include <array>

class cmAPIPrinter;

// The "Printer" settings a job follows.
struct PrintOptions
{
    qint16 Copies = 1;
    std::array<qint32, 12> Months{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}; // non-zero: print the month
    qint32 Background = 1;                                             // non-zero: print pictures

    // The values held in memory (Settings::Get()).
    static PrintOptions FromSettings();
};

// An empty picture path asks for the calendar; a path asks for its picture on one page.
inline bool IsPictureRequest(const BackgroundSettings& request)
{
    return !request.PicturePath.isEmpty();
}

// The months of a calendar job in page order: the selected months in calendar order, once for
// each copy (collated sets).
QList<int> PrintedMonths(const PrintOptions& options);

// The months the preview pages through: those whose flag is exactly 1, once each.
QList<int> PreviewMonths(const PrintOptions& options);

// The progress line of page n of a job: "Page 03 de 12 ...".
QString PageProgressText(int page, int total);

// The colour an entry of a day prints in: its own colour, else the month's colour for its type.
qint32 EntryTextColour(const CalendarDocument& doc, int month, int cell, int entry);

// One grid cell: the large day number behind, then the first seven entries, right-aligned.
void DrawDayCell(cmAPIPrinter& printer, const CalendarDocument& doc, int month, int cell, float right,
                 float top, qint32 dayColour, float columnWidth, float rowHeight);

// One page: the month of a calendar request (any other month draws nothing), or the request's
// picture. The month's background picture is printed only when printBackground is non-zero.
void PrintPage(cmAPIPrinter& printer, const CalendarDocument& doc, int month,
               const BackgroundSettings& request, qint32 printBackground);
