#include "entries/DayEntries.h"

#include "document/Session.h"
#include "entries/ListOps.h"

namespace {

bool DayChanged(bool changed, int month, int cell, int line)
{
    if (!changed) return false;
    Session& s = Session::Get();
    s.SetModified(PartMonthEntries, true, month);
    s.RequestRefresh(line);
    s.NotifyDayCellChanged(month, cell);
    return true;
}

} // namespace

DayCell* DayOf(int month, int cell)
{
    if (!ValidMonth(month) || !ValidCell(cell)) return nullptr;
    return &Session::Get().CurrentDocument.Month(month).Cell(cell);
}

namespace {

bool AppendTo(int month, int cell, const DayEntry& entry, bool byTheUser)
{
    DayCell* day = DayOf(month, cell);
    if (!day) return false;
    const bool added =
        byTheUser ? ListOps::AppendAsUser(day->Entries, entry) : ListOps::Append(day->Entries, entry);
    return added && DayChanged(true, month, cell, int(day->Entries.size()) - 1);
}

} // namespace

bool AppendEntry(int month, int cell, const DayEntry& entry)
{
    return AppendTo(month, cell, entry, false);
}

bool AppendUserEntry(int month, int cell, const DayEntry& entry)
{
    return AppendTo(month, cell, entry, true);
}

bool ReplaceEntry(int month, int cell, int index, const DayEntry& entry)
{
    DayCell* day = DayOf(month, cell);
    return day && DayChanged(ListOps::Replace(day->Entries, index, entry), month, cell, index);
}

bool RemoveEntry(int month, int cell, bool removeAll, int index)
{
    DayCell* day = DayOf(month, cell);
    if (!day) return false;
    if (removeAll) return DayChanged(ListOps::RemoveAll(day->Entries), month, cell, -1);
    return DayChanged(ListOps::RemoveAt(day->Entries, index), month, cell, index);
}

bool MoveEntry(int month, int cell, int from, int to)
{
    DayCell* day = DayOf(month, cell);
    return day && DayChanged(ListOps::Swap(day->Entries, from, to), month, cell, to);
}

bool SortEntries(int month, int cell, int order)
{
    DayCell* day = DayOf(month, cell);
    if (!day) return false;
    const bool sorted =
        ListOps::SortByText(day->Entries, order, [](const DayEntry& e) { return e.Description; });
    return DayChanged(sorted, month, cell, -1);
}

bool SetTicked(int month, int cell, int index, bool state)
{
    DayCell* day = DayOf(month, cell);
    if (!day || index < 0 || index >= day->Entries.size()) return false;
    DayEntry& entry = day->Entries[index];
    if (entry.Ticked == state) return false;
    entry.Ticked = state;
    Session& s = Session::Get();
    s.SetModified(PartMonthEntries, true, month);
    s.NotifyDayCellChanged(month, cell);
    return true;
}

bool CopyEntry(int month, int cell, int line, qint32 mode)
{
    const DayCell* day = DayOf(month, cell);
    if (!day || line < 0 || line >= day->Entries.size()) return false;
    if (mode != ClipboardCopied && mode != ClipboardCut) return false;
    EntryClipboard& clip = Session::Get().Clipboard;
    clip.Mode = mode;
    clip.SourceMonth = qint16(month);
    clip.SourceCell = qint16(cell);
    clip.SourceLine = qint16(line);
    clip.Entry = day->Entries[line];
    return true;
}

bool PasteEntry(int month, int cell)
{
    DayCell* day = DayOf(month, cell);
    EntryClipboard& clip = Session::Get().Clipboard;
    if (!day || clip.Mode == ClipboardEmpty) return false;

    const DayCell* source = DayOf(clip.SourceMonth, clip.SourceCell);
    const int line = clip.SourceLine;
    const bool unchanged = source && line >= 0 && line < source->Entries.size() &&
                           !EntryDiffers(source->Entries[line], clip.Entry) &&
                           source->Entries[line].Uid == clip.Entry.Uid;

    DayEntry entry = clip.Entry;
    entry.LinkKey.clear(); // a pasted occurrence becomes the user's own entry
    // A cut entry moves and stays itself; a copy, or a cut whose source stays, is a new entry.
    if (clip.Mode != ClipboardCut || !unchanged) entry.Uid.clear();
    if (!DayChanged(ListOps::AppendAsUser(day->Entries, entry), month, cell, -1)) return false;
    if (!unchanged) {
        clip.Clear();
    } else if (clip.Mode == ClipboardCut) {
        const int sourceMonth = clip.SourceMonth, sourceCell = clip.SourceCell;
        clip.Clear();
        RemoveEntry(sourceMonth, sourceCell, false, line);
    }
    return true;
}
