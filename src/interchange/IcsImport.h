#pragma once
// Bringing the events of an iCalendar file into the open year: each occurrence in the document
// year becomes an event entry at the end of its day, in the order of the day's times. A file
// that cannot be read whole changes nothing.

#include "document/CalendarDocument.h"
#include "interchange/IcsOccurrences.h"

#include <QByteArrayView>
#include <QList>
#include <QTimeZone>

struct ImportedDay
{
    int Month = 0;
    int Cell = 0;
    friend bool operator==(const ImportedDay&, const ImportedDay&) = default;
};

struct IcsImportResult
{
    IcsReadStatus Status = IcsReadStatus::NotCalendar;
    int Added = 0;
    int Refused = 0;                  // left out because their day's list was full
    bool CharactersReplaced = false;  // some text could not be kept and reads "?"
    QList<ImportedDay> ChangedDays;   // in date order, each once
    QList<int> ChangedMonths() const; // ascending, each once
};

// An event's text as the program keeps it: one line of at most the event length, characters
// the file format cannot carry replaced by "?" (*replaced is then set).
QString ImportedDescription(QStringView summary, bool* replaced);

IcsImportResult ImportCalendar(QByteArrayView bytes, CalendarDocument& doc,
                               const QTimeZone& local = QTimeZone::systemTimeZone());
