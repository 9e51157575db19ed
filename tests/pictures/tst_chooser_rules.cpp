#include "dialogkit/BrowseRules.h"
#include "pictures/ChooserRules.h"
#include "settings/SettingsStore.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// The rules of the picture chooser that need no window: patterns, stored types and the preview.
class TestChooserRules : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid() && m_files.isValid());
        qputenv("DAYBINDER_CONFIG_HOME", m_config.path().toUtf8());
    }

    void patternFollowsTheTickedTypesAndNeverListsNothing()
    {
        QCOMPARE(PicturePattern({true, true, true}), u"*.bmp;*.jpg;*.jpeg;*.gif"_qs);
        QCOMPARE(PicturePattern({false, false, true}), u"*.gif"_qs);
        QCOMPARE(PicturePattern({false, true, true}), u"*.jpg;*.jpeg;*.gif"_qs);
        QCOMPARE(PicturePattern({true, false, true}), u"*.bmp;*.gif"_qs);
        QVERIFY(!AnyPictureType({false, false, false}));
        QCOMPARE(PatternFilters(u"*.jpg;*.jpeg"_qs), QStringList({"*.jpg", "*.jpeg"}));

        QCOMPARE(ReadChooserOptions().Types, PictureTypes({true, true, true})); // nothing stored yet
        // A settings file edited to list nothing would leave the chooser empty for good.
        for (const char* key : {"ShowBMP", "ShowJPG", "ShowGIF"})
            SaveSetting(u"CmOpPic"_qs, QLatin1String(key), u"0"_qs);
        QCOMPARE(ReadChooserOptions().Types, PictureTypes({true, true, true}));
    }

    void previewGivesThePictureSizeAndFitsTheBox()
    {
        const QString bmp = m_files.filePath(u"wide.bmp"_qs);
        QImage picture(673, 481, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(bmp, "BMP"));
        PicturePreview preview = LoadPicturePreview(bmp, QSize(200, 160));
        QVERIFY(preview.Loaded());
        QCOMPARE(preview.Size, QSize(673, 481));
        QCOMPARE(preview.Image.width(), 200); // the ratio is kept, the box filled on its long side
        QVERIFY(preview.Image.height() <= 160);

        // A camera's JPEG named in capitals; a small picture is never enlarged.
        const QString jpeg = m_files.filePath(u"IMG_0001.JPG"_qs);
        QVERIFY(picture.scaled(64, 48).save(jpeg, "JPEG"));
        preview = LoadPicturePreview(jpeg, QSize(200, 160));
        QVERIFY(preview.Loaded());
        QCOMPARE(preview.Image.size(), QSize(64, 48));
        QVERIFY(!LoadPicturePreview(m_files.filePath(u"none.bmp"_qs), QSize(200, 160)).Loaded());
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_files;
};

QTEST_GUILESS_MAIN(TestChooserRules)
#include "tst_chooser_rules.moc"
