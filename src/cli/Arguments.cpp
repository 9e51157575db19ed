#include "cli/Arguments.h"

#include "cli/CliPrompter.h"

CliArguments ParseCliArguments(const QStringList& args, const QStringList& valueOptions,
                               const QStringList& flagOptions)
{
    CliArguments out;
    bool options = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!options || !a.startsWith(u'-') || a.size() == 1) {
            out.Positional.append(a);
            continue;
        }
        if (a == u"--") {
            options = false;
            continue;
        }
        if (flagOptions.contains(a)) {
            out.Flags.append(a);
            continue;
        }
        const qsizetype equals = a.indexOf(u'=');
        const QString name = equals < 0 ? a : a.left(equals);
        if (!valueOptions.contains(name)) {
            out.Error = QStringLiteral("unknown option %1").arg(a);
            return out;
        }
        if (equals >= 0) {
            out.Values[name] = a.mid(equals + 1);
        } else if (i + 1 < args.size()) {
            out.Values[name] = args[++i];
        } else {
            out.Error = QStringLiteral("%1 needs a value").arg(name);
            return out;
        }
    }
    return out;
}

std::optional<CliArguments> CommandArguments(const QStringList& args, const QStringList& valueOptions,
                                             qsizetype positional, const char* usage,
                                             const QStringList& flagOptions)
{
    CliArguments a = ParseCliArguments(args, valueOptions, flagOptions);
    if (a.Error.isEmpty() && a.Positional.size() != positional)
        a.Error = QStringLiteral("wrong number of arguments");
    if (a.Error.isEmpty()) return a;
    PrintUsageError(a.Error, usage);
    return std::nullopt;
}

void PrintUsageError(const QString& reason, const char* usage)
{
    PrintError(
        QStringLiteral("daybinder-cli: %1\nusage: daybinder-cli %2").arg(reason, QLatin1String(usage)));
}
