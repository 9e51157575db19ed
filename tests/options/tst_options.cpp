// The options dialog as a user drives it: each page's rules, OK writing the pages and re-arming
// the alarm timer, and Cancel writing nothing at all.

#include "alarms/AlarmTimer.h"
#include "options/OptionsDialog.h"
#include "options/OptionsForm.h"
#include "platform/Clock.h"
#include "platform/FileAssociation.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

class TestOptions : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("DAYBINDER_CONFIG_HOME", m_dir->filePath(u"config"_qs).toUtf8());
        AssociationPlaces places{m_dir->filePath(u"data/"_qs), m_dir->filePath(u"xdg/"_qs),
                                 QApplication::applicationFilePath(), u"daybinder"_qs};
        m_association = std::make_unique<FileAssociation>(places);
        FileAssociation::Install(m_association.get());
        Settings::Get() = Settings::Defaults(m_dir->filePath(u"program"_qs));
        for (int n = 1; n <= 10; ++n) Settings::Get().Sound(n) = u"/sons/alarm%1.wav"_qs.arg(n);
        Clock::Install(&m_clock);
        m_dialogs = std::make_unique<ScriptedDialogs>();
        // As the program does: OK re-arms its alarm timer.
        OptionsDialog::Saved = [] {
            if (AlarmTimer* timer = AlarmTimer::Current()) timer->Arm();
        };
    }
    void cleanup()
    {
        m_dialogs.reset();
        OptionsDialog::Saved = nullptr;
        Clock::Install(nullptr);
        FileAssociation::Install(nullptr);
    }

    void cancelAfterChangingEverythingWritesNothing()
    {
        const Settings before = Settings::Get();
        QVERIFY(Keys::TbOpt().Write(1));
        const QByteArray file = FileBytes(SettingsFilePath());
        m_dialogs->Files = {u"/sons/gong.wav"_qs};
        m_dialogs->Folders = {u"/ailleurs/"_qs};
        OptionsDialog d;
        for (const char* box :
             {"ChkGen0", "ChkGen1", "ChkGen2", "ChkGen3", "ChkAL1", "ChkAL2", "ChkPath0", "ChkPrint"})
            Check(&d, box)->click();
        Press(&d, "CmdAL0");
        Press(&d, "CmdPathSel0");
        Press(&d, "CmdPrint1");
        Retype(Box(&d, "TxtPrint"), u"4"_qs);
        d.Pages()->setCurrentIndex(3);
        Press(&d, "CmdCancel");

        QCOMPARE(FileBytes(SettingsFilePath()), file);
        QVERIFY(!m_association->IsDefault());
        const Settings& now = Settings::Get();
        QVERIFY(now.Sounds == before.Sounds && now.CalOpen == before.CalOpen);
        QVERIFY(now.PrintMonths == before.PrintMonths && now.Copies == before.Copies);
    }

    void theGeneralPageRegistersTheProgramAndOkStoresThePageShown()
    {
        QVERIFY(Keys::ShowSplash().Write(0));
        QVERIFY(Keys::TbOpt().Write(2));
        {
            OptionsDialog d;
            QCOMPARE(d.Pages()->currentIndex(), 2);
            QVERIFY(!Check(&d, "ChkGen0")->isChecked());
            QCOMPARE(Check(&d, "ChkGen3")->text(),
                     u"Synchroniser après chaque ouverture et chaque enregistrement"_qs);
            for (const char* box : {"ChkGen0", "ChkGen1", "ChkGen2", "ChkGen3"}) Check(&d, box)->click();
            d.Pages()->setCurrentIndex(0);
            Press(&d, "CmdOk");
        }
        QVERIFY(m_association->IsDefault());
        QCOMPARE(Keys::ShowSplash().Read(), u"1"_qs);
        QCOMPARE(Keys::ShowSel().Read(), u"0"_qs);
        QCOMPARE(Keys::SyncAuto().Read(), u"1"_qs);

        OptionsDialog again;
        QCOMPARE(again.Pages()->currentIndex(), 0);
        QVERIFY(Check(&again, "ChkGen0")->isChecked());
        Check(&again, "ChkGen0")->click();
        Press(&again, "CmdOk");
        QVERIFY(!m_association->IsDefault());
    }

    void minusOneLeavesTheCheckOffAndMinutesReArmTheTimer()
    {
        AlarmTimer timer;
        QVERIFY(Keys::IntervalChk().Write(-1));
        QVERIFY(Keys::OffDefault().Write(0));
        {
            OptionsDialog d;
            QVERIFY(!Check(&d, "ChkAL2")->isChecked());
            QCOMPARE(Box(&d, "TxtAL0")->text(), u"15"_qs);
            Press(&d, "CmdOk");
        }
        QCOMPARE(Keys::IntervalChk().Read(), u"-1"_qs);
        QVERIFY(!timer.IsActive());

        OptionsDialog d;
        Check(&d, "ChkAL1")->click();
        Check(&d, "ChkAL2")->click();
        Retype(Box(&d, "TxtAL0"), u"-20"_qs); // a minus sign never stays
        QCOMPARE(Box(&d, "TxtAL0")->text(), u"20"_qs);
        Find<QToolButton>(&d, "UDAL0Up")->click();
        Press(&d, "CmdOk");
        QCOMPARE(Keys::IntervalChk().Read(), u"21"_qs);
        QCOMPARE(Keys::OffDefault().Read(), u"1"_qs);
        QVERIFY(timer.IsActive());
        QCOMPARE(timer.NextCheck(), m_clock.Now().addSecs(21 * 60));
    }

    void eachSoundIsChosenAndTestedOnItsOwnLine()
    {
        // Cancel keeping the table is checked above.
        RecordingSoundPlayer player;
        m_dialogs->Files = {u"/sons/gong.wav"_qs};
        OptionsDialog d;
        Find<QRadioButton>(&d, "OptAL3")->click();
        QCOMPARE(Box(&d, "TxtAL1")->text(), u"/sons/alarm3.wav"_qs);
        Press(&d, "CmdAL0");
        Find<QRadioButton>(&d, "OptAL4")->click();
        Find<QRadioButton>(&d, "OptAL3")->click();
        Press(&d, "CmdAL1");
        QCOMPARE(player.Played, QStringList{u"/sons/gong.wav"_qs});
        Press(&d, "CmdOk");
        QCOMPARE(Settings::Get().Sound(3), u"/sons/gong.wav"_qs);
        QCOMPARE(Settings::Get().Sound(4), u"/sons/alarm4.wav"_qs);
    }

    void aFixedFolderKeepsItsStarAndACheckedOneFollowsTheFiles()
    {
        Settings& s = Settings::Get();
        s.CalOpen = u"*/data/cal/"_qs;
        s.ImgSave = u"/pics/"_qs;
        {
            OptionsDialog d;
            QVERIFY(!Check(&d, "ChkPath0")->isChecked());
            QCOMPARE(Box(&d, "TxtPath0")->text(), u"/data/cal/"_qs);
            Press(&d, "CmdOk"); // unchanged
        }
        QCOMPARE(s.CalOpen, u"*/data/cal/"_qs);
        QCOMPARE(s.ImgSave, u"/pics/"_qs);

        m_dialogs->Folders = {u"/images/"_qs};
        {
            OptionsDialog d;
            Check(&d, "ChkPath0")->click();
            Check(&d, "ChkPath3")->click();
            Press(&d, "CmdPathSel3");
            QCOMPARE(m_dialogs->FolderAsked, QStringList{u"/pics/"_qs});
            Retype(Box(&d, "TxtPath1"), u"/photos"_qs);
            Press(&d, "CmdOk");
        }
        QCOMPARE(s.CalOpen, u"/data/cal/"_qs);
        QCOMPARE(s.ImgSave, u"*/images/"_qs);
        QCOMPARE(s.ImgOpen, m_dir->filePath(u"program/"_qs)); // still following the files: text ignored

        // An emptied box keeps the folder it showed; a typed one gets its "/".
        QCOMPARE(FolderToStore({false, u"  "_qs}, u"/pics/"_qs), u"*/pics/"_qs);
        QCOMPARE(FolderToStore({false, u"/a"_qs}, u"*/b/"_qs), u"*/a/"_qs);
    }

    void thePrintingPageHoldsMonthsCopiesAndThePrinter()
    {
        Settings& s = Settings::Get();
        m_dialogs->Printers = {PrinterChoice{u"Bureau"_qs, {}, {}}, std::nullopt};
        {
            OptionsDialog d;
            Press(&d, "CmdPrint1");
            Check(&d, "ChkMonth2")->click();
            Check(&d, "ChkMonth11")->click();
            Check(&d, "ChkPrint")->click();
            Retype(Box(&d, "TxtPrint"), u"0"_qs);
            Press(&d, "CmdPrint2");
            QCOMPARE(s.ChosenPrinter.Printer, u"Bureau"_qs);
            Press(&d, "CmdOk");
        }
        QCOMPARE(s.BckImg, 0);
        QCOMPARE(s.Copies, qint16(1)); // never no copy
        for (int m = 1; m <= 12; ++m) QCOMPARE(s.PrintMonth(m), m == 3 || m == 12 ? 1 : 0);

        // No more copies can be typed, nor stepped to, than are kept.
        {
            OptionsDialog d;
            QLineEdit* copies = Box(&d, "TxtPrint");
            Retype(copies, u"599999"_qs);
            QCOMPARE(copies->text(), u"5999"_qs);
            Retype(copies, u"32767"_qs);
            Find<QToolButton>(&d, "UDPrintUp")->click();
            QCOMPARE(copies->text(), u"32767"_qs);
            QCOMPARE(copies->toolTip(), u"Un nombre de 1 à 32767."_qs);
            Press(&d, "CmdOk");
        }
        QCOMPARE(s.Copies, qint16(32767));

        OptionsDialog d;
        Press(&d, "CmdPrint2"); // cancelled: back to the default printer
        QCOMPARE(m_dialogs->PrinterAsked.size(), 2);
        QCOMPARE(m_dialogs->PrinterAsked[0].Printer, QString());
        QCOMPARE(m_dialogs->PrinterAsked[1].Printer, u"Bureau"_qs);
        QCOMPARE(s.ChosenPrinter.Printer, QString());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FileAssociation> m_association;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    FixedClock m_clock{QDateTime(QDate(2026, 3, 14), QTime(9, 0))};
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
