#pragma once
// The operations every hand-ordered list shares: a day's entries, the accounts, the auto-events
// and the birthdays. Each works on a plain list and returns false when it changed nothing, so
// that the caller marks the document modified only after a real change.

#include "document/CalendarDocument.h"

#include <QCollator>
#include <QList>
#include <QString>
#include <algorithm>
#include <numeric>
#include <vector>

enum SortOrder : int
{
    SortAtoZ = 0,
    SortZtoA = 1
};

// Case-insensitive, in the user's locale collation.
QCollator TextCollator();

namespace ListOps {

template <class T> bool Append(QList<T>& list, const T& item)
{
    if (list.size() >= kMaxListCount) return false; // the file keeps a 16-bit count
    list.append(item);
    return true;
}

// Tells the user that a list is full (the message box of the program).
void TellListFull();

// An add the user asked for: a full list refuses it and says so.
template <class T> bool AppendAsUser(QList<T>& list, const T& item)
{
    if (Append(list, item)) return true;
    TellListFull();
    return false;
}

template <class T> bool Replace(QList<T>& list, int index, const T& item)
{
    if (index < 0 || index >= list.size()) return false;
    list[index] = item;
    return true;
}

template <class T> bool RemoveAt(QList<T>& list, int index)
{
    if (index < 0 || index >= list.size()) return false;
    list.removeAt(index);
    if (list.isEmpty()) list = QList<T>(); // an empty list holds no array
    return true;
}

template <class T> bool RemoveAll(QList<T>& list)
{
    if (list.isEmpty()) return false;
    list = QList<T>();
    return true;
}

// Exchanges two places; nothing when either is outside the list (first up, last down).
template <class T> bool Swap(QList<T>& list, int from, int to)
{
    if (from < 0 || to < 0 || from >= list.size() || to >= list.size() || from == to) return false;
    list.swapItemsAt(from, to);
    return true;
}

// Orders by the text of each item; equal texts keep their order. Lists under two are left as
// they are.
template <class T, class TextOf> bool SortByText(QList<T>& list, int order, TextOf textOf)
{
    if (list.size() < 2 || (order != SortAtoZ && order != SortZtoA)) return false;
    const QCollator collator = TextCollator();
    std::vector<QString> texts;
    texts.reserve(size_t(list.size()));
    for (const T& item : list) texts.push_back(textOf(item));
    std::vector<int> places(texts.size());
    std::iota(places.begin(), places.end(), 0);
    std::stable_sort(places.begin(), places.end(), [&](int a, int b) {
        const int c = collator.compare(texts[size_t(a)], texts[size_t(b)]);
        return order == SortAtoZ ? c < 0 : c > 0;
    });
    QList<T> sorted;
    sorted.reserve(list.size());
    for (int p : places) sorted.append(std::move(list[p]));
    list = std::move(sorted);
    return true;
}

} // namespace ListOps
