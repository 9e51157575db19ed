#pragma once
// The parts of a document that can be saved on their own, as the save-parts dialog lists them,
// and the document that a partial save writes.

#include "document/CalendarDocument.h"

#include <QList>
#include <QString>

struct SavePart
{
    enum Kind
    {
        Header,
        DefaultBackground,
        DefaultColours,
        AutoEvents,
        Birthdays,
        DebtsSavings,
        MonthEntries,
        MonthBackground,
        MonthColours,
    };
    Kind What = Header;
    int Month = 0; // 1..12 for the month parts
    QString Text;  // the dialog's line

    friend bool operator==(const SavePart& a, const SavePart& b)
    {
        return a.What == b.What && a.Month == b.Month;
    }
};

// One line per modified part, in the dialog's order: the header, the defaults, the three lists,
// then the entries of every month, the backgrounds of every month, the colours of every month.
QList<SavePart> ModifiedParts(const CalendarDocument& doc);

// The saved document with the chosen parts taken from the current one.
CalendarDocument WithPartsFrom(const CalendarDocument& saved, const CalendarDocument& current,
                               const QList<SavePart>& chosen);
