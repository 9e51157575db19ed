// The settings store as the user's file sees it: defaults on a first start, values kept as
// text, folders and their "*" mark, the sound fallbacks, damaged and unwritable files.

#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void firstStartTakesTheDefaults();
    void everyValueComesBackAsWritten();
    void valuesAreStoredAsText();
    void foldersAlwaysEndWithASeparator();
    void textThatIsNotANumberReadsZero();
    void soundsFallBackToTheDefaultThenToNone();
    void fixedFoldersNeverFollowTheLastFile();
    void generalSectionIsTheFilesOwn();
    void aDamagedFileLosesNothingElse();
    void anUnwritableFolderIsReported();

private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_program; // stands for the program's folder
};

void TestSettings::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    m_program = std::make_unique<QTemporaryDir>();
    qputenv("DAYBINDER_CONFIG_HOME", m_config->path().toUtf8());
    QDir(m_program->path()).mkpath(QStringLiteral("Wav"));
    for (int n : {1, 2, 3}) WriteFile(DefaultSoundPath(n, m_program->path()), "RIFF");
}

void TestSettings::firstStartTakesTheDefaults()
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
    QCOMPARE(s.Sound(2), folder + QStringLiteral("Wav/alarm02.wav"));
    QCOMPARE(s.Sound(10), QString());            // no file: no sound
    QVERIFY(!QFile::exists(SettingsFilePath())); // reading creates nothing
    QCOMPARE(AlarmInterval(), qint16(15));
    QCOMPARE(Keys::TbOpt().ReadInt(), 0);
}

void TestSettings::everyValueComesBackAsWritten()
{
    Settings s = Settings::Defaults(m_program->path());
    s.CalOpen = QStringLiteral("*/srv/calendriers/");
    s.CalSave = QStringLiteral("/home/me/Mes documents/");
    s.ImgOpen = QStringLiteral("/home/me/images, vacances/");
    s.ImgSave = QStringLiteral("/home/me/été/");
    s.BckImg = 0;
    s.Copies = 4;
    s.PrintMonth(7) = 0;
    s.Sound(3) = DefaultSoundPath(1, m_program->path());
    QVERIFY(WriteSettings(s));

    const Settings back = ReadSettings(m_program->path());
    QCOMPARE(back.CalOpen, s.CalOpen);
    QCOMPARE(back.CalSave, s.CalSave);
    QCOMPARE(back.ImgOpen, s.ImgOpen);
    QCOMPARE(back.ImgSave, s.ImgSave);
    QCOMPARE(back.BckImg, 0);
    QCOMPARE(back.Copies, qint16(4));
    QCOMPARE(back.PrintMonth(7), 0);
    QCOMPARE(back.PrintMonth(8), 1);
    QCOMPARE(back.Sound(3), s.Sound(3));
    QCOMPARE(back.Sound(1), s.Sound(1));
}

void TestSettings::valuesAreStoredAsText()
{
    Settings s = Settings::Defaults(m_program->path());
    s.Copies = 2;
    QVERIFY(WriteSettings(s));
    const QByteArray file = ReadFile(SettingsFilePath());
    QVERIFY(file.contains("[Printer]"));
    QVERIFY(file.contains("Copies=2"));
    QVERIFY(file.contains("Month12=1"));
    QVERIFY(file.contains("[Alarm]"));
    QVERIFY(file.contains("Sound1="));
    QVERIFY(file.contains("[Paths]"));
    QVERIFY(!file.contains("@Variant"));
}

void TestSettings::foldersAlwaysEndWithASeparator()
{
    WriteFile(SettingsFilePath(), "[Paths]\nCalOpen=/home/me/cal\nCalSave=*/fixed\nImgOpen=\nImgSave=*\n");
    const Settings s = ReadSettings(m_program->path());
    QCOMPARE(s.CalOpen, QStringLiteral("/home/me/cal/"));
    QCOMPARE(s.CalSave, QStringLiteral("*/fixed/"));
    // A blank folder is taken as missing, not as the root of the disk.
    QCOMPARE(s.ImgOpen, m_program->path() + u'/');
    QCOMPARE(s.ImgSave, m_program->path() + u'/');
}

void TestSettings::textThatIsNotANumberReadsZero()
{
    WriteFile(SettingsFilePath(), "[Printer]\nCopies=deux\nBckImg=\nMonth1=2.5\n[Alarm]\nIntervalChk=-1\n"
                                  "[General]\nShowSplash=oui\n");
    const Settings s = ReadSettings(m_program->path());
    QCOMPARE(s.Copies, qint16(0));
    QCOMPARE(s.BckImg, 0);
    QCOMPARE(s.PrintMonth(1), 2); // halves round to even
    QCOMPARE(s.ShowSplash, 0);
    QCOMPARE(AlarmInterval(), qint16(-1));
}

void TestSettings::soundsFallBackToTheDefaultThenToNone()
{
    const QString other = m_program->path() + QStringLiteral("/gong.wav");
    WriteFile(other, "RIFF");
    WriteFile(SettingsFilePath(), "[Alarm]\nSound1=" + other.toUtf8() +
                                      "\nSound2=/gone/bell.wav\n"
                                      "Sound9=/gone/horn.wav\n");
    const Settings s = ReadSettings(m_program->path());
    QCOMPARE(s.Sound(1), other);
    QCOMPARE(s.Sound(2), DefaultSoundPath(2, m_program->path()));
    QCOMPARE(s.Sound(9), QString());
}

void TestSettings::fixedFoldersNeverFollowTheLastFile()
{
    QString fixed = QStringLiteral("*/srv/cal/");
    RememberFolder(fixed, QStringLiteral("/home/me/autre.cal"));
    QCOMPARE(fixed, QStringLiteral("*/srv/cal/"));
    QCOMPARE(FolderWithoutMark(fixed), QStringLiteral("/srv/cal/"));
    QString last = QStringLiteral("/srv/cal/");
    RememberFolder(last, QStringLiteral("/home/me/autre.cal"));
    QCOMPARE(last, QStringLiteral("/home/me/"));
}

void TestSettings::generalSectionIsTheFilesOwn()
{
    QVERIFY(SaveSetting(QStringLiteral("General"), QStringLiteral("ShowSplash"), QStringLiteral("0")));
    const QByteArray file = ReadFile(SettingsFilePath());
    QVERIFY(file.contains("[General]"));
    QVERIFY(!file.contains("%General"));
    QCOMPARE(Keys::ShowSplash().ReadInt(), 0);
    WriteFile(SettingsFilePath(), "[General]\nShowSplash=1\n[Tabs]\nTbOpt=2\n"); // edited by hand
    QCOMPARE(Keys::ShowSplash().Read(), QStringLiteral("1"));
}

void TestSettings::aDamagedFileLosesNothingElse()
{
    static const char damaged[] = "\x00\xff[Printer\nCopies=5\n==\n[Printer]\nCopies=3\n\xfe\xfe";
    WriteFile(SettingsFilePath(), QByteArray(damaged, sizeof(damaged) - 1));
    const Settings s = ReadSettings(m_program->path());
    QCOMPARE(s.Copies, qint16(3));
    QCOMPARE(s.CalOpen, m_program->path() + u'/');
    Settings changed = s;
    changed.BckImg = 0;
    QVERIFY(WriteSettings(changed));
    QCOMPARE(ReadSettings(m_program->path()).BckImg, 0);
    QCOMPARE(ReadSettings(m_program->path()).Copies, qint16(3));
}

void TestSettings::anUnwritableFolderIsReported()
{
    const QString blocker = m_config->path() + QStringLiteral("/file");
    WriteFile(blocker, "not a folder");
    qputenv("DAYBINDER_CONFIG_HOME", (blocker + QStringLiteral("/sub")).toUtf8());
    QVERIFY(!WriteSettings(Settings::Defaults(m_program->path())));
    QCOMPARE(ReadSettings(m_program->path()).Copies, qint16(1));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
