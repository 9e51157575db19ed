#include "dialogkit/BrowseLists.h"
#include "pictures/ChoosePicture.h"
#include "pictures/PictureChooser.h"
#include "platform/HelpTopic.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"
#include "support/WhenModal.h"
#include "support/Widgets.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Listed(PictureChooser& chooser)
{
    QStringList names;
    auto* files = Find<FileList>(&chooser, "File1");
    for (int i = 0; i < files->count(); ++i) names.append(files->item(i)->text());
    return names;
}

void OpenFolder(PictureChooser& chooser, const QString& name)
{
    auto* folders = Find<FolderList>(&chooser, "Dir1");
    const QList<QTreeWidgetItem*> found = folders->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    emit folders->itemActivated(found.first(), 0);
}

void SelectFile(PictureChooser& chooser, const QString& name)
{
    auto* files = Find<FileList>(&chooser, "File1");
    const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    files->setCurrentItem(found.first());
}

void Click(QWidget* window, const char* name)
{
    QTest::mouseClick(Find(window, QLatin1String(name)), Qt::LeftButton);
}

QString LabelText(QWidget* window, const char* name)
{
    return Find<QLabel>(window, QLatin1String(name))->text();
}

QString Stored(const char* key)
{
    return GetSetting(u"CmOpPic"_qs, QLatin1String(key), u"(none)"_qs);
}

} // namespace

// The picture chooser window as a user drives it: types, preview, folders, Open and Cancel,
// and what it leaves in the settings.
class TestChooser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid() && m_pictures.isValid());
        qputenv("DAYBINDER_CONFIG_HOME", m_config.path().toUtf8());

        QImage picture(673, 481, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(Path(u"a.bmp"_qs), "BMP"));
        QVERIFY(picture.scaled(120, 90).save(Path(u"b.JPG"_qs), "JPEG"));
        SaveBytes(Path(u"c.gif"_qs),
                  QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw=="));
        QVERIFY(SaveBytes(Path(u"broken.bmp"_qs), "not a picture"));
        QVERIFY(SaveBytes(Path(u"notes.txt"_qs), "not a picture"));
        QVERIFY(QDir(m_pictures.path()).mkpath(u"vide"_qs));
        QVERIFY(QDir(m_pictures.path()).mkpath(u"autre"_qs));
        QVERIFY(picture.save(Path(u"autre/d.bmp"_qs), "BMP"));
    }

    void init()
    {
        QFile::remove(SettingsFilePath());
        Settings::Get().ImgOpen = m_pictures.path() + u'/';
    }

    void opensOnTheFirstPictureOfTheStartFolder()
    {
        PictureChooser chooser;
        chooser.show();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        QTest::keyClick(&chooser, Qt::Key_F1);
        QCOMPARE(LastHelpTopic(), u"Html\\d_openpic.htm"_qs);
        QCOMPARE(Listed(chooser), QStringList({"a.bmp", "b.JPG", "broken.bmp", "c.gif"}));
        auto* label = Find<QLabel>(&chooser, "LblSelFile");
        QCOMPARE(label->text(), Path(u"a.bmp"_qs));
        QCOMPARE(label->toolTip(), Path(u"a.bmp"_qs));
        QCOMPARE(LabelText(&chooser, "LblOpen1"), u"L:673  x  H:481   (pixels)"_qs);
        QVERIFY(!Find<QLabel>(&chooser, "ImgOpen")->pixmap().isNull());
        QVERIFY(Find<QPushButton>(&chooser, "CmdOpen")->isEnabled());
        QCOMPARE(Find<DriveList>(&chooser, "Drive1")->Drive(), QStorageInfo(m_pictures.path()).rootPath());

        SelectFile(chooser, u"b.JPG"_qs);
        QCOMPARE(LabelText(&chooser, "LblOpen1"), u"L:120  x  H:90   (pixels)"_qs);
        QCOMPARE(label->toolTip(), Path(u"b.JPG"_qs));
    }

    void lastTickedTypeStaysTickedAndOnlyGifListsGifs()
    {
        PictureChooser chooser;
        auto* bmp = Find<QCheckBox>(&chooser, "ChkOpen0");
        auto* jpg = Find<QCheckBox>(&chooser, "ChkOpen1");
        auto* gif = Find<QCheckBox>(&chooser, "ChkOpen2");
        QTest::mouseClick(bmp, Qt::LeftButton);
        QTest::mouseClick(jpg, Qt::LeftButton);
        QCOMPARE(Find<FileList>(&chooser, "File1")->Pattern(), u"*.gif"_qs);
        QCOMPARE(Listed(chooser), QStringList({"c.gif"}));
        QCOMPARE(LabelText(&chooser, "LblSelFile"), Path(u"c.gif"_qs));

        QTest::mouseClick(gif, Qt::LeftButton);
        QVERIFY(gif->isChecked());
        QCOMPARE(Listed(chooser), QStringList({"c.gif"}));
        QCOMPARE(Find<FileList>(&chooser, "File1")->FileName(), u"c.gif"_qs);
    }

    void aPictureWithoutPreviewCanBeChosenButAnEmptyFolderOffersNothing()
    {
        { // an empty folder leaves nothing to open
            PictureChooser chooser;
            OpenFolder(chooser, u"vide"_qs);
            QCOMPARE(Find<FolderList>(&chooser, "Dir1")->Path(), Path(u"vide"_qs));
            QVERIFY(Listed(chooser).isEmpty());
            QVERIFY(LabelText(&chooser, "LblSelFile").isEmpty());
            QVERIFY(Find<QLabel>(&chooser, "LblSelFile")->toolTip().isEmpty());
            QCOMPARE(LabelText(&chooser, "LblOpen1"), u"[Non disponible]"_qs);
            QVERIFY(!Find<QPushButton>(&chooser, "CmdOpen")->isEnabled());
            // Enter on an empty list chooses nothing.
            QTest::keyClick(Find<FileList>(&chooser, "File1"), Qt::Key_Return);
            QCOMPARE(chooser.Choice().Result, 0);
        }
        {
            PictureChooser chooser;
            SelectFile(chooser, u"broken.bmp"_qs);
            QCOMPARE(LabelText(&chooser, "LblOpen1"), u"[Non disponible]"_qs);
            QVERIFY(Find<QLabel>(&chooser, "ImgOpen")->pixmap().isNull());
            Click(&chooser, "CmdOpen");
            QCOMPARE(chooser.Choice().Path, Path(u"broken.bmp"_qs));
        }
        PictureChooser chooser;
        Click(&chooser, "ChkOpen3"); // the preview turned off
        QCOMPARE(LabelText(&chooser, "LblOpen1"), u"[Non disponible]"_qs);
        QVERIFY(Find<QLabel>(&chooser, "ImgOpen")->pixmap().isNull());
        Click(&chooser, "CmdOpen");
        QCOMPARE(chooser.Choice().Result, 1);
        QCOMPARE(chooser.Choice().Path, Path(u"a.bmp"_qs));
        QCOMPARE(Stored("ShowPrev"), u"0"_qs);
    }

    void cancelLeavesTheSettingsAsTheyWere()
    {
        SaveSetting(u"CmOpPic"_qs, u"ShowGIF"_qs, u"0"_qs);
        const QString before = Settings::Get().ImgOpen;
        PictureChooser chooser;
        QVERIFY(!Find<QCheckBox>(&chooser, "ChkOpen2")->isChecked());
        Click(&chooser, "ChkOpen0");
        Click(&chooser, "ChkOpen3");
        OpenFolder(chooser, u"autre"_qs);
        Click(&chooser, "CmdCancel");

        QCOMPARE(chooser.Choice().Result, 0);
        QVERIFY(chooser.Choice().Path.isEmpty());
        QCOMPARE(Settings::Get().ImgOpen, before);
        QCOMPARE(Stored("ShowBMP"), u"(none)"_qs);
        QCOMPARE(Stored("ShowGIF"), u"0"_qs);
        QCOMPARE(Stored("ShowPrev"), u"(none)"_qs);
    }

    void openRemembersTheFolderAndTheBoxes()
    {
        {
            PictureChooser chooser;
            Click(&chooser, "ChkOpen1");
            OpenFolder(chooser, u"autre"_qs);
            QCOMPARE(Listed(chooser), QStringList({"d.bmp"}));
            emit Find<FileList>(&chooser, "File1")
                ->itemDoubleClicked(Find<FileList>(&chooser, "File1")->item(0));
            QCOMPARE(chooser.Choice().Path, Path(u"autre/d.bmp"_qs));
        }
        QCOMPARE(Settings::Get().ImgOpen, Path(u"autre/"_qs));
        QCOMPARE(Stored("ShowBMP"), u"1"_qs);
        QCOMPARE(Stored("ShowJPG"), u"0"_qs);
        QCOMPARE(Stored("ShowGIF"), u"1"_qs);
        QCOMPARE(Stored("ShowPrev"), u"1"_qs);

        // The next time it starts there, with the same boxes.
        PictureChooser again;
        QCOMPARE(Find<FolderList>(&again, "Dir1")->Path(), Path(u"autre"_qs));
        QVERIFY(!Find<QCheckBox>(&again, "ChkOpen1")->isChecked());
    }

    void startFolderIsTheFixedOneOrTheProgramsWhenGone()
    {
        const QString fixed = u'*' + m_pictures.path() + u'/';
        Settings::Get().ImgOpen = fixed;
        PictureChooser chooser;
        QCOMPARE(Find<FolderList>(&chooser, "Dir1")->Path(), m_pictures.path());
        OpenFolder(chooser, u"autre"_qs);
        Click(&chooser, "CmdOpen");
        QCOMPARE(chooser.Choice().Path, Path(u"autre/d.bmp"_qs));
        QCOMPARE(Settings::Get().ImgOpen, fixed);

        // A start folder that is gone: the program's own, without a word.
        ScriptedPrompter prompter;
        Settings::Get().ImgOpen = Path(u"gone/"_qs);
        PictureChooser again;
        QCOMPARE(Find<FolderList>(&again, "Dir1")->Path(),
                 QDir::cleanPath(QCoreApplication::applicationDirPath()));
        QVERIFY(prompter.Asked.isEmpty());
    }

    void vanishedFolderAsksRetryOrCancel()
    {
        QVERIFY(QDir(m_pictures.path()).mkpath(u"usb"_qs));
        ScriptedPrompter prompter;
        PictureChooser chooser;
        QVERIFY(QDir(Path(u"usb"_qs)).removeRecursively());

        prompter.Answers = {PromptAnswer::Cancel};
        OpenFolder(chooser, u"usb"_qs);
        QCOMPARE(prompter.Asked.size(), 1);
        const PromptRequest& message = prompter.Asked[0];
        QCOMPARE(message.Text, u"L'erreur suivante s'est produite en accédant au lecteur:\r"_qs +
                                   Path(u"usb"_qs) +
                                   u".\r\rNuméro de l'erreur :  76\rDescription de l'erreur :  "
                                   "Chemin d'accès introuvable"_qs);
        QCOMPARE(message.Title, u"Daybinder"_qs);
        QCOMPARE(message.Icon, PromptIcon::Stop);
        QCOMPARE(message.Buttons, PromptButtons::RetryCancel);
        QCOMPARE(Find<FolderList>(&chooser, "Dir1")->Path(), m_pictures.path());
        QCOMPARE(Listed(chooser).size(), 4);

        // Retry once the folder is back goes in.
        struct PlugBackIn : ScriptedPrompter
        {
            QString Folder;
            PromptAnswer Ask(const PromptRequest& request) override
            {
                QDir().mkpath(Folder);
                return ScriptedPrompter::Ask(request);
            }
        } retry;
        retry.Folder = Path(u"usb"_qs);
        retry.Answers = {PromptAnswer::Retry};
        QDir().mkpath(retry.Folder);
        PictureChooser again;
        QVERIFY(QDir(retry.Folder).removeRecursively());
        OpenFolder(again, u"usb"_qs);
        QCOMPARE(retry.Asked.size(), 1);
        QCOMPARE(Find<FolderList>(&again, "Dir1")->Path(), retry.Folder);
        QVERIFY(QDir(retry.Folder).removeRecursively());
    }

    void choosePictureShowsTheChooserModally()
    {
        WhenModal<PictureChooser>([](PictureChooser* chooser) {
            SelectFile(*chooser, u"c.gif"_qs);
            Click(chooser, "CmdOpen");
        });
        const PictureChoice chosen = ChoosePicture(u"/ignored/start.bmp"_qs);
        QCOMPARE(chosen.Result, 1);
        QCOMPARE(chosen.Path, Path(u"c.gif"_qs));

        WhenModal<PictureChooser>([](PictureChooser* chooser) { chooser->close(); });
        const PictureChoice closed = ChoosePicture(QString());
        QCOMPARE(closed.Result, 0);
        QVERIFY(closed.Path.isEmpty());
    }

private:
    QString Path(const QString& name) const { return m_pictures.path() + u'/' + name; }

    QTemporaryDir m_config;
    QTemporaryDir m_pictures;
};

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
