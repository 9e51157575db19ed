// The audio back end is a module loaded at the first sound: it must be found, and a file it
// cannot play is refused before it is ever asked.

#include "platform/AudioOutput.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

// A short, valid wave file: 16-bit mono PCM at 8000 Hz.
QByteArray Wave()
{
    QByteArray samples(1600, '\0');
    QByteArray w("RIFF");
    const auto u32 = [&w](quint32 v) { w.append(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&w](quint16 v) { w.append(reinterpret_cast<const char*>(&v), 2); };
    u32(quint32(36 + samples.size()));
    w.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    w.append("data");
    u32(quint32(samples.size()));
    return w + samples;
}

} // namespace

class TestAudio : public QObject
{
    Q_OBJECT
private slots:
    void theModuleIsFoundAtTheFirstSound();
    void filesThatAreNotWavesAreRefused();
};

void TestAudio::theModuleIsFoundAtTheFirstSound()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("beep.wav"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Wave());
    f.close();
    QTest::failOnWarning(QRegularExpression(QStringLiteral("audio module")));
    AudioOutput().Play(path); // true only where there is an audio device
    AudioOutput().Stop();
}

void TestAudio::filesThatAreNotWavesAreRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.wav"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a sound");
    f.close();
    QVERIFY(!AudioOutput().Play(path));
    QVERIFY(!AudioOutput().Play(dir.filePath(QStringLiteral("missing.wav"))));
}

QTEST_MAIN(TestAudio)
#include "tst_audio.moc"
