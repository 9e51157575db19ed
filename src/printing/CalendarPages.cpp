#include "printing/CalendarPages.h"

#include "document/Money.h"
#include "document/MonthCaptions.h"
#include "entries/EntryText.h"
#include "printing/ApiPrinter.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

namespace {

constexpr qint32 kBlack = 0;
constexpr float kPageMargin = 0.3f; // inside the printable area
constexpr float kHeadTop = 2.0f;    // the title (0 to 1 cm) and the weekday band (1 to 2 cm)
constexpr int kPrintedEntries = 7;
constexpr float kFirstLine = 0.175f;
constexpr float kLineStep = 0.35f;
constexpr float kEntryEnd = 0.15f; // from the cell's right edge
constexpr float kNameEnd = 1.4f;

PrintFont Arial(float size, bool bold)
{
    PrintFont f;
    f.Name = QStringLiteral("Arial");
    f.Size = size;
    f.Bold = bold;
    return f;
}

// The page's area inside the margins.
struct PageArea
{
    float X = 0, Y = 0, W = 0, H = 0;
};

PageArea AreaOf(const cmAPIPrinter& printer)
{
    return {printer.cmPage_MLeft() + kPageMargin, printer.cmPage_MTop() + kPageMargin,
            printer.cmPage_OWidth() - 2 * kPageMargin, printer.cmPage_OHeight() - 2 * kPageMargin};
}

void PrintMonthPage(cmAPIPrinter& printer, const CalendarDocument& doc, int month, qint32 printBackground)
{
    const PageArea a = AreaOf(printer);
    const float cw = a.W / 7.0f;
    const float rh = (a.H - kHeadTop) / 6.0f;
    const ColourSettings& c = doc.EffectiveColours(month);
    const BackgroundSettings& b = doc.EffectiveBackground(month);

    if (!b.PicturePath.isEmpty() && printBackground != 0)
        printer.cmOutput_PrintPicture(a.X, a.Y + kHeadTop, a.W, a.H - kHeadTop, b.Picture, b.Mode == 1,
                                      b.Mode == 2);
    printer.cmOutput_PrintBox(a.X, a.Y + 1, a.W, a.H - 1, false, kBlack, 5);
    if (c.ShowGrids) {
        for (int k = 0; k <= 5; ++k) {
            const float y = a.Y + kHeadTop + float(k) * rh;
            printer.cmOutput_PrintLine(a.X, y, a.X + a.W, y, kBlack, 0);
        }
        for (int k = 1; k <= 6; ++k) {
            const float x = a.X + float(k) * cw;
            printer.cmOutput_PrintLine(x, a.Y + kHeadTop, x, a.Y + a.H, kBlack, 0);
        }
    }
    printer.cmOutput_PrintText(a.X, a.Y, MonthCaption(doc, month), kBlack, Arial(22, true), false, false, 0);
    printer.cmOutput_PrintBox(a.X, a.Y + 1, a.W, 1, true, c.Colour6, 0);
    for (int k = 0; k < 7; ++k)
        printer.cmOutput_PrintText(a.X + float(k) * cw, a.Y + 1.2f, Str(WeekdayHeadingText(k)), c.Colour7,
                                   Arial(16, true), false, true, cw);
    for (int r = 0; r < 6; ++r)
        for (int col = 0; col < 7; ++col)
            DrawDayCell(printer, doc, month, kFirstCell + 7 * r + col, a.X + float(col + 1) * cw,
                        a.Y + kHeadTop + float(r) * rh, c.Colour2, cw, rh);
}

} // namespace

PrintOptions PrintOptions::FromSettings()
{
    const Settings& s = Settings::Get();
    return {s.Copies, s.PrintMonths, s.BckImg};
}

QList<int> PrintedMonths(const PrintOptions& options)
{
    QList<int> pages;
    for (int copy = 1; copy <= options.Copies; ++copy)
        for (int m = 1; m <= 12; ++m)
            if (options.Months[size_t(m - 1)] != 0) pages.append(m);
    return pages;
}

QList<int> PreviewMonths(const PrintOptions& options)
{
    QList<int> pages;
    for (int m = 1; m <= 12; ++m)
        if (options.Months[size_t(m - 1)] == 1) pages.append(m);
    return pages;
}

QString PageProgressText(int page, int total)
{
    const auto number = [](int n) { return QStringLiteral(" %1 ").arg(n, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("Page") + number(page) + QStringLiteral("de") + number(total) +
           QStringLiteral("...");
}

qint32 EntryTextColour(const CalendarDocument& doc, int month, int cell, int entry)
{
    const ColourSettings& colours = doc.EffectiveColours(month);
    const QList<DayEntry>& entries = doc.Month(month).Cell(cell).Entries;
    if (entry < 0 || entry >= entries.size()) return colours.Colour5;
    return EntryTextColour(colours, entries[entry]);
}

void DrawDayCell(cmAPIPrinter& printer, const CalendarDocument& doc, int month, int cell, float right,
                 float top, qint32 dayColour, float columnWidth, float rowHeight)
{
    if (!ValidMonth(month) || !ValidCell(cell)) return;
    PrintFont dayFont;
    dayFont.Name = QStringLiteral("Desdemona");
    dayFont.Size = cmAPIPrinter::cmConv_HeightToPoints(rowHeight - 0.6f);
    printer.cmOutput_PrintText(right - columnWidth, top, DayCaption(doc.YearNumber(), month, cell), dayColour,
                               dayFont, false, true, columnWidth);

    const PrintFont lineFont = Arial(8, true);
    const ColourSettings& colours = doc.EffectiveColours(month);
    const QList<DayEntry>& entries = doc.Month(month).Cell(cell).Entries;
    const int count = std::min<int>(kPrintedEntries, int(entries.size()));
    for (int i = 0; i < count; ++i) {
        const DayEntry& e = entries[i];
        const float y = top + kFirstLine + float(i) * kLineStep;
        const qint32 colour = EntryTextColour(colours, e);
        // Each text ends where it ends in the cell and, as in the month window, keeps only the
        // beginning that fits between there and the cell's left edge.
        const auto print = [&](float end, const QString& text) {
            const QString cut = printer.FittingText(text, lineFont, end - (right - columnWidth + kEntryEnd));
            printer.cmOutput_PrintText(end, y, cut, colour, lineFont, true, false, 0);
        };
        if (e.EntryType == EntryEvent) {
            print(right - kEntryEnd, e.Description);
        } else if (e.EntryType == EntryIncome || e.EntryType == EntryExpense) {
            print(right - kNameEnd, NamePart(e.Description));
            print(right - kEntryEnd, e.Description.mid(kNameWidth + 1).rightJustified(6, u' ') + u'$');
        }
    }
}

void PrintPage(cmAPIPrinter& printer, const CalendarDocument& doc, int month,
               const BackgroundSettings& request, qint32 printBackground)
{
    if (IsPictureRequest(request)) {
        const PageArea a = AreaOf(printer);
        printer.cmOutput_PrintPicture(a.X, a.Y, a.W, a.H, request.Picture, request.Mode != 0, false);
        return;
    }
    if (ValidMonth(month)) PrintMonthPage(printer, doc, month, printBackground);
}
