#pragma once
// The alarm sounds as the sound lists of the editors show them, and the sound played on trial.

#include <QStringList>

// "Pas de son", "Son #01" ... "Son #10".
QStringList SoundLines();

// Plays sound line (1..10) of the settings; false when nothing could be played.
bool TestSound(int line);
