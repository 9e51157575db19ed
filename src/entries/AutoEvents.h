#pragma once
// The auto-event definitions: their line in the auto-events tab, the tab's list commands, and
// the rules of the auto-event editor (the recurrence choice, the range snapped onto it, the
// definition it writes). Their occurrences are placed by the calendar update (Occurrences.h).

#include "entries/DefinitionList.h"
#include "entries/EventForm.h"

#include <QStringList>

// "(1M le 05) - ", "(1S le LU) - ", "(2S le VE) - ", "(1J) - ", "(1A le 05/03) - "; "" for a
// kind no editor gives.
QString RecurrencePart(const AutoEventDef& def);
// "(DE) - (1M le 05) - Loyer      650$"; "" for a type no editor gives.
QString AutoEventListText(const AutoEventDef& def);
QStringList AutoEventListLines(const CalendarDocument& doc);

// The definitions of the open document with the tab's commands; changes mark AEModified.
extern const DefinitionList<AutoEventDef> AutoEventDefs;

// The five recurrence boxes, in their order on the page.
enum RecurrenceChoice : int
{
    RecurMonthly = 0,
    RecurWeekly = 1,
    RecurTwoWeeks = 2,
    RecurDaily = 3,
    RecurYearly = 4
};
constexpr int kRecurrenceCount = 5;
qint32 KindOfRecurrence(int choice);
// Monthly for a kind no editor gives.
int RecurrenceOfKind(qint32 kind);

// What the auto-event editor shows and builds. The combo values are stored as the program
// stores them: the combo's line + 1 (a day 1..31, a weekday 1 = Sunday..7, a month 1..12).
struct AutoEventFormValues
{
    EventPageValues Event;
    int Recurrence = RecurMonthly;
    int MonthDay = 1;   // "Une fois par mois le:"
    int Weekday = 1;    // "Chaque semaine le:"
    int TwoWeekday = 1; // "Aux deux semaines le:"
    int YearDay = 1;    // "Une fois par année le:" day ...
    int YearMonth = 1;  // ... and month
    DateRec Start;
    DateRec End;
};

// Add mode: monthly on the 1st, every combo on its first line, the whole document year, an event
// with no text.
AutoEventFormValues AutoEventFormForAdd(const CalendarDocument& doc);
// A value a file holds outside a combo's lines shows its first line.
AutoEventFormValues AutoEventFormForEdit(const CalendarDocument& doc, const AutoEventDef& def);

// A range date moved onto the recurrence: monthly onto the chosen day of its month (the last
// day when the month is shorter), yearly onto the chosen day and month of its year (clamped the
// same way), weekly and every two weeks forward (start) or backward (end) onto the chosen
// weekday; daily leaves it.
DateRec SnapOntoRecurrence(const AutoEventFormValues& values, const DateRec& date, bool isStart);

AutoEventDef AutoEventFromForm(const CalendarDocument& doc, const AutoEventFormValues& values);

// Writes the definition (appended, or replacing the one at index) under a new key and returns 1;
// returns 0 and writes nothing when an edited definition is unchanged (AutoEventDiffers), an
// income or expense has no name (NameMissing) or the index is not a definition. The new key makes every
// earlier occurrence stale.
int SaveAutoEventForm(int mode, int index, const AutoEventFormValues& values);
