#pragma once
// A sound player for tests: records every file it is asked to play and fails on request.

#include "platform/Sound.h"

#include <QSet>
#include <QStringList>

class RecordingSoundPlayer : public SoundPlayer
{
public:
    RecordingSoundPlayer() { SoundPlayer::Install(this); }
    ~RecordingSoundPlayer() override { SoundPlayer::Install(nullptr); }

    QStringList Played;  // every path asked for, failures included
    QSet<QString> Fails; // paths that report failure
    bool FailAll = false;
    int Stops = 0;

    bool Play(const QString& path) override
    {
        Played.append(path);
        return !FailAll && !Fails.contains(path) && !path.isEmpty();
    }
    void Stop() override { ++Stops; }
};
