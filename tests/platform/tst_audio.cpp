// The audio back end is a module loaded at the first sound: it must be found, and a file it
// cannot play is refused before it is ever asked.

#include "platform/AudioOutput.h"
#include "support/TestFiles.h"

#include <QDataStream>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A short, valid wave file: 16-bit mono PCM at 8000 Hz, 1600 bytes of silence.
QByteArray Wave()
{
    QByteArray w;
    QDataStream out(&w, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 1600);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(1600);
    return w + QByteArray(1600, '\0');
}

} // namespace

class TestAudio : public QObject
{
    Q_OBJECT
private slots:
    void theModuleIsFoundAndRefusesWhatIsNotAWave()
    {
        const QString path = m_dir.filePath(u"beep.wav"_qs);
        QVERIFY(SaveBytes(path, Wave()));
        QTest::failOnWarning(QRegularExpression(u"audio module"_qs));
        AudioOutput().Play(path); // true only where there is an audio device
        AudioOutput().Stop();

        // A file that is not a wave is refused before the device is asked.
        const QString notes = m_dir.filePath(u"notes.wav"_qs);
        QVERIFY(SaveBytes(notes, "not a sound"));
        QVERIFY(!AudioOutput().Play(notes));
        QVERIFY(!AudioOutput().Play(m_dir.filePath(u"missing.wav"_qs)));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestAudio)
#include "tst_audio.moc"
