#pragma once
// How entries read on screen: their line in the events list, the seven lines of a grid cell,
// and the day totals under the list.

#include "document/CalendarDocument.h"

#include <QString>
#include <array>

constexpr int kCellLines = 7;

// "(EV) - text", "(RE) - name amount$", "(DE) - name amount$"; "" for an unknown type.
QString EventsListText(const DayEntry& entry);

struct CellLine
{
    QString Text;
    qint32 Colour = 0; // stored colour value (0x00BBGGRR)
    bool Strike = false;
};

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
