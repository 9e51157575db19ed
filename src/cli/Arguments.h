#pragma once
// The command line of a daybinder-cli sub-command: its options and its other arguments.

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

struct CliArguments
{
    QStringList Positional;
    QMap<QString, QString> Values; // "--password" -> P, for the options that take a value
    QStringList Flags;             // the options without a value that were given
    QString Error;                 // what was wrong with the command line; empty when fine

    std::optional<QString> Value(const QString& option) const
    {
        const auto it = Values.constFind(option);
        return it == Values.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }
};

// Reads the options of valueOptions ("--password P" or "--password=P"), the flags of
// flagOptions ("--no-background") and the other arguments; "--" ends the options.
CliArguments ParseCliArguments(const QStringList& args, const QStringList& valueOptions,
                               const QStringList& flagOptions = {});

// The option every sub-command on a ".cal" file takes.
inline const QString kPasswordOption = QStringLiteral("--password");

// "daybinder-cli: reason" and the sub-command's usage line, on standard error.
void PrintUsageError(const QString& reason, const char* usage);

// The same for a sub-command that takes exactly that many other arguments; on a mistake the
// reason and the usage line go to standard error and nothing is returned.
std::optional<CliArguments> CommandArguments(const QStringList& args, const QStringList& valueOptions,
                                             qsizetype positional, const char* usage,
                                             const QStringList& flagOptions = {});
