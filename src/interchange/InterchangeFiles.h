#pragma once
// The export and import as the commands tab and daybinder-cli run them: whole files, written
// atomically, calendars read from a file or downloaded, and the messages that tell the user
// how it went.

#include "document/CalendarDocument.h"
#include "interchange/IcsImport.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QUrl>

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
    bool Failed = false;   // nothing could be read: the document is unchanged
    QString Message;       // what to tell the user, in every case
    IcsImportResult Result;
};

ImportOutcome ImportFromFile(const QString& path, CalendarDocument& doc,
                             const QTimeZone& local = QTimeZone::systemTimeZone());

// The bytes downloaded from an address.
ImportOutcome ImportDownloaded(const QByteArray& bytes, const QUrl& address, CalendarDocument& doc,
                               const QTimeZone& local = QTimeZone::systemTimeZone());

// A name or address as the messages quote it: « text ».
QString Quoted(const QString& text);

// What the user reads when an address sent something that is not a calendar.
QString NotCalendarMessage(const QUrl& address);
