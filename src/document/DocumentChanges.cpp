#include "document/DocumentChanges.h"

#include <QSet>
#include <algorithm>

namespace {

// Two lists are the same when they share their items or hold equal ones in the same order.
template <class T, class Same> bool SameList(const QList<T>& a, const QList<T>& b, Same same)
{
    if (a.size() != b.size()) return false;
    if (a.constData() == b.constData()) return true;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i])) return false;
    return true;
}

bool SameHeader(const CalendarDocument& a, const CalendarDocument& b)
{
    return a.Author == b.Author && a.Year == b.Year && a.MonthToOpen == b.MonthToOpen &&
           a.Password == b.Password && a.EmbedPictures == b.EmbedPictures;
}

bool SameAutoEvents(const AutoEventList& a, const AutoEventList& b)
{
    return a.AENextId == b.AENextId && SameList(a.AutoEvents, b.AutoEvents, [](const auto& x, const auto& y) {
               return x.Key == y.Key && !AutoEventDiffers(x, y);
           });
}

bool SameBirthdays(const BirthdayList& a, const BirthdayList& b)
{
    return a.BDNextId == b.BDNextId && SameList(a.Birthdays, b.Birthdays, [](const auto& x, const auto& y) {
               return x.Key == y.Key && !BirthdayDiffers(x, y);
           });
}

bool SameAccounts(const DebtSavingList& a, const DebtSavingList& b)
{
    return SameList(a.DebtsSavings, b.DebtsSavings,
                    [](const auto& x, const auto& y) { return !DebtSavingDiffers(x, y); });
}

bool SameDay(const DayCell& a, const DayCell& b)
{
    return SameList(a.Entries, b.Entries, SameEntry);
}

bool SameDays(const MonthData& a, const MonthData& b)
{
    for (size_t i = 0; i < a.Cells.size(); ++i)
        if (!SameDay(a.Cells[i], b.Cells[i])) return false;
    return true;
}

} // namespace

bool SameEntry(const DayEntry& a, const DayEntry& b)
{
    return !EntryDiffers(a, b) && a.Ticked == b.Ticked && a.LinkKey == b.LinkKey &&
           a.Picture.cacheKey() == b.Picture.cacheKey();
}

bool SameContent(const CalendarDocument& a, const CalendarDocument& b)
{
    if (!SameHeader(a, b) || !SameAutoEvents(a.AE, b.AE) || !SameBirthdays(a.BD, b.BD) ||
        !SameAccounts(a.DE, b.DE) || BackgroundDiffers(a.DefaultBackground, b.DefaultBackground) ||
        ColoursDiffers(a.DefaultColours, b.DefaultColours))
        return false;
    for (int m = 1; m <= 12; ++m) {
        const MonthData& x = a.Month(m);
        const MonthData& y = b.Month(m);
        if (BackgroundDiffers(x.Background, y.Background) || ColoursDiffers(x.Colours, y.Colours) ||
            !SameDays(x, y))
            return false;
    }
    return true;
}

CalendarDocument ContentOf(const CalendarDocument& doc)
{
    CalendarDocument content = doc; // shares every list and picture
    content.FilePath.clear();
    content.IsSaved = false;
    SetPartFlags(content, PartAll, false, 0);
    return content;
}

void KeepServerPairing(CalendarDocument& restored, const CalendarDocument& left)
{
    restored.Sync = left.Sync;
    QSet<QString> used;
    bool missing = false;
    for (const MonthData& month : std::as_const(restored.Months))
        for (const DayCell& cell : month.Cells)
            for (const DayEntry& e : cell.Entries) {
                if (e.Uid.isEmpty()) missing = true;
                used.insert(e.Uid);
            }
    if (!missing) return;
    for (size_t m = 0; m < restored.Months.size(); ++m)
        for (size_t c = 0; c < size_t(kCellCount); ++c) {
            const QList<DayEntry>& theirs = left.Months[m].Cells[c].Entries;
            const QList<DayEntry>& mine = std::as_const(restored.Months[m].Cells[c].Entries);
            if (std::none_of(mine.begin(), mine.end(), [](const DayEntry& e) { return e.Uid.isEmpty(); }))
                continue;
            for (DayEntry& e : restored.Months[m].Cells[c].Entries) {
                if (!e.Uid.isEmpty()) continue;
                for (const DayEntry& other : theirs)
                    if (!other.Uid.isEmpty() && !used.contains(other.Uid) && SameEntry(other, e)) {
                        e.Uid = other.Uid;
                        used.insert(other.Uid);
                        break;
                    }
            }
        }
}

void MarkPartsAgainst(CalendarDocument& doc, const CalendarDocument& saved)
{
    doc.HeaderModified = !SameHeader(doc, saved);
    doc.AE.AEModified = !SameAutoEvents(doc.AE, saved.AE);
    doc.BD.BDModified = !SameBirthdays(doc.BD, saved.BD);
    doc.DE.DEModified = !SameAccounts(doc.DE, saved.DE);
    doc.DefaultBackground.Modified = BackgroundDiffers(doc.DefaultBackground, saved.DefaultBackground);
    doc.DefaultColours.Modified = ColoursDiffers(doc.DefaultColours, saved.DefaultColours);
    for (int m = 1; m <= 12; ++m) {
        MonthData& month = doc.Month(m);
        const MonthData& before = saved.Month(m);
        month.EntriesModified = !SameDays(month, before);
        month.Background.Modified = BackgroundDiffers(month.Background, before.Background);
        month.Colours.Modified = ColoursDiffers(month.Colours, before.Colours);
    }
    doc.IsSaved = !AnyPartModified(doc);
}

std::bitset<12 * kCellCount> ChangedDays(const CalendarDocument& a, const CalendarDocument& b)
{
    std::bitset<12 * kCellCount> days;
    for (int m = 1; m <= 12; ++m)
        for (int c = kFirstCell; c <= kLastCell; ++c)
            if (!SameDay(a.Month(m).Cell(c), b.Month(m).Cell(c))) days.set(DayIndex(m, c));
    return days;
}

bool MonthColoursChanged(const CalendarDocument& before, const CalendarDocument& after, int month)
{
    return before.Month(month).Colours.UseDefault != after.Month(month).Colours.UseDefault ||
           ColoursDiffers(before.EffectiveColours(month), after.EffectiveColours(month));
}

bool MonthBackgroundChanged(const CalendarDocument& before, const CalendarDocument& after, int month)
{
    return before.Month(month).Background.UseDefault != after.Month(month).Background.UseDefault ||
           BackgroundDiffers(before.EffectiveBackground(month), after.EffectiveBackground(month));
}

QList<int> MonthsToRebuild(const CalendarDocument& before, const CalendarDocument& after)
{
    QList<int> months;
    const bool yearChanged = before.Year != after.Year;
    for (int m = 1; m <= 12; ++m)
        if (yearChanged || MonthColoursChanged(before, after, m) || MonthBackgroundChanged(before, after, m))
            months.append(m);
    return months;
}
