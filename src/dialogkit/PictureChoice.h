#pragma once
// Choosing a picture file, as the event editor, the properties dialog and the picture editor ask
// for one: the program connects its picture chooser; tests answer in its place.

#include <QString>
#include <functional>

struct PictureChoice
{
    qint32 Result = 0; // 1 when a file was chosen
    QString Path;      // its full path; empty when Result is 0
};

// Asks for a picture, starting from initialPath: the test's answer when one is set, else the
// connected chooser's; nothing is chosen without either.
PictureChoice AskForPicture(const QString& initialPath);

// The program's picture chooser; an empty function disconnects it.
void ConnectPictureChooser(std::function<PictureChoice(const QString& initialPath)> chooser);

// Tests answer in place of the chooser; an empty function restores the chooser.
void SetPictureChooser(std::function<PictureChoice(const QString& initialPath)> chooser);
