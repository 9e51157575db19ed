// The audio back end, built as a module of its own and loaded by AudioOutput() the first time a
// sound plays: the multimedia libraries then cost nothing to a start that plays no sound.

#include "platform/Sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

class AudioOutputPlayer : public SoundPlayer
{
public:
    bool Play(const QString& path) override
    {
        QSoundEffect* effect = Effect();
        if (!effect) return false;
        effect->stop();
        const QUrl url = QUrl::fromLocalFile(path);
        if (effect->source() != url) effect->setSource(url);
        effect->play(); // loads in the background and starts when ready
        return true;
    }

    void Stop() override
    {
        if (m_effect) m_effect->stop();
    }

private:
    // Created on first use and owned by the application object, so it never outlives the
    // audio back end; nothing when there is no application or no audio output at all.
    QSoundEffect* Effect()
    {
        if (m_effect) return m_effect;
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || QMediaDevices::audioOutputs().isEmpty()) return nullptr;
        m_effect = new QSoundEffect(app);
        QObject::connect(m_effect, &QSoundEffect::statusChanged, m_effect, [e = m_effect.data()] {
            if (e->status() == QSoundEffect::Error)
                qWarning("Sound: cannot play %s", qPrintable(e->source().toLocalFile()));
        });
        return m_effect;
    }

    QPointer<QSoundEffect> m_effect;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* daybinder_audio_player()
{
    static AudioOutputPlayer player;
    return &player;
}
