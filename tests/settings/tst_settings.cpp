// The settings store as the user's file sees it: defaults on a first start, values kept as
// text, folders and their "*" mark, the sound fallbacks, damaged and unwritable files.

#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        m_program = std::make_unique<QTemporaryDir>();
        qputenv("DAYBINDER_CONFIG_HOME", m_config->path().toUtf8());
        QDir(m_program->path()).mkpath(u"Wav"_qs);
        for (int n : {1, 2, 3}) SaveBytes(DefaultSoundPath(n, m_program->path()), "RIFF");
    }

    void firstStartTakesTheDefaultsAndSoundsFallBack()
    {
        const QString folder = m_program->path() + u'/';
        const Settings s = ReadSettings(m_program->path());
        QCOMPARE(s.CalOpen, folder);
        QCOMPARE(s.CalSave, folder);
        QCOMPARE(s.ImgOpen, folder);
        QCOMPARE(s.ImgSave, folder);
        QCOMPARE(s.ShowSplash, 1);
        QCOMPARE(s.BckImg, 1);
        QCOMPARE(s.Copies, qint16(1));
        for (int m = 1; m <= 12; ++m) QCOMPARE(s.PrintMonth(m), 1);
        QCOMPARE(s.Sound(2), folder + u"Wav/alarm02.wav"_qs);
        QCOMPARE(s.Sound(10), QString());            // no file: no sound
        QVERIFY(!QFile::exists(SettingsFilePath())); // reading creates nothing
        QCOMPARE(AlarmInterval(), qint16(15));
        QCOMPARE(Keys::TbOpt().ReadInt(), 0);

        // A sound that is gone falls back to the default sound, then to none.
        const QString other = m_program->path() + u"/gong.wav"_qs;
        QVERIFY(SaveBytes(other, "RIFF"));
        QVERIFY(SaveBytes(SettingsFilePath(), "[Alarm]\nSound1=" + other.toUtf8() +
                                                  "\nSound2=/gone/bell.wav\nSound9=/gone/horn.wav\n"));
        const Settings back = ReadSettings(m_program->path());
        QCOMPARE(back.Sound(1), other);
        QCOMPARE(back.Sound(2), DefaultSoundPath(2, m_program->path()));
        QCOMPARE(back.Sound(9), QString());
    }

    void theFileIsPlainTextInItsOwnSections()
    {
        Settings s = Settings::Defaults(m_program->path());
        s.Copies = 2;
        QVERIFY(WriteSettings(s));
        QVERIFY(SaveSetting(u"General"_qs, u"ShowSplash"_qs, u"0"_qs));
        const QByteArray file = FileBytes(SettingsFilePath());
        for (const char* text :
             {"[Printer]", "Copies=2", "Month12=1", "[Alarm]", "Sound1=", "[Paths]", "[General]"})
            QVERIFY2(file.contains(text), text);
        QVERIFY(!file.contains("@Variant") && !file.contains("%General"));
        QCOMPARE(Keys::ShowSplash().ReadInt(), 0);
        QVERIFY(
            SaveBytes(SettingsFilePath(), "[General]\nShowSplash=1\n[Tabs]\nTbOpt=2\n")); // edited by hand
        QCOMPARE(Keys::ShowSplash().Read(), u"1"_qs);
    }

    void valuesEditedByHandAreReadAsTheProgramWouldWriteThem()
    {
        QVERIFY(SaveBytes(SettingsFilePath(),
                          "[Paths]\nCalOpen=/home/me/cal\nCalSave=*/fixed\nImgOpen=\nImgSave=*\n"
                          "[Printer]\nCopies=deux\nBckImg=\nMonth1=2.5\n[Alarm]\nIntervalChk=-1\n"
                          "[General]\nShowSplash=oui\n"));
        const Settings s = ReadSettings(m_program->path());
        QCOMPARE(s.CalOpen, u"/home/me/cal/"_qs); // folders always end with a separator
        QCOMPARE(s.CalSave, u"*/fixed/"_qs);
        // A blank folder is taken as missing, not as the root of the disk.
        QCOMPARE(s.ImgOpen, m_program->path() + u'/');
        QCOMPARE(s.ImgSave, m_program->path() + u'/');
        // Text that is not a number reads 0; halves round to even.
        QCOMPARE(s.Copies, qint16(0));
        QCOMPARE(s.BckImg, 0);
        QCOMPARE(s.PrintMonth(1), 2);
        QCOMPARE(s.ShowSplash, 0);
        QCOMPARE(AlarmInterval(), qint16(-1));
    }

    void aDamagedOrUnwritableFileLosesNothingElse()
    {
        static const char damaged[] = "\x00\xff[Printer\nCopies=5\n==\n[Printer]\nCopies=3\n\xfe\xfe";
        SaveBytes(SettingsFilePath(), QByteArray(damaged, sizeof(damaged) - 1));
        const Settings s = ReadSettings(m_program->path());
        QCOMPARE(s.Copies, qint16(3));
        QCOMPARE(s.CalOpen, m_program->path() + u'/');
        Settings changed = s;
        changed.BckImg = 0;
        QVERIFY(WriteSettings(changed));
        QCOMPARE(ReadSettings(m_program->path()).BckImg, 0);
        QCOMPARE(ReadSettings(m_program->path()).Copies, qint16(3));

        // A folder the file cannot be written to: reported, and the defaults still read.
        const QString blocker = m_config->path() + u"/file"_qs;
        SaveBytes(blocker, "not a folder");
        qputenv("DAYBINDER_CONFIG_HOME", (blocker + u"/sub"_qs).toUtf8());
        QVERIFY(!WriteSettings(Settings::Defaults(m_program->path())));
        QCOMPARE(ReadSettings(m_program->path()).Copies, qint16(1));
    }

private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_program; // stands for the program's folder
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
