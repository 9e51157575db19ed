#pragma once
// A list of definitions kept by the document (debts and savings, auto-events, birthdays) with
// the commands of its tab: add, replace, remove one or all, move, sort. Every change marks the
// list's part modified and asks the main window to refill the tab on the right line.

#include "document/Session.h"
#include "entries/ListOps.h"

#include <QStringList>

// The two modes of the editors: a new item at the end of the list, or the selected one.
enum EditorMode : int
{
    EditorAdd = 0,
    EditorEdit = 1
};

// The lines of a definitions tab: one text per item, in list order.
template <class T> QStringList ListLines(const QList<T>& items, QString (*text)(const T&))
{
    QStringList lines;
    lines.reserve(items.size());
    for (const T& item : items) lines.append(text(item));
    return lines;
}

// Marks the part modified and asks for the refill of the current tab.
void DefinitionListChanged(qint32 part, int line);

template <class T> struct DefinitionList
{
    QList<T>& (*Items)(CalendarDocument& doc);
    qint32 Part; // SetModified part number
    QString (*SortText)(const T& item);

    QList<T>& Current() const { return Items(Session::Get().CurrentDocument); }

    // The new item goes at the end, which the refill selects; a full list says so instead.
    bool Add(const T& item) const
    {
        return ListOps::AppendAsUser(Current(), item) && Done(true, Current().size() - 1);
    }
    bool Replace(int index, const T& item) const
    {
        return Done(ListOps::Replace(Current(), index, item), index);
    }
    // Later items move up; the refill keeps the same line (the first when it no longer exists).
    bool Remove(int index) const { return Done(ListOps::RemoveAt(Current(), index), index); }
    bool RemoveAll() const { return Done(ListOps::RemoveAll(Current()), -1); }
    bool Move(int from, int to) const { return Done(ListOps::Swap(Current(), from, to), to); }
    bool Sort(int order) const { return Done(ListOps::SortByText(Current(), order, SortText), -1); }

private:
    bool Done(bool changed, int line) const
    {
        if (changed) DefinitionListChanged(Part, line);
        return changed;
    }
};

// A new key for a definition of the list: prefix + the counter increased by one, as 16 digits.
// A key some definition already holds is passed over (a file may carry a counter behind its
// keys), so that a changed definition never takes over another one's occurrences.
template <class T> QString NewDefinitionKey(QStringView prefix, qint32& nextId, const QList<T>& items)
{
    for (;;) {
        nextId = qint32(quint32(nextId) + 1u); // past the largest number it goes on from the smallest
        const QString key = MakeKey(prefix, nextId);
        if (std::none_of(items.cbegin(), items.cend(), [&](const T& item) { return item.Key == key; }))
            return key;
    }
}
