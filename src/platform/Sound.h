#pragma once
// The sound seam: alarm sounds and the "Tester" buttons play wave files through the installed
// SoundPlayer. The program uses one built on the platform's audio output; tests install one
// that records what it was asked to play.

#include <QString>

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    // Starts playing a wave file and returns at once; a sound still playing is cut off.
    // False when the file cannot be played (missing, not a wave file, no audio output).
    virtual bool Play(const QString& path) = 0;
    virtual void Stop() = 0;

    static SoundPlayer& Current();
    static void Install(SoundPlayer* player); // nullptr: silence (the program installs AudioOutput())
};

// Plays through the current player; true when it FAILED, which is what the callers test.
bool PlaySoundFile(const QString& path);

// A wave file the audio output can decode: RIFF/WAVE with PCM or float samples and some data.
bool IsPlayableWave(const QString& path);
