#pragma once
// The debts and savings accounts: their line in the debts tab, the tab's list commands and the
// rules of the account editor.

#include "entries/DefinitionList.h"

#include <QStringList>

// "(dette) - Visa       2500$", "(épargne) - ...$".
QString DebtListText(const DebtSavingDef& account);
QStringList DebtListLines(const CalendarDocument& doc);

// The accounts of the open document with the debts tab's commands; changes mark DEModified.
extern const DefinitionList<DebtSavingDef> DebtList;

// What the account editor shows and builds.
struct DebtFormValues
{
    bool IsSavings = false;
    QString Name;
    QString Amount = QStringLiteral("0");
    DateRec Start;
};

// Add mode: a debt named "", 0, from 1 January of the document year.
DebtFormValues DebtFormForAdd(const CalendarDocument& doc);
DebtFormValues DebtFormForEdit(const DebtSavingDef& account);
DebtSavingDef DebtFromForm(const DebtFormValues& values);

// An account needs a name: the file trims leading blanks, so the start amount of a nameless
// one would not read back.
bool NameMissing(const DebtFormValues& values);

// Writes the account (appended, or replacing the one at index) and returns 1; returns 0 and
// writes nothing when an edited account is unchanged, has no name or the index is not an
// account.
int SaveDebtForm(int mode, int index, const DebtFormValues& values);
