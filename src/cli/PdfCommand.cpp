#include "cli/PdfCommand.h"

#include "cli/Arguments.h"
#include "cli/CliPrompter.h"
#include "cli/FileCommands.h"
#include "printing/PrintJob.h"
#include "printing/PrinterDevice.h"
#include "settings/Settings.h"

#include <cstdio>

namespace {

constexpr char kUsage[] =
    "pdf FILE.cal OUT.pdf [--password P] [--months 1,3,...] [--copies N] [--no-background]";
constexpr int kMaxCopies = 999;

// Nobody watches the job: its progress goes nowhere.
class SilentDisplay : public PrintDisplay
{
public:
    void Begin(const QString&) override {}
    void Progress(const QString&) override {}
    void End() override {}
};

bool Refuse(const QString& reason)
{
    PrintUsageError(reason, kUsage);
    return false;
}

// The settings' choices with the command line's on top.
bool ApplyOptions(const CliArguments& a, PrintOptions& options)
{
    if (const std::optional<QString> months = a.Value(QStringLiteral("--months"))) {
        options.Months.fill(0);
        const QStringList numbers = months->split(u',');
        for (const QString& text : numbers) {
            bool ok = false;
            const int m = text.trimmed().toInt(&ok);
            if (!ok || !ValidMonth(m))
                return Refuse(QStringLiteral("--months takes month numbers from 1 to 12"));
            options.Months[size_t(m - 1)] = 1;
        }
    }
    if (const std::optional<QString> copies = a.Value(QStringLiteral("--copies"))) {
        bool ok = false;
        const int n = copies->toInt(&ok);
        if (!ok || n < 1 || n > kMaxCopies)
            return Refuse(QStringLiteral("--copies takes a number from 1 to %1").arg(kMaxCopies));
        options.Copies = qint16(n);
    }
    if (a.Flags.contains(QStringLiteral("--no-background"))) options.Background = 0;
    return true;
}

} // namespace

int RunPdf(const QStringList& args)
{
    const auto a =
        CommandArguments(args, {kPasswordOption, QStringLiteral("--months"), QStringLiteral("--copies")}, 2,
                         kUsage, {QStringLiteral("--no-background")});
    if (!a) return ExitFailed;
    LoadSettings();
    PrintOptions options = PrintOptions::FromSettings();
    if (!ApplyOptions(*a, options)) return ExitFailed;
    const int pages = int(PrintedMonths(options).size());
    if (pages == 0) {
        PrintError(QStringLiteral("daybinder-cli: no month to print"));
        return ExitFailed;
    }

    CalendarDocument doc;
    if (const int status = OpenDocumentFile(a->Positional[0], a->Value(kPasswordOption), doc)) return status;
    // The printing faults are messages too: one line each on standard error.
    CliPrompter prompter(std::nullopt);
    PdfPrinter printer(a->Positional[1]);
    SilentDisplay display;
    if (!PrintJob(printer, doc, BackgroundSettings(), options, display)) return ExitFailed;
    const QByteArray line = QStringLiteral("%1: %2 pages\n").arg(a->Positional[1]).arg(pages).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return ExitOk;
}
