#include "platform/AudioOutput.h"

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
        if (!IsPlayableWave(path)) return false;
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

SoundPlayer& AudioOutput()
{
    static AudioOutputPlayer player;
    return player;
}
