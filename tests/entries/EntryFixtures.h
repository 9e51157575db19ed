#pragma once
// A small open document for the entry tests: the year 2004 (a leap year whose 1 January is a
// Thursday), in editing mode, nothing modified, nothing selected.

#include "TestPrint.h"
#include "document/Money.h"
#include "document/Session.h"
#include "entries/DayEntries.h"

inline void OpenTestDocument(int year = 2004)
{
    Session& s = Session::Get();
    s.Reset();
    s.CurrentDocument = s.BlankDocument(false);
    SetDocumentDefaults(s.CurrentDocument, year);
    s.SetMode(MainMode::Edit);
    s.SetModified(PartAll, false);
    s.SavedDocument = s.CurrentDocument;
}

inline CalendarDocument& Doc()
{
    return Session::Get().CurrentDocument;
}

inline DayEntry Event(const QString& text)
{
    DayEntry e;
    e.EntryType = EntryEvent;
    e.Description = text;
    e.AlarmDaysBefore = 1;
    return e;
}

inline DayEntry Money(qint32 type, const QString& name, const QString& amount)
{
    DayEntry e;
    e.EntryType = type;
    e.Description = MoneyDescription(name, amount);
    e.AlarmDaysBefore = 1;
    return e;
}

inline DebtSavingDef Account(bool savings, const QString& name, const QString& amount, DateRec start)
{
    DebtSavingDef d;
    d.IsSavings = savings;
    d.Description = MoneyDescription(name, amount);
    d.StartDate = start;
    return d;
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
