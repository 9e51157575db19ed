#include "platform/CommonDialogs.h"

namespace {

// Where nobody can answer (the headless tool, before the windows exist).
class CancelledDialogs : public CommonDialogs
{
public:
    std::optional<QString> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<qint32> ChooseColour(qint32) override { return std::nullopt; }
};

CancelledDialogs g_cancelled;
CommonDialogs* g_current = &g_cancelled;

} // namespace

CommonDialogs& CommonDialogs::Current()
{
    return *g_current;
}

void CommonDialogs::Install(CommonDialogs* dialogs)
{
    g_current = dialogs ? dialogs : &g_cancelled;
}
