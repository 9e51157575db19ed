// Any bytes given as a ".cal" file: the reader ends with a loaded document or a reported error,
// without a crash, a hang or undefined behaviour. Protected seeds use the password "secret",
// which the prompt always answers, so the decryption paths are reached too.

#include "calfile/CalFile.h"
#include "document/Session.h"
#include "platform/Prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

class QuietPrompter : public Prompter
{
public:
    PromptAnswer Ask(const PromptRequest& r) override
    {
        // Never Retry: the same input would fail again, for ever.
        return r.Buttons == PromptButtons::RetryCancel ? PromptAnswer::Cancel : PromptAnswer::Ok;
    }
    std::optional<QString> Input(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    bool AskPassword(const QString&, QString* typed) override
    {
        *typed = QStringLiteral("secret");
        return true;
    }
};

QString g_path;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv); // picture plugins are found through it
    static QuietPrompter prompter;
    Prompter::Install(&prompter);
    g_path = QDir::temp().filePath(QStringLiteral("daybinder-fuzz-%1.cal").arg(getpid()));
    std::atexit([] { QFile::remove(g_path); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QFile file(g_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    CalendarDocument doc;
    ReadCalFile(g_path, doc);
    return 0;
}
