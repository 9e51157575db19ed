#include "platform/AudioOutput.h"

#include "document/Paths.h"
#include "platform/Modules.h"

namespace {

using PlayerFactory = SoundPlayer* (*)();

// Checks the file here and hands it to the audio module, loaded at the first sound.
class LazyAudioOutput : public SoundPlayer
{
public:
    bool Play(const QString& path) override
    {
        if (!IsPlayableWave(path)) return false;
        SoundPlayer* backend = Backend();
        return backend && backend->Play(path);
    }

    void Stop() override
    {
        if (m_backend) m_backend->Stop();
    }

private:
    SoundPlayer* Backend()
    {
        if (m_tried) return m_backend;
        m_tried = true;
        if (const auto make = ModuleFunctionAs<PlayerFactory>("audio", "daybinder_audio_player"))
            m_backend = make();
        else
            qWarning("Sound: the audio module could not be loaded; no sound will play");
        return m_backend;
    }

    bool m_tried = false;
    SoundPlayer* m_backend = nullptr;
};

} // namespace

SoundPlayer& AudioOutput()
{
    static LazyAudioOutput player;
    return player;
}
