#include "dialogkit/PictureChoice.h"

namespace {
std::function<PictureChoice(const QString&)> g_chooser;
std::function<PictureChoice(const QString&)> g_override;
} // namespace

PictureChoice AskForPicture(const QString& initialPath)
{
    if (g_override) return g_override(initialPath);
    return g_chooser ? g_chooser(initialPath) : PictureChoice();
}

void ConnectPictureChooser(std::function<PictureChoice(const QString&)> chooser)
{
    g_chooser = std::move(chooser);
}

void SetPictureChooser(std::function<PictureChoice(const QString&)> chooser)
{
    g_override = std::move(chooser);
}
