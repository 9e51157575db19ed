#pragma once
// The picture editor where the program opens it: on an entry's picture (the events tab and the
// month grid's menu), on a background picture of the properties dialog; and its print button.

class MainWindow;
class QWidget;

// The editor on the picture of that entry of the day; after OK the entry takes the edited
// picture and its file name when they changed.
void ShowEntryPicture(QWidget* parent, int month, int cell, int line);

void WirePictureEditor(MainWindow& main);
