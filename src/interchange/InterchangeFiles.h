#pragma once
// The export and import as the commands tab and daybinder-cli run them: whole files, written
// atomically, and the messages that tell the user how it went.

#include "document/CalendarDocument.h"
#include "interchange/IcsImport.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

enum class ExportFormat
{
    ICalendar,
    Csv
};

// A ".csv" file gets the budget, any other the calendar.
ExportFormat FormatOfPath(const QString& path);

// Writes the file, replacing an older one only once complete. Empty on success, else the message.
QString ExportToFile(const CalendarDocument& doc, const QString& path, ExportFormat format,
                     const QDateTime& now = QDateTime::currentDateTimeUtc());

struct ImportOutcome
{
    bool Imported = false; // entries were added to the document
    bool Failed = false;   // the file could not be read: the document is unchanged
    QString Message;       // what to tell the user, in every case
    IcsImportResult Result;
};

ImportOutcome ImportFromFile(const QString& path, CalendarDocument& doc,
                             const QTimeZone& local = QTimeZone::systemTimeZone());
