#include "cli/InterchangeCommands.h"

#include "calfile/CalFile.h"
#include "cli/Arguments.h"
#include "cli/CliPrompter.h"
#include "cli/FileCommands.h"
#include "interchange/CalendarDownload.h"
#include "interchange/InterchangeFiles.h"

namespace {

int Export(const QStringList& args, ExportFormat format, const char* usage)
{
    const auto a = CommandArguments(args, {kPasswordOption}, 2, usage);
    if (!a) return ExitFailed;
    CalendarDocument doc;
    if (const int status = OpenDocumentFile(a->Positional[0], a->Value(kPasswordOption), doc)) return status;
    const QString error = ExportToFile(doc, a->Positional[1], format);
    if (error.isEmpty()) return ExitOk;
    PrintError(error);
    return ExitFailed;
}

} // namespace

int RunIcs(const QStringList& args)
{
    return Export(args, ExportFormat::ICalendar, "ics FILE.cal OUT.ics [--password P]");
}

int RunCsv(const QStringList& args)
{
    return Export(args, ExportFormat::Csv, "csv FILE.cal OUT.csv [--password P]");
}

int RunImportIcs(const QStringList& args)
{
    const auto a =
        CommandArguments(args, {kPasswordOption}, 3, "import-ics FILE.cal IN.ics|URL OUT.cal [--password P]");
    if (!a) return ExitFailed;
    CalendarDocument doc;
    if (const int status = OpenDocumentFile(a->Positional[0], a->Value(kPasswordOption), doc)) return status;
    const QString& source = a->Positional[1];
    ImportOutcome outcome;
    if (IsCalendarAddress(source)) {
        QString error;
        const std::optional<QUrl> url = CalendarUrl(source, &error);
        const std::optional<QByteArray> bytes = url ? DownloadCalendar(*url, &error) : std::nullopt;
        if (!bytes) {
            PrintError(error);
            return ExitFailed;
        }
        outcome = ImportDownloaded(*bytes, *url, doc);
    } else {
        outcome = ImportFromFile(source, doc);
    }
    if (outcome.Failed) {
        PrintError(outcome.Message);
        return ExitFailed;
    }
    // The report, a line for each of its lines, as the program's message box shows it.
    for (const QString& line : outcome.Message.split(u'\r')) PrintError(line);
    return WriteCalFile(a->Positional[2], doc) ? ExitOk : ExitFailed;
}
