// daybinder-cli: the program's logic without a screen, for scripts and for checking files.
// Each sub-command lives in its own file and reuses the program's logic; add new ones to
// kCommands.

#include "cli/CliPrompter.h"
#include "cli/DemoCommand.h"
#include "cli/FileCommands.h"
#include "cli/InterchangeCommands.h"
#include "cli/PdfCommand.h"
#include "cli/SummaryCommands.h"
#include "cli/SyncCommand.h"
#include "cli/UpdateCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstring>
#include <memory>

namespace {

struct CliCommand
{
    const char* Name;
    const char* Usage;
    int (*Run)(const QStringList& args);
    bool Paints = false; // needs fonts and painting: a headless GUI application
};

const CliCommand kCommands[] = {
    {"stream", "stream [--password P] FILE.cal   the data stream of FILE.cal on standard output", RunStream},
    {"pack", "pack [--password P] STREAM OUT.cal   OUT.cal from a data stream and its pictures", RunPack},
    {"update",
     "update IN.cal OUT.cal [--password P]   IN with its auto-events and birthdays placed, written to OUT",
     RunUpdate},
    {"demo", "demo OUT.cal [--year YYYY]   a lively example year (the current one by default)", RunDemo},
    {"pdf",
     "pdf FILE.cal OUT.pdf [--password P] [--months 1,3,...] [--copies N] [--no-background]   the print job "
     "in a PDF file",
     RunPdf, true},
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
     "import-ics FILE.cal IN.ics|URL OUT.cal [--password P]   OUT.cal: FILE.cal with the events of IN.ics "
     "(or of the calendar at URL) in its year",
     RunImportIcs},
    {"csv", "csv FILE.cal OUT.csv [--password P]   the incomes and expenses as a CSV file", RunCsv},
    {"sync",
     "sync FILE.cal [--url URL --user U] [--password P] [--sync-password-file F] [--allow-http]   "
     "one exchange with the file's CalDAV calendar; the server's password from DAYBINDER_SYNC_PASSWORD or F",
     RunSync},
};

// Qt tells, as a GUI application starts without a session, that it made its own runtime
// folder; a script has no use for that line on standard error.
QtMessageHandler g_defaultHandler = nullptr;
void QuietStartHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(u"QStandardPaths: ")) return;
    g_defaultHandler(type, context, message);
}

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
    const CliCommand* command = nullptr;
    for (const CliCommand& c : kCommands)
        if (argc > 1 && std::strcmp(argv[1], c.Name) == 0) command = &c;
    // Painting needs the GUI's fonts, never a screen.
    if (command && command->Paints && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (command && command->Paints) g_defaultHandler = qInstallMessageHandler(QuietStartHandler);
    const std::unique_ptr<QCoreApplication> app = command && command->Paints
                                                      ? std::make_unique<QGuiApplication>(argc, argv)
                                                      : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Daybinder"));
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) return Usage(ExitFailed);
    const QString& name = args.first();
    if (name == u"help" || name == u"--help" || name == u"-h") return Usage(ExitOk);
    if (command) return command->Run(args.mid(1));
    PrintError(QStringLiteral("daybinder-cli: unknown command %1").arg(name));
    return Usage(ExitFailed);
}
