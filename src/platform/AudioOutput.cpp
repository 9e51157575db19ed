#include "platform/AudioOutput.h"

#include "document/Paths.h"
#include "platform/Modules.h"

namespace {

// Checks the file here and hands it to the audio module, loaded at the first sound.
class LazyAudioOutput : public SoundPlayer
{
public:
    bool Play(const QString& path) override
    {
        if (!IsPlayableWave(path)) return false;
        SoundPlayer* backend = m_backend.Get();
        return backend && backend->Play(path);
    }

    void Stop() override
    {
        if (SoundPlayer* backend = m_backend.IfMade()) backend->Stop();
    }

private:
    ModuleObject<SoundPlayer> m_backend{"audio", "daybinder_audio_player"};
};

} // namespace

SoundPlayer& AudioOutput()
{
    static LazyAudioOutput player;
    return player;
}
