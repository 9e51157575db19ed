#pragma once
// The sound player of the program: the system's audio output (asynchronous; a file that cannot
// be played, or no audio device at all, is reported to the caller and never blocks).

#include "platform/Sound.h"

SoundPlayer& AudioOutput();
