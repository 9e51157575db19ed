#pragma once
// daybinder-cli sub-commands on ".cal" files and data streams. Each returns the exit status.

#include <QStringList>
#include <optional>

struct CalendarDocument;

// Exit statuses of every sub-command.
enum CliExit : int
{
    ExitOk = 0,
    ExitFailed = 1,
    ExitPassword = 3
};

// Opens FILE.cal as the program does, answering its password prompt with password: ExitOk, or
// ExitFailed after the program's message, or ExitPassword when the password is missing or wrong.
int OpenCalFile(const QString& path, const std::optional<QString>& password, CalendarDocument& doc);

// stream [--password P] FILE.cal: the data stream of the file, byte for byte, on standard output.
int RunStream(const QStringList& args);

// pack [--password P] STREAM OUT.cal: a ".cal" file from a data stream and the pictures it names.
int RunPack(const QStringList& args);
