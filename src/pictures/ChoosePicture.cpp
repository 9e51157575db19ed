#include "pictures/ChoosePicture.h"

#include "pictures/PictureChooser.h"

#include <QApplication>

PictureChoice ChoosePicture(const QString& /*initialPath*/)
{
    PictureChooser chooser(QApplication::activeWindow());
    chooser.exec();
    return chooser.Choice();
}
