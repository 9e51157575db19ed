#pragma once
// Bringing the events of an iCalendar file into the open year: each day an event covers in the
// document year gets an event entry at the end of its list, in the order of the day's times,
// and the result tells what came in and what was left out, and why. A file that holds no
// calendar changes nothing.

#include "document/CalendarDocument.h"
#include "interchange/IcsEvents.h"

#include <QByteArrayView>
#include <QList>
#include <QTimeZone>

struct ImportedDay
{
    int Month = 0;
    int Cell = 0;
    friend bool operator==(const ImportedDay&, const ImportedDay&) = default;
};

// Events of the file left out, by reason. A series and its edited occurrences count once.
struct SkippedEvents
{
    int NoStart = 0;
    int OutsideYear = 0;
    int NoText = 0;
    int Unreadable = 0; // cut short or never closed
    int Total() const { return NoStart + OutsideYear + NoText + Unreadable; }
};

struct IcsImportResult
{
    IcsReadStatus Status = IcsReadStatus::NotCalendar;
    int Added = 0;   // entries
    int Events = 0;  // events of the file that brought entries
    int Refused = 0; // entries left out because their day's list was full
    SkippedEvents Skipped;
    bool CharactersReplaced = false;  // some text could not be kept and reads "?"
    QList<ImportedDay> ChangedDays;   // in date order, each once
    QList<int> ChangedMonths() const; // ascending, each once
};

IcsImportResult ImportCalendar(QByteArrayView bytes, CalendarDocument& doc,
                               const QTimeZone& local = QTimeZone::systemTimeZone());
