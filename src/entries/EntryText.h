#pragma once
// How entries read on screen: their line in the events list, the seven lines of a grid cell,
// and the day totals under the list.

#include "document/CalendarDocument.h"
#include "document/MonthCaptions.h"

#include <QList>
#include <QString>
#include <array>

// "(EV) - text", "(RE) - name amount$", "(DE) - name amount$"; "" for an unknown type.
QString EventsListText(const DayEntry& entry);
// The same with a text between the type code and the description (an auto-event's recurrence).
QString TypedListText(qint32 type, QStringView between, const QString& description);

// One line of the events list with its check box.
struct EventsLine
{
    QString Text;
    bool Checked = false;
    bool HasPicture = false; // the show-picture command applies to it
};

// The events list of a day; empty for an invalid day.
QList<EventsLine> EventsListLines(const CalendarDocument& doc, int month, int cell);

// True when the entry at index of the day has a special picture to show.
bool EntryHasPicture(const CalendarDocument& doc, int month, int cell, int index);

// The colour of an entry's text: its own colour, else the month's colour for its type (incomes,
// expenses, anything else).
qint32 EntryTextColour(const ColourSettings& colours, const DayEntry& entry);

// The seven lines of a grid cell: up to seven entries, or six and "[...]" from eight on.
std::array<CellLine, kCellLines> CellLines(const CalendarDocument& doc, int month, int cell);

struct DayTotals
{
    qint32 Incomes = 0;
    qint32 Expenses = 0;
    qint32 Total = 0;
};

// Running 32-bit totals of the amount parts, rounded after every addition.
DayTotals TotalsOf(const DayCell& day);

// The totals of a day of the document; zeros for an invalid day.
DayTotals TotalsOfDay(const CalendarDocument& doc, int month, int cell);

// The three total labels under the events list: "1500$", "0$", ...
struct DayTotalsTexts
{
    QString Incomes;
    QString Expenses;
    QString Total;
};
DayTotalsTexts TotalsTexts(const DayTotals& totals);
