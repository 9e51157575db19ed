#include "pictures/ChoosePicture.h"

#include "pictures/PictureChooser.h"

#include <QApplication>

namespace {
std::function<PictureChoice(const QString&)> g_override;
}

PictureChoice ChoosePicture(const QString& initialPath)
{
    if (g_override) return g_override(initialPath);
    PictureChooser chooser(QApplication::activeWindow());
    chooser.exec();
    return chooser.Choice();
}

void SetPictureChooser(std::function<PictureChoice(const QString&)> chooser)
{
    g_override = std::move(chooser);
}
