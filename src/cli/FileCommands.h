#pragma once
// daybinder-cli sub-commands on ".cal" files and data streams. Each returns the exit status.

#include "document/CalendarDocument.h"

#include <QStringList>
#include <optional>

// Exit statuses of every sub-command.
enum CliExit : int
{
    ExitOk = 0,
    ExitFailed = 1,
    ExitPassword = 3
};

// stream [--password P] FILE.cal: the data stream of the file, byte for byte, on standard output.
int RunStream(const QStringList& args);

// pack [--password P] STREAM OUT.cal: a ".cal" file from a data stream and the pictures it names.
int RunPack(const QStringList& args);

// Reads FILE.cal as the program opens it, the password given or none; ExitOk, or the status
// to end with once the reason is on standard error.
int OpenDocumentFile(const QString& path, const std::optional<QString>& password, CalendarDocument& doc);

// Bytes on standard output; false, with the reason on standard error, when they cannot go.
bool WriteStandardOutput(const QByteArray& bytes);
