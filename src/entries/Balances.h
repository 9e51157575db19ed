#pragma once
// Debts and savings balances. An entry moves an account when the trimmed first 10 characters of
// its description equal the account's: incomes raise a debt and lower savings, expenses do the
// opposite. Balances are 32-bit and rounded (ties to even) after every step.

#include "document/CalendarDocument.h"

#include <QString>

// True when the name parts (first 10 characters, trimmed) of the two descriptions are equal.
bool SameName(QStringView a, QStringView b);

// What one day's entries do to an account, leaving out the entry at leftOut (-1: none).
qint32 DeltaForDay(const DebtSavingDef& account, const QList<DayEntry>& entries, int leftOut);

// The start amount plus the movements of the document year from the start date up to and with
// date; 0 before the start date or for an index that is not an account.
qint32 BalanceAsOf(const CalendarDocument& doc, int account, const DateRec& date);

// The first account (list order) whose name is the entry's; -1 when none.
int AccountOfEntry(const CalendarDocument& doc, const DayEntry& entry);

// A numbered label followed by a date: "Balance pour le 2004-03-09:".
QString DatedLabel(int textNumber, const DateRec& date);

// The two balance labels under the debts list and under the events list.
struct BalanceLabels
{
    bool Visible = false;
    QString Caption; // "Balance (2004-03-10):"
    QString Value;   // "2200$"
};

BalanceLabels AccountBalanceLabels(const CalendarDocument& doc, int account, const DateRec& date);
// Under the debts list: the selected account as of the selected day.
BalanceLabels DebtsTabBalance(const CalendarDocument& doc, int month, int cell, const DateRec& date,
                              int selectedAccount);
// Under the events list: the first account named like the selected money entry.
BalanceLabels EventsTabBalance(const CalendarDocument& doc, int month, int cell, const DateRec& date,
                               int selectedLine);
