// The program's start-up and shutdown as a user meets them: the display check, the state the
// program starts in, the splash setting, the command-line path, and the settings written when
// the program ends and read back at the next start.

#include "app/Program.h"
#include "document/Paths.h"
#include "platform/Display.h"
#include "resources/Strings.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "views/MainWindow.h"
#include "views/MonthWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct FakeDisplay : DisplayInfo
{
    explicit FakeDisplay(QSize size) : Size(size) {}
    int ScreenWidth() const override { return Size.width(); }
    int ScreenHeight() const override { return Size.height(); }
    int ColourDepth() const override { return -1; }
    QSize Size;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("DAYBINDER_CONFIG_HOME", m_config->path().toUtf8());
        m_prompter = std::make_unique<ScriptedPrompter>();
        Session::Get().Reset();
    }

    void cleanup()
    {
        DisplayInfo::Install(nullptr);
        Session::Get().SetMode(MainMode::Unload); // windows of a test that did not close them
        m_prompter.reset();
        Session::Get().Reset();
    }

    void startsAtTheLogoWithTwelveHiddenMonthWindows()
    {
        Program program;
        QVERIFY(program.Start({u"daybinder"_qs}));
        QVERIFY(program.SplashShown()); // by default
        MainWindow* main = program.Window();
        QVERIFY(main->isVisible());
        QCOMPARE(Session::Get().Mode(), MainMode::Logo);
        QCOMPARE(main->windowTitle(), u"Daybinder v2.1 pour Linux"_qs);
        QVERIFY(Session::Get().CurrentDocument.IsSaved);
        for (int m = 1; m <= 12; ++m) {
            MonthWindow* w = main->ExistingMonthWindow(m);
            QVERIFY(w && !w->isVisible() && !w->windowIcon().isNull());
            QCOMPARE(w->property("Tag").toString(), QString::number(m));
        }
        QVERIFY(main->RememberedPath().isEmpty());
        QVERIFY(m_prompter->Asked.isEmpty());
        QVERIFY(QApplication::overrideCursor() == nullptr); // the hourglass is gone
    }

    void splashCanBeTurnedOff()
    {
        QVERIFY(SaveSetting(u"General"_qs, u"ShowSplash"_qs, u"0"_qs));
        Program program;
        QVERIFY(program.Start({u"daybinder"_qs}));
        QVERIFY(!program.SplashShown());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(w->objectName() != u"FrmSplash"_qs || !w->isVisible());
    }

    void aSmallDisplayAsksFirst_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("answer"); // -1: not asked
        QTest::newRow("narrow, No") << QSize(799, 600) << int(PromptAnswer::No);
        QTest::newRow("short, Yes") << QSize(1024, 599) << int(PromptAnswer::Yes);
        QTest::newRow("exactly 800 by 600") << QSize(800, 600) << -1;
    }

    void aSmallDisplayAsksFirst()
    {
        QFETCH(QSize, screen);
        QFETCH(int, answer);
        FakeDisplay display(screen);
        DisplayInfo::Install(&display);
        if (answer >= 0) m_prompter->Answers = {PromptAnswer(answer)};
        Program program;
        QCOMPARE(program.Start({u"daybinder"_qs}), answer != int(PromptAnswer::No));
        QCOMPARE(program.Window() != nullptr, answer != int(PromptAnswer::No));
        QCOMPARE(m_prompter->Asked.size(), answer >= 0 ? 1 : 0);
        if (answer < 0) return;
        const PromptRequest& q = m_prompter->Asked.first();
        QCOMPARE(q.Text, Str(10048));
        QCOMPARE(q.Icon, PromptIcon::Stop);
        QCOMPARE(q.Buttons, PromptButtons::YesNo);
        QCOMPARE(q.DefaultButton, std::optional<PromptAnswer>(PromptAnswer::No));
    }

    void commandLineIsOnePathOpened()
    {
        // A path that cannot be opened is reported, whole, and the program stays at its logo.
        const QString path = m_config->filePath(u"Mon calendrier.cal"_qs);
        Program program;
        QVERIFY(program.Start({u"daybinder"_qs, m_config->filePath(u"Mon"_qs), u"calendrier.cal"_qs}));
        QCOMPARE(m_prompter->Asked.size(), 1);
        QVERIFY(m_prompter->Asked[0].Text.contains(path));
        QCOMPARE(Session::Get().Mode(), MainMode::Logo);
        QVERIFY(Session::Get().CurrentDocument.FilePath.isEmpty());
    }

    void settingsWrittenAtShutdownAreReadAtTheNextStart()
    {
        QVERIFY(!QFile::exists(SettingsFilePath()));
        {
            Program first;
            QVERIFY(first.Start({u"daybinder"_qs}));
            QCOMPARE(Settings::Get().Copies, qint16(1)); // the defaults, with no file yet
            QCOMPARE(Settings::Get().CalOpen, ProgramFolder());
            Settings& s = Settings::Get();
            s.Copies = 3;
            s.BckImg = 0;
            s.CalOpen = u"*/srv/calendriers/"_qs;
            s.CalSave = u"/home/me/Mes documents/"_qs;
            s.ImgOpen = u"/home/me/images, vacances/"_qs;
            s.ImgSave = u"/home/me/été/"_qs;
            s.PrintMonth(2) = 0;
            s.Sound(4).clear();
            QVERIFY(first.Window()->close());
        }
        QVERIFY(QFile::exists(SettingsFilePath()));

        Settings::Get() = Settings::Defaults(ProgramFolder());
        Session::Get().Reset();
        Program second;
        QVERIFY(second.Start({u"daybinder"_qs}));
        const Settings& s = Settings::Get();
        QCOMPARE(s.Copies, qint16(3));
        QCOMPARE(s.BckImg, 0);
        QCOMPARE(s.CalOpen, u"*/srv/calendriers/"_qs);
        QCOMPARE(s.CalSave, u"/home/me/Mes documents/"_qs);
        QCOMPARE(s.ImgOpen, u"/home/me/images, vacances/"_qs);
        QCOMPARE(s.ImgSave, u"/home/me/été/"_qs);
        QCOMPARE(s.PrintMonth(2), 0);
        QCOMPARE(s.PrintMonth(3), 1);
        // An empty sound path was stored; the default sound, when it exists, takes its place.
        QCOMPARE(s.Sound(4), CheckedSoundPath(QString(), 4, ProgramFolder()));
    }

private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<ScriptedPrompter> m_prompter;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
