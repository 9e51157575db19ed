#include "platform/AudioOutput.h"

#include "document/Paths.h"

#include <QLibrary>

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
        // In the installation's module folder; in the build tree, where the build put it.
        for (const QString& folder :
             {ModuleFolder(), AddBackslash(QStringLiteral(DAYBINDER_AUDIO_MODULE_DIR))}) {
            QLibrary module(folder + QStringLiteral("libdaybinder_audio"));
            if (const auto make = reinterpret_cast<PlayerFactory>(module.resolve("daybinder_audio_player"))) {
                m_backend = make();
                return m_backend;
            }
        }
        qWarning("Sound: the audio module could not be loaded; no sound will play");
        return nullptr;
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
