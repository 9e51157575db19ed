#include "pictures/ChooserRules.h"
#include "pictures/PathDisplay.h"
#include "settings/SettingsStore.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Stands for a text box: what ShortenPathDisplay writes to.
struct FakeBox
{
    QString Text, Tip;
    QString text() const { return Text; }
    void setText(const QString& t) { Text = t; }
    void setToolTip(const QString& t) { Tip = t; }
};

} // namespace

// The rules of the picture chooser that need no window: shortened paths, patterns, stored
// types, folder errors and the preview.
class TestChooserRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid() && m_files.isValid());
        qputenv("DAYBINDER_CONFIG_HOME", m_config.path().toUtf8());
    }

    void longPathsLoseTheirTopFoldersFirst()
    {
        const QString shortPath = QStringLiteral("/home/marie/Images/plage.jpg");
        QCOMPARE(ShortenPathDisplay(shortPath, int(shortPath.size())), shortPath); // exactly the maximum fits
        const QString path =
            QStringLiteral("/home/marie/Images/Vacances 2023/Bretagne/Quiberon/plage du matin.jpg");
        QCOMPARE(path.size(), 69);
        // "..." in a row is written once.
        QCOMPARE(ShortenPathDisplay(path, 65),
                 QStringLiteral("/.../Images/Vacances 2023/Bretagne/Quiberon/plage du matin.jpg"));
        // 55 characters exactly is not short enough: one more folder goes.
        QCOMPARE(ShortenPathDisplay(path, 55), QStringLiteral("/.../Bretagne/Quiberon/plage du matin.jpg"));
        // The file name itself is never cut.
        const QString name = QString(70, u'x') + QStringLiteral(".bmp");
        QCOMPARE(ShortenPathDisplay(QStringLiteral("/photos/") + name, 65), QStringLiteral("/.../") + name);
        QCOMPARE(ShortenPathDisplay(name, 65), name);

        // A box gets the full path as its tooltip only when its text was shortened.
        FakeBox box{QStringLiteral("/a/b.bmp"), QStringLiteral("old tip")};
        ShortenPathDisplay(&box, 55);
        QCOMPARE(box.Text, QStringLiteral("/a/b.bmp"));
        QCOMPARE(box.Tip, QStringLiteral("old tip"));
        box.Text = path;
        ShortenPathDisplay(&box, 30);
        QCOMPARE(box.Text, QStringLiteral("/.../plage du matin.jpg"));
        QCOMPARE(box.Tip, path);
    }

    void patternFollowsTheTickedTypesInOrder()
    {
        QCOMPARE(PicturePattern({true, true, true}), QStringLiteral("*.bmp;*.jpg;*.jpeg;*.gif"));
        QCOMPARE(PicturePattern({false, false, true}), QStringLiteral("*.gif"));
        QCOMPARE(PicturePattern({false, true, true}), QStringLiteral("*.jpg;*.jpeg;*.gif"));
        QCOMPARE(PicturePattern({true, false, true}), QStringLiteral("*.bmp;*.gif"));
        QVERIFY(!AnyPictureType({false, false, false}));
        QCOMPARE(PatternFilters(QStringLiteral("*.jpg;*.jpeg")), QStringList({"*.jpg", "*.jpeg"}));
    }

    void storedTypesThatListNothingListEverything()
    {
        QCOMPARE(ReadChooserOptions().Types, PictureTypes({true, true, true})); // nothing stored yet
        // A settings file edited to list nothing would leave the chooser empty for good.
        for (const char* key : {"ShowBMP", "ShowJPG", "ShowGIF"})
            SaveSetting(QStringLiteral("CmOpPic"), QLatin1String(key), QStringLiteral("0"));
        QCOMPARE(ReadChooserOptions().Types, PictureTypes({true, true, true}));
    }

    void unreadableFolderIsReportedWithNumberAndDescription()
    {
        const QString gone = m_files.path() + QStringLiteral("/gone");
        const std::optional<FolderError> error = CheckFolder(gone);
        QVERIFY(error);
        QVERIFY(!CheckFolder(m_files.path()));
        QVERIFY(SaveBytes(m_files.filePath(QStringLiteral("plain.txt")), {}));
        QVERIFY(CheckFolder(m_files.filePath(QStringLiteral("plain.txt")))); // a file is no folder

        const PromptRequest message = FolderErrorMessage(gone, *error);
        QCOMPARE(message.Title, QStringLiteral("Daybinder"));
        QCOMPARE(message.Icon, PromptIcon::Stop);
        QCOMPARE(message.Buttons, PromptButtons::RetryCancel);
        QCOMPARE(message.Text, QStringLiteral("L'erreur suivante s'est produite en accédant au lecteur:\r") +
                                   gone +
                                   QStringLiteral(".\r\rNuméro de l'erreur :  76\rDescription de l'erreur :  "
                                                  "Chemin d'accès introuvable"));
    }

    void previewGivesThePictureSizeAndFitsTheBox()
    {
        const QString bmp = m_files.filePath(QStringLiteral("wide.bmp"));
        QImage picture(673, 481, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(bmp, "BMP"));
        PicturePreview preview = LoadPicturePreview(bmp, QSize(200, 160));
        QVERIFY(preview.Loaded());
        QCOMPARE(preview.Size, QSize(673, 481));
        QCOMPARE(preview.Image.width(), 200); // the ratio is kept, the box filled on its long side
        QVERIFY(preview.Image.height() <= 160);

        // A camera's JPEG named in capitals; a small picture is never enlarged.
        const QString jpeg = m_files.filePath(QStringLiteral("IMG_0001.JPG"));
        QVERIFY(picture.scaled(64, 48).save(jpeg, "JPEG"));
        preview = LoadPicturePreview(jpeg, QSize(200, 160));
        QVERIFY(preview.Loaded());
        QCOMPARE(preview.Image.size(), QSize(64, 48));
        QVERIFY(!LoadPicturePreview(m_files.filePath(QStringLiteral("none.bmp")), QSize(200, 160)).Loaded());
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_files;
};

QTEST_GUILESS_MAIN(TestChooserRules)
#include "tst_chooser_rules.moc"
