#pragma once
// The command line of a daybinder-cli sub-command: its options and its other arguments.

#include <QString>
#include <QStringList>
#include <optional>

struct CliArguments
{
    QStringList Positional;
    std::optional<QString> Password; // --password P or --password=P
    QString Error;                   // what was wrong with the command line; empty when fine
};

// Reads "--password P" (when allowPassword) and the other arguments; "--" ends the options.
CliArguments ParseCliArguments(const QStringList& args, bool allowPassword);
