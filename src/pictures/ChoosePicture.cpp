#include "pictures/ChoosePicture.h"

namespace {
std::function<PictureChoice(const QString&)> g_override;
}

PictureChoice ChoosePicture(const QString& initialPath)
{
    if (g_override) return g_override(initialPath);
    return {}; // the dialog itself is not there yet
}

void SetPictureChooser(std::function<PictureChoice(const QString&)> chooser)
{
    g_override = std::move(chooser);
}
