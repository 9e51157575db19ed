// daybinder-cli: the program's logic without a screen, for scripts and for checking files.
// Each sub-command lives in its own file and reuses the program's logic; add new ones to
// kCommands.

#include "cli/CliPrompter.h"
#include "cli/DemoCommand.h"
#include "cli/FileCommands.h"
#include "cli/InterchangeCommands.h"
#include "cli/SummaryCommands.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct CliCommand
{
    const char* Name;
    const char* Usage;
    int (*Run)(const QStringList& args);
};

const CliCommand kCommands[] = {
    {"stream", "stream [--password P] FILE.cal   the data stream of FILE.cal on standard output", RunStream},
    {"pack", "pack [--password P] STREAM OUT.cal   OUT.cal from a data stream and its pictures", RunPack},
    {"demo", "demo OUT.cal [--year YYYY]   a lively example year (the current one by default)", RunDemo},
    {"summary",
     "summary FILE.cal --date YYYY-MM-DD --span day|month|week|two-weeks [--password P]   "
     "the summary tab's span and totals",
     RunSummary},
    {"balance",
     "balance FILE.cal --account NAME --date YYYY-MM-DD [--password P]   an account's balance "
     "as of a day",
     RunBalance},
    {"ics", "ics FILE.cal OUT.ics [--password P]   the year's entries as an iCalendar file", RunIcs},
    {"import-ics",
     "import-ics FILE.cal IN.ics OUT.cal [--password P]   OUT.cal: FILE.cal with the events of IN.ics "
     "in its year",
     RunImportIcs},
    {"csv", "csv FILE.cal OUT.csv [--password P]   the incomes and expenses as a CSV file", RunCsv},
};

int Usage(int status)
{
    QString text = QStringLiteral("usage: daybinder-cli COMMAND [ARGS]\ncommands:");
    for (const CliCommand& c : kCommands) text += QStringLiteral("\n  ") + QLatin1String(c.Usage);
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), status == ExitOk ? stdout : stderr);
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Daybinder"));
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) return Usage(ExitFailed);
    const QString& name = args.first();
    if (name == u"help" || name == u"--help" || name == u"-h") return Usage(ExitOk);
    for (const CliCommand& c : kCommands)
        if (name == QLatin1String(c.Name)) return c.Run(args.mid(1));
    PrintError(QStringLiteral("daybinder-cli: unknown command %1").arg(name));
    return Usage(ExitFailed);
}
