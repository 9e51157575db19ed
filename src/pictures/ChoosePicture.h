#pragma once
// The picture chooser: the program's own modal file dialog for pictures. The program connects it
// to AskForPicture.

#include "dialogkit/PictureChoice.h"

// Shows the chooser modally. The initial path is accepted but the chooser always starts in the
// picture-open folder of the settings.
PictureChoice ChoosePicture(const QString& initialPath);
