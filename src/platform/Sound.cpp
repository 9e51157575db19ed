#include "platform/Sound.h"

#include <QFile>
#include <QtEndian>

namespace {

quint32 Le32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}
quint16 Le16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

// Until the program installs its audio output nothing can play.
class SilentPlayer : public SoundPlayer
{
public:
    bool Play(const QString&) override { return false; }
    void Stop() override {}
};

SilentPlayer g_silent;
SoundPlayer* g_current = &g_silent;
} // namespace

SoundPlayer& SoundPlayer::Current()
{
    return *g_current;
}

void SoundPlayer::Install(SoundPlayer* player)
{
    g_current->Stop();
    g_current = player ? player : &g_silent;
}

bool PlaySoundFile(const QString& path)
{
    return !SoundPlayer::Current().Play(path);
}

bool IsPlayableWave(const QString& path)
{
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return false;

    // Walk the chunks: a usable "fmt " must come before a non-empty "data".
    bool format = false;
    for (int guard = 0; guard < 64; ++guard) {
        const QByteArray chunk = f.read(8);
        if (chunk.size() < 8) return false;
        const quint32 size = Le32(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = f.read(qMin<quint32>(size, 64));
            if (fmt.size() < 16) return false;
            const quint16 tag = Le16(fmt.constData());
            const quint16 channels = Le16(fmt.constData() + 2);
            const quint16 bits = Le16(fmt.constData() + 14);
            format = (tag == 1 || tag == 3 || tag == 0xFFFE) && channels > 0 && bits > 0;
            if (!format) return false;
            if (!f.seek(f.pos() - fmt.size() + size + (size & 1))) return false;
        } else if (chunk.startsWith("data")) {
            return format && size > 0;
        } else if (!f.seek(f.pos() + size + (size & 1))) {
            return false;
        }
    }
    return false;
}
