#pragma once
// The picture chooser: the program's own modal file dialog for pictures.

#include <QString>
#include <functional>

struct PictureChoice
{
    qint32 Result = 0; // 1 when a file was chosen
    QString Path;      // its full path; empty when Result is 0
};

// Shows the chooser modally. The initial path is accepted but the chooser always starts in the
// picture-open folder of the settings.
PictureChoice ChoosePicture(const QString& initialPath);

// Tests answer in place of the dialog; an empty function restores the dialog.
void SetPictureChooser(std::function<PictureChoice(const QString& initialPath)> chooser);
