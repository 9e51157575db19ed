// Whole files in and out: saves that fail on the disk, through the file-system seam (so they
// fail for root too), where the old file stays byte for byte, the user is told, nothing is left
// beside it and Retry works; files of every size read back whole.

#include "CalTestDocuments.h"
#include "calfile/CalFile.h"
#include "calfile/FileBytes.h"
#include "calfile/FileError.h"
#include "document/Session.h"
#include "resources/Strings.h"
#include "support/FailingFileSystem.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
const QString cr(u'\r');
} // namespace

class TestFileBytes : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Session::Get().Reset();
        m_dir.emplace();
        m_prompter.emplace();
    }

    void aSaveThatFailsOnTheDiskLeavesTheOldFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("number");
        QTest::newRow("the disk is full") << u"full at 0"_qs << int(ErrDiskFull);
        QTest::newRow("the disk fills up after 100 bytes") << u"full at 100"_qs << int(ErrDiskFull);
        QTest::newRow("the disk fills up at the last byte") << u"full at the end"_qs << int(ErrDiskFull);
        QTest::newRow("the sync fails") << u"sync"_qs << int(ErrDeviceIO);
        QTest::newRow("the close fails (a network disk over quota)") << u"close"_qs << int(ErrDiskFull);
        QTest::newRow("the rename fails") << u"rename"_qs << int(ErrPermissionDenied);
    }

    void aSaveThatFailsOnTheDiskLeavesTheOldFile()
    {
        QFETCH(QString, how);
        QFETCH(int, number);
        CalendarDocument doc = FullDocument();
        doc.EmbedPictures = true;
        doc.DefaultBackground.Picture = TestPicture(1);
        const QString old = m_dir->filePath(u"année.cal"_qs);
        QVERIFY(WriteCalFile(old, doc));
        const QByteArray oldBytes = FileBytes(old);

        doc.Author = u"changé"_qs;
        doc.Password = u"secret"_qs;
        FailingFileSystem disk;
        if (how.startsWith(u"full at ")) // the new file is larger than the old one
            disk.BytesUntilFull = how.endsWith(u"end") ? size_t(oldBytes.size()) : how.mid(8).toULong();
        if (how == u"sync") disk.SyncError = EIO;
        if (how == u"close") disk.CloseError = EDQUOT;
        if (how == u"rename") disk.RenameError = EACCES;

        QVERIFY(!WriteCalFile(old, doc));
        QCOMPARE(FileBytes(old), oldBytes);
        QCOMPARE(doc.FilePath, old); // as it was: the file on disk is still that one
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"année.cal"_qs});
        QCOMPARE(disk.Renames, how == u"rename" ? 1 : 0); // the old name is never taken before
        QCOMPARE(m_prompter->Asked.size(), 1);
        const PromptRequest& r = m_prompter->Asked[0];
        QVERIFY2(r.Text.startsWith(Str(10033) + cr + old + cr + cr + Str(10038) + u"  %1\r"_qs.arg(number)),
                 qPrintable(r.Text));
        QCOMPARE(r.Buttons, PromptButtons::RetryCancel);
    }

    void retryAfterTheDiskHasRoomAgainSaves()
    {
        CalendarDocument doc = NewDocument();
        doc.Author = u"Zoé"_qs;
        const QString path = m_dir->filePath(u"a.cal"_qs);
        QVERIFY(SaveBytes(path, "l'ancien"));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        FailingFileSystem disk;
        disk.BytesUntilFull = 10;
        m_prompter->Answers = {PromptAnswer::Retry, PromptAnswer::Retry};
        m_prompter->OnAsk = [&](int asked) { // the first Retry meets the same full disk
            if (asked == 2) disk.BytesUntilFull.reset();
        };
        QVERIFY(WriteCalFile(path, doc));
        QCOMPARE(m_prompter->Asked.size(), 2);
        QCOMPARE(doc.FilePath, path);
        CalendarDocument back;
        QVERIFY(ReadCalFile(path, back));
        QCOMPARE(StoredDifference(back, doc), QString());
        struct stat st = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0640)); // the old file's permissions are kept
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"a.cal"_qs});
    }

    void aLinkIsFollowedAndStays()
    {
        CalendarDocument doc = NewDocument();
        doc.Author = u"Zoé"_qs;
        const QString real = m_dir->filePath(u"vrai.cal"_qs);
        const QString link = m_dir->filePath(u"lien.cal"_qs);
        QVERIFY(SaveBytes(real, "l'ancien"));
        QVERIFY(QFile::link(real, link));
        QVERIFY(WriteCalFile(link, doc));
        QVERIFY(QFileInfo(link).isSymLink());
        CalendarDocument back;
        QVERIFY(ReadCalFile(real, back));
        QCOMPARE(back.Author, doc.Author);
    }

    void filesOfEverySizeAreReadWhole_data()
    {
        QTest::addColumn<qsizetype>("size");
        QTest::newRow("empty") << qsizetype(0);
        QTest::newRow("small") << qsizetype(1000);
        QTest::newRow("just under the large pages") << qsizetype((2 << 20) - 1);
        QTest::newRow("large") << qsizetype((5 << 20) + 7);
    }

    void filesOfEverySizeAreReadWhole()
    {
        QFETCH(qsizetype, size);
        QByteArray bytes(size, Qt::Uninitialized);
        for (qsizetype i = 0; i < size; ++i) bytes[i] = char(i * 7 + i / 251);
        const QString path = m_dir->filePath(u"f.bin"_qs);
        FileError e;
        QVERIFY(ReplaceFile(path, bytes, &e));
        QByteArray back;
        QVERIFY(ReadWholeFile(path, size, &back, &e));
        QVERIFY(back == bytes);
        qsizetype read = 0;
        std::unique_ptr<LargeBuffer> buffer;
        const auto room = [&](qsizetype n) {
            buffer = std::make_unique<LargeBuffer>(n);
            return buffer->Data();
        };
        QVERIFY(ReadWholeFile(path, size, room, &read, &e));
        QCOMPARE(read, size);
        QVERIFY(QByteArrayView(buffer->Data() ? buffer->Data() : "", read) == bytes);
        if (size > 0) QVERIFY(!ReadWholeFile(path, size - 1, &back, &e)); // past the limit
    }

private:
    std::optional<QTemporaryDir> m_dir;
    std::optional<ScriptedPrompter> m_prompter;
};

QTEST_GUILESS_MAIN(TestFileBytes)
#include "tst_filebytes.moc"
