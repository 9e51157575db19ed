#include "pictures/ChooserRules.h"
#include "pictures/PathDisplay.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// The rules of the picture chooser that need no window: shortened paths, patterns, settings,
// start folder, folder errors and the preview.
class TestChooserRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void longPathsLoseTheirTopFoldersFirst();
    void boxGetsTheFullPathAsTooltipOnlyWhenShortened();

    void patternFollowsTheTickedTypesInOrder();
    void optionsSurviveARoundTripAndNoneTickedListsAll();

    void unreadableFolderIsReportedWithNumberAndDescription();

    void previewGivesThePictureSizeAndFitsTheBox();

private:
    QTemporaryDir m_config;
    QTemporaryDir m_files;
};

void TestChooserRules::initTestCase()
{
    QVERIFY(m_config.isValid() && m_files.isValid());
    qputenv("DAYBINDER_CONFIG_HOME", m_config.path().toUtf8());
}

void TestChooserRules::init()
{
    QFile::remove(SettingsFilePath());
}

void TestChooserRules::longPathsLoseTheirTopFoldersFirst()
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
    QCOMPARE(ShortenPathDisplay(path, 30), QStringLiteral("/.../plage du matin.jpg"));

    // The file name itself is never cut.
    const QString name = QString(70, u'x') + QStringLiteral(".bmp");
    QCOMPARE(ShortenPathDisplay(QStringLiteral("/photos/") + name, 65), QStringLiteral("/.../") + name);
    QCOMPARE(ShortenPathDisplay(name, 65), name);
}

namespace {
struct FakeBox
{
    QString Text, Tip;
    QString text() const { return Text; }
    void setText(const QString& t) { Text = t; }
    void setToolTip(const QString& t) { Tip = t; }
};
} // namespace

void TestChooserRules::boxGetsTheFullPathAsTooltipOnlyWhenShortened()
{
    FakeBox box{QStringLiteral("/a/b.bmp"), QStringLiteral("old tip")};
    ShortenPathDisplay(&box, 55);
    QCOMPARE(box.Text, QStringLiteral("/a/b.bmp"));
    QCOMPARE(box.Tip, QStringLiteral("old tip"));

    const QString full =
        QStringLiteral("/home/marie/Images/Vacances 2023/Bretagne/Quiberon/plage du matin.jpg");
    box.Text = full;
    ShortenPathDisplay(&box, 30);
    QCOMPARE(box.Text, QStringLiteral("/.../plage du matin.jpg"));
    QCOMPARE(box.Tip, full);
}

void TestChooserRules::patternFollowsTheTickedTypesInOrder()
{
    QCOMPARE(PicturePattern({true, true, true}), QStringLiteral("*.bmp;*.jpg;*.jpeg;*.gif"));
    QCOMPARE(PicturePattern({false, false, true}), QStringLiteral("*.gif"));
    QCOMPARE(PicturePattern({false, true, true}), QStringLiteral("*.jpg;*.jpeg;*.gif"));
    QCOMPARE(PicturePattern({true, false, true}), QStringLiteral("*.bmp;*.gif"));
    QVERIFY(!AnyPictureType({false, false, false}));
    QCOMPARE(PatternFilters(QStringLiteral("*.jpg;*.jpeg")), QStringList({"*.jpg", "*.jpeg"}));
}

void TestChooserRules::optionsSurviveARoundTripAndNoneTickedListsAll()
{
    ChooserOptions options = ReadChooserOptions();
    QCOMPARE(options.Types, PictureTypes({true, true, true})); // nothing stored yet: everything shown
    QVERIFY(options.Preview);
    options.Types = {false, true, false};
    options.Preview = false;
    QVERIFY(SaveChooserOptions(options));
    QCOMPARE(GetSetting(QStringLiteral("CmOpPic"), QStringLiteral("ShowBMP"), {}), QStringLiteral("0"));
    QCOMPARE(GetSetting(QStringLiteral("CmOpPic"), QStringLiteral("ShowJPG"), {}), QStringLiteral("1"));
    QCOMPARE(GetSetting(QStringLiteral("CmOpPic"), QStringLiteral("ShowPrev"), {}), QStringLiteral("0"));
    const ChooserOptions back = ReadChooserOptions();
    QCOMPARE(back.Types, options.Types);
    QVERIFY(!back.Preview);

    // A settings file edited to list nothing would leave the chooser empty for good.
    for (const char* key : {"ShowBMP", "ShowJPG", "ShowGIF"})
        SaveSetting(QStringLiteral("CmOpPic"), QLatin1String(key), QStringLiteral("0"));
    QCOMPARE(ReadChooserOptions().Types, PictureTypes({true, true, true}));
}

void TestChooserRules::unreadableFolderIsReportedWithNumberAndDescription()
{
    const QString gone = m_files.path() + QStringLiteral("/gone");
    const std::optional<FolderError> error = CheckFolder(gone);
    QVERIFY(error);
    QCOMPARE(error->Number, 76);
    QVERIFY(!CheckFolder(m_files.path()));
    QVERIFY(!CheckDrive(QStringLiteral("/")));

    QFile file(m_files.filePath(QStringLiteral("plain.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(CheckFolder(file.fileName())); // a file is no folder

    const PromptRequest message = FolderErrorMessage(gone, *error);
    QCOMPARE(message.Title, QStringLiteral("Daybinder"));
    QCOMPARE(message.Icon, PromptIcon::Stop);
    QCOMPARE(message.Buttons, PromptButtons::RetryCancel);
    QCOMPARE(message.Text, QStringLiteral("L'erreur suivante s'est produite en accédant au lecteur:\r") +
                               gone +
                               QStringLiteral(".\r\rNuméro de l'erreur :  76\rDescription de l'erreur :  "
                                              "Chemin d'accès introuvable"));
}

void TestChooserRules::previewGivesThePictureSizeAndFitsTheBox()
{
    const QString bmp = m_files.filePath(QStringLiteral("wide.bmp"));
    QImage picture(673, 481, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(bmp, "BMP"));
    PicturePreview preview = LoadPicturePreview(bmp, QSize(200, 160));
    QVERIFY(preview.Loaded());
    QCOMPARE(preview.Size, QSize(673, 481));
    QCOMPARE(PictureSizeText(preview.Size), QStringLiteral("L:673  x  H:481   (pixels)"));
    QVERIFY(preview.Image.width() <= 200 && preview.Image.height() <= 160);
    QCOMPARE(preview.Image.width(), 200); // the ratio is kept, the box filled on its long side

    // A camera's JPEG named in capitals; a small picture is never enlarged.
    const QString jpeg = m_files.filePath(QStringLiteral("IMG_0001.JPG"));
    QVERIFY(picture.scaled(64, 48).save(jpeg, "JPEG"));
    preview = LoadPicturePreview(jpeg, QSize(200, 160));
    QVERIFY(preview.Loaded());
    QCOMPARE(preview.Image.size(), QSize(64, 48));

    const QString gif = m_files.filePath(QStringLiteral("dot.gif"));
    QFile out(gif);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw=="));
    out.close();
    QCOMPARE(LoadPicturePreview(gif, QSize(200, 160)).Size, QSize(1, 1));
    QVERIFY(!LoadPicturePreview(m_files.filePath(QStringLiteral("none.bmp")), QSize(200, 160)).Loaded());
}

QTEST_GUILESS_MAIN(TestChooserRules)
#include "tst_chooser_rules.moc"
