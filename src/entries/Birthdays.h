#pragma once
// The birthdays: their line in the birthdays tab, the tab's list commands and the rules of the
// birthday editor. Their occurrences are placed by the birthday update (Occurrences.h).

#include "entries/DefinitionList.h"

#include <QStringList>

// "Marie - (1975-03-14)".
QString BirthdayListText(const BirthdayDef& birthday);
QStringList BirthdayListLines(const CalendarDocument& doc);

// The birthdays of the open document with the tab's commands; changes mark BDModified.
extern const DefinitionList<BirthdayDef> BirthdayDefs;

// What the birthday editor shows and builds.
struct BirthdayFormValues
{
    QString Name;
    DateRec BirthDate = MakeDate(1, 1, 1970);
};

BirthdayFormValues BirthdayFormForAdd();
BirthdayFormValues BirthdayFormForEdit(const BirthdayDef& birthday);

// Writes the birthday (appended, or replacing the one at index) under a new key and returns 1;
// returns 0 and writes nothing when an edited birthday keeps its name and date or the index is
// not a birthday. The new key makes the earlier occurrences stale.
int SaveBirthdayForm(int mode, int index, const BirthdayFormValues& values);
