#include "cli/SyncCommand.h"

#include "calfile/CalFile.h"
#include "cli/Arguments.h"
#include "cli/CliPrompter.h"
#include "cli/FileCommands.h"
#include "interchange/InterchangeFiles.h"
#include "resources/Strings.h"
#include "sync/CalDavClient.h"
#include "sync/SyncAddress.h"
#include "sync/SyncExchange.h"

#include <QFile>

namespace {

const char kUsage[] =
    "sync FILE.cal [--url URL --user U] [--password P] [--sync-password-file F] [--allow-http]";
const QString kUrlOption = QStringLiteral("--url");
const QString kUserOption = QStringLiteral("--user");
const QString kPasswordFileOption = QStringLiteral("--sync-password-file");
const QString kAllowHttpFlag = QStringLiteral("--allow-http");

// The server's password: from the environment, else the first line of the file given.
std::optional<QString> ServerPassword(const CliArguments& a, QString* error)
{
    if (const auto file = a.Value(kPasswordFileOption)) {
        QFile f(*file);
        if (!f.open(QIODevice::ReadOnly)) {
            *error = Str(27011).arg(Quoted(*file), f.errorString());
            return std::nullopt;
        }
        return QString::fromUtf8(f.readLine()).remove(u'\n').remove(u'\r');
    }
    if (qEnvironmentVariableIsSet("DAYBINDER_SYNC_PASSWORD"))
        return qEnvironmentVariable("DAYBINDER_SYNC_PASSWORD");
    *error = Str(28009);
    return std::nullopt;
}

// The collection and the user the document is tied to, from now on those of the command line.
bool ChooseCollection(const CliArguments& a, SyncState& sync, QString* error)
{
    const QString url = a.Value(kUrlOption).value_or(sync.CollectionUrl);
    const QString user = a.Value(kUserOption).value_or(sync.UserName);
    if (url.isEmpty() || user.isEmpty()) {
        *error = Str(28008);
        return false;
    }
    const std::optional<QUrl> checked = CollectionUrl(url, a.Flags.contains(kAllowHttpFlag), error);
    if (!checked) return false;
    sync.TieTo(checked->toString(), user);
    return true;
}

} // namespace

int RunSync(const QStringList& args)
{
    const auto a = CommandArguments(args, {kPasswordOption, kUrlOption, kUserOption, kPasswordFileOption}, 1,
                                    kUsage, {kAllowHttpFlag});
    if (!a) return ExitFailed;
    const QString path = a->Positional[0];
    CalendarDocument doc;
    if (const int status = OpenDocumentFile(path, a->Value(kPasswordOption), doc)) return status;

    QString error;
    const SyncState before = doc.Sync;
    if (!ChooseCollection(*a, doc.Sync, &error)) {
        PrintError(error);
        return ExitFailed;
    }
    const std::optional<QString> password = ServerPassword(*a, &error);
    if (!password) {
        PrintError(error);
        return ExitFailed;
    }

    const std::unique_ptr<CalDavClient> client =
        MakeCalDavClient(QUrl(doc.Sync.CollectionUrl), doc.Sync.UserName, *password);
    const SyncOutcome outcome = RunExchange(*client, doc);
    // What the server confirmed is kept even when the exchange stopped halfway.
    const bool changed = outcome.DocumentChanged() || !(doc.Sync == before);
    if (changed && !WriteCalFile(path, doc)) return ExitFailed;
    if (!outcome.Ok()) {
        PrintError(outcome.Message);
        return ExitFailed;
    }
    const QByteArray report = outcome.Report().toUtf8() + '\n';
    std::fwrite(report.constData(), 1, size_t(report.size()), stdout);
    return ExitOk;
}
