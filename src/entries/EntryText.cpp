#include "entries/EntryText.h"

#include "document/Money.h"
#include "resources/Strings.h"

#include <algorithm>

namespace {

QString TypeCode(qint32 type)
{
    switch (type) {
    case EntryEvent:
        return Str(10019);
    case EntryIncome:
        return Str(10017);
    case EntryExpense:
        return Str(10018);
    default:
        return {};
    }
}

} // namespace

qint32 EntryTextColour(const ColourSettings& colours, const DayEntry& entry)
{
    if (entry.TextColour != -1) return entry.TextColour;
    switch (entry.EntryType) {
    case EntryIncome:
        return colours.Colour8;
    case EntryExpense:
        return colours.Colour9;
    default:
        return colours.Colour5;
    }
}

QString TypedListText(qint32 type, QStringView between, const QString& description)
{
    const QString code = TypeCode(type);
    if (code.isEmpty()) return {};
    QString text = u'(' + code + QStringLiteral(") - ");
    text += between;
    text += description;
    if (type != EntryEvent) text += u'$';
    return text;
}

QString EventsListText(const DayEntry& entry)
{
    return TypedListText(entry.EntryType, {}, entry.Description);
}

QList<EventsLine> EventsListLines(const CalendarDocument& doc, int month, int cell)
{
    QList<EventsLine> lines;
    if (!ValidMonth(month) || !ValidCell(cell)) return lines;
    const QList<DayEntry>& entries = doc.Month(month).Cell(cell).Entries;
    lines.reserve(entries.size());
    for (const DayEntry& e : entries) lines.append({EventsListText(e), e.Ticked, !e.PicturePath.isEmpty()});
    return lines;
}

bool EntryHasPicture(const CalendarDocument& doc, int month, int cell, int index)
{
    if (!ValidMonth(month) || !ValidCell(cell)) return false;
    const QList<DayEntry>& entries = doc.Month(month).Cell(cell).Entries;
    return index >= 0 && index < entries.size() && !entries[index].PicturePath.isEmpty();
}

std::array<CellLine, kCellLines> CellLines(const CalendarDocument& doc, int month, int cell)
{
    std::array<CellLine, kCellLines> lines;
    if (!ValidMonth(month) || !ValidCell(cell)) return lines;
    const ColourSettings& colours = doc.EffectiveColours(month);
    const QList<DayEntry>& entries = doc.Month(month).Cell(cell).Entries;
    for (int k = 0; k < kCellLines; ++k) {
        CellLine& line = lines[size_t(k)];
        line.Colour = colours.Colour5;
        if (k >= entries.size()) continue;
        if (k == kCellLines - 1 && entries.size() > kCellLines) {
            line.Text = QStringLiteral("[...]");
            continue;
        }
        const DayEntry& e = entries[k];
        line.Text = e.Description;
        if (e.EntryType != EntryEvent) line.Text += u'$';
        line.Strike = e.Ticked;
        line.Picture = !e.PicturePath.isEmpty();
        line.Colour = EntryTextColour(colours, e);
    }
    return lines;
}

DayTotals TotalsOf(const DayCell& day)
{
    DayTotals t;
    for (const DayEntry& e : day.Entries) {
        if (e.EntryType == EntryIncome)
            t.Incomes = AddRounded(t.Incomes, AmountOf(e.Description));
        else if (e.EntryType == EntryExpense)
            t.Expenses = AddRounded(t.Expenses, AmountOf(e.Description));
    }
    t.Total = DifferenceOf(t.Incomes, t.Expenses);
    return t;
}

DayTotals TotalsOfDay(const CalendarDocument& doc, int month, int cell)
{
    if (!ValidMonth(month) || !ValidCell(cell)) return {};
    return TotalsOf(doc.Month(month).Cell(cell));
}

DayTotalsTexts TotalsTexts(const DayTotals& totals)
{
    return {MoneyText(totals.Incomes), MoneyText(totals.Expenses), MoneyText(totals.Total)};
}
