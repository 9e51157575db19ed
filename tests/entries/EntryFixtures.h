#pragma once
// A small open document for the entry tests: the year 2004 (a leap year whose 1 January is a
// Thursday), in editing mode, nothing modified, nothing selected.

#include "TestPrint.h"
#include "document/Money.h"
#include "document/Session.h"
#include "entries/DayEntries.h"

// A new document of the year as the command New leaves it: editing, nothing modified.
inline void NewTestDocument(int year)
{
    Session& s = Session::Get();
    s.CurrentDocument = s.BlankDocument(false);
    SetDocumentDefaults(s.CurrentDocument, year);
    s.SetMode(MainMode::Edit);
    s.SetModified(PartAll, false);
    s.SavedDocument = s.CurrentDocument;
}

inline void OpenTestDocument(int year = 2004)
{
    Session::Get().Reset();
    NewTestDocument(year);
}

inline CalendarDocument& Doc()
{
    return Session::Get().CurrentDocument;
}

inline DayEntry Entry(qint32 type, const QString& description)
{
    DayEntry e;
    e.EntryType = type;
    e.Description = description;
    e.AlarmDaysBefore = 1;
    return e;
}

inline DayEntry Event(const QString& text)
{
    return Entry(EntryEvent, text);
}

inline DayEntry Money(qint32 type, const QString& name, const QString& amount)
{
    return Entry(type, MoneyDescription(name, amount));
}

inline DebtSavingDef Account(bool savings, const QString& name, const QString& amount, DateRec start)
{
    return {savings, start, MoneyDescription(name, amount)};
}

// The list of a date of the test document.
inline QList<DayEntry>& EntriesOn(int day, int month)
{
    const DateRec d = MakeDate(day, month, Doc().YearNumber());
    return Doc().Month(month).Cell(CellOfDate(d)).Entries;
}

inline int CellOf(int day, int month)
{
    return CellOfDate(MakeDate(day, month, Doc().YearNumber()));
}

inline void SelectDay(int day, int month)
{
    Selection& sel = Session::Get().Selected;
    sel.Month = qint16(month);
    sel.Cell = qint16(CellOf(day, month));
    sel.Date = MakeDate(day, month, Doc().YearNumber());
}

inline QStringList Descriptions(const QList<DayEntry>& entries)
{
    QStringList texts;
    for (const DayEntry& e : entries) texts.append(e.Description);
    return texts;
}
