#include "CalTestDocuments.h"
#include "calfile/CalArchive.h"
#include "calfile/CalFile.h"
#include "calfile/DataStream.h"
#include "calfile/FileError.h"
#include "calfile/Pictures.h"
#include "document/Cp1252.h"
#include "document/Session.h"
#include "resources/Strings.h"
#include "support/ScriptedPrompter.h"
#include "support/SharedEntryArchive.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>
#include <zip.h>

namespace {
const QString cr(u'\r');
} // namespace

class TestCalFileProblems : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Session::Get().Reset();
        m_dir.emplace();
        m_prompter.emplace();
    }

    void thePasswordIsAskedAsTheProgramAlwaysHas_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("prompts");
        QTest::newRow("right at once") << QStringList{u"secret"_qs} << true << 1;
        QTest::newRow("right the second time") << QStringList{u"faux"_qs, u"secret"_qs} << true << 2;
        QTest::newRow("wrong three times") << QStringList{u"a"_qs, u"b"_qs, u"secret"_qs} << false << 3;
        QTest::newRow("cancelled") << QStringList() << false << 1;
        QTest::newRow("cancelled the second time") << QStringList{u"a"_qs} << false << 2;
    }

    void thePasswordIsAskedAsTheProgramAlwaysHas()
    {
        QFETCH(QStringList, typed);
        QFETCH(bool, opens);
        QFETCH(int, prompts);
        CalendarDocument doc = FullDocument();
        CreatePictureFiles(doc, m_dir->path());
        doc.EmbedPictures = true;
        doc.Password = u"secret"_qs;
        const QString path = m_dir->filePath(u"protégé.cal"_qs);
        QVERIFY(WriteCalFile(path, doc));
        m_prompter->Passwords = typed;
        CalendarDocument back;
        QCOMPARE(ReadCalFile(path, back), opens);
        QCOMPARE(m_prompter->PasswordExpected, QStringList(prompts, QString()));
        // The third answer is never tried: "secret" typed third still fails.
        if (prompts == 3) {
            QCOMPARE(m_prompter->Asked.size(), 1);
            QCOMPARE(m_prompter->Asked[0].Text, Str(10032) + cr + path + cr + cr + Str(10047));
            QCOMPARE(m_prompter->Asked[0].Buttons, PromptButtons::Ok);
        } else {
            QVERIFY(m_prompter->Asked.isEmpty());
        }
        if (opens) {
            QCOMPARE(back.Password, u"secret"_qs);
            QCOMPARE(StoredDifference(back, doc), QString());
        }
    }

    void aPasswordFromAWindowsToolOpens()
    {
        // Protected with the Windows-1252 bytes of the password rather than its UTF-8 bytes.
        const QString path = m_dir->filePath(u"windows.cal"_qs);
        const QByteArray stream = WriteDataStream(FullDocument());
        const QByteArray password = EncodeCp1252(u"été");
        zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
        QVERIFY(za);
        zip_source_t* src = zip_source_buffer(za, stream.constData(), zip_uint64_t(stream.size()), 0);
        const zip_int64_t index = zip_file_add(za, "caldata.cal", src, 0);
        QVERIFY(index >= 0);
        QCOMPARE(zip_file_set_encryption(za, zip_uint64_t(index), ZIP_EM_AES_256, password.constData()), 0);
        QCOMPARE(zip_close(za), 0);

        m_prompter->Passwords = {u"été"_qs};
        CalendarDocument back;
        QVERIFY(ReadCalFile(path, back));
        QCOMPARE(back.Author, FullDocument().Author);
    }

    void anArchiveMadeByAnotherZipToolOpens_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("stored");
        QTest::newRow("plain") << QString() << false;
        QTest::newRow("plain, stored as they are") << QString() << true;
        QTest::newRow("traditional encryption") << u"secret"_qs << false;
    }

    void anArchiveMadeByAnotherZipToolOpens()
    {
        QFETCH(QString, password);
        QFETCH(bool, stored);
        const QString zip = QStandardPaths::findExecutable(u"zip"_qs);
        if (zip.isEmpty()) QSKIP("the zip command is not installed");
        CalendarDocument doc = FullDocument();
        doc.EmbedPictures = true;
        doc.DefaultBackground.Picture = TestPicture(5);
        QVERIFY(SaveBytes(m_dir->filePath(u"caldata.cal"_qs), WriteDataStream(doc)));
        QVERIFY(SaveBytes(m_dir->filePath(u"bck.00"_qs), EncodeBitmap(doc.DefaultBackground.Picture)));
        QStringList args{u"-q"_qs};
        if (!password.isEmpty()) args << u"-P"_qs << password; // every member encrypted, pictures too
        if (stored) args << u"-0"_qs;
        args << u"autre.cal"_qs << u"caldata.cal"_qs << u"bck.00"_qs;
        QProcess p;
        p.setWorkingDirectory(m_dir->path());
        p.start(zip, args);
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);

        if (!password.isEmpty()) m_prompter->Passwords = {password};
        CalendarDocument back;
        QVERIFY(ReadCalFile(m_dir->filePath(u"autre.cal"_qs), back));
        QCOMPARE(StoredDifference(back, doc), QString());
        QVERIFY(SamePixels(back.DefaultBackground.Picture, TestPicture(5)));
        // The six months with their own picture and the entry's picture are not in this archive:
        // each is reported and keeps its path.
        QCOMPARE(m_prompter->Asked.size(), 7);
        QCOMPARE(back.Month(1).Background.PicturePath, doc.Month(1).Background.PicturePath);
    }

    void aSmallFileCannotKeepTheReaderInflatingForMinutes()
    {
        // 200 picture members, in 80 KB, all pointing at one entry of 64 MiB of zeros.
        const QByteArray hostile = SharedEntryCalFile(200);
        QVERIFY(!hostile.isEmpty() && hostile.size() < 100 * 1024);
        ArchiveReader archive;
        FileError error;
        QVERIFY(archive.Open(hostile, &error));
        QByteArray data;
        const auto member = [](int i) { return EntryPictureMemberName(1, 10, i); };
        // Zeros are no picture: each is given up after its first bytes, which cost next to nothing.
        for (int i = 0; i < 200; ++i)
            QCOMPARE(archive.Read(member(i), {}, &data, &error, &LooksLikePicture), MemberStatus::Failed);
        // Read whole, the entry fits what is left of the archive's budget once, not twice,
        // whichever reader of the archive asks.
        QCOMPARE(archive.Read(member(0), {}, &data, &error), MemberStatus::Read);
        QCOMPARE(data.size(), kMaxMemberSize);
        ArchiveReader beside;
        QVERIFY(beside.OpenBeside(archive, &error));
        QCOMPARE(beside.Read(member(1), {}, &data, &error), MemberStatus::Failed);
        QCOMPARE(archive.Read(member(2), {}, &data, &error), MemberStatus::Failed);

        // Opened as the program opens it: the entries are there, their pictures reported (the
        // first twenty), none loaded.
        const QString path = m_dir->filePath(u"hostile.cal"_qs);
        QVERIFY(SaveBytes(path, hostile));
        CalendarDocument doc;
        QVERIFY(ReadCalFile(path, doc));
        QCOMPARE(doc.Month(1).Cell(10).Entries.size(), 200);
        QVERIFY(doc.Month(1).Cell(10).Entries[199].Picture.isNull());
        QCOMPARE(m_prompter->Asked.size(), 20);
    }

    void aFailedSaveLeavesTheOldFileAndThePath_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("its folder is a file") << u"folder is a file"_qs;
        QTest::newRow("a system folder") << u"proc"_qs;
        QTest::newRow("a read-only folder") << u"read-only"_qs;
    }

    void aFailedSaveLeavesTheOldFileAndThePath()
    {
        QFETCH(QString, how);
        if (how == u"read-only" && geteuid() == 0)
            QSKIP("permissions do not stop root; the other rows cover it");
        CalendarDocument doc = FullDocument();
        doc.EmbedPictures = true;
        doc.DefaultBackground.Picture = TestPicture(1);
        const QString old = m_dir->filePath(u"ancien.cal"_qs);
        QVERIFY(WriteCalFile(old, doc));
        const QByteArray oldBytes = FileBytes(old);

        QString target = old;
        if (how == u"folder is a file") target = old + u"/nouveau.cal"_qs;
        if (how == u"proc") target = u"/proc/daybinder-%1.cal"_qs.arg(getpid());
        doc.Author = u"changé"_qs;
        bool written = true;
        if (how == u"read-only") {
            QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            written = WriteCalFile(target, doc);
            QFile::setPermissions(m_dir->path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        } else {
            written = WriteCalFile(target, doc);
        }
        QVERIFY(!written);
        QCOMPARE(doc.FilePath, old);
        QCOMPARE(Session::Get().CurrentDocument.FilePath, old);
        QCOMPARE(FileBytes(old), oldBytes);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
                 QStringList{u"ancien.cal"_qs}); // nothing left behind
        QCOMPARE(m_prompter->Asked.size(), 1);
        QVERIFY(m_prompter->Asked[0].Text.startsWith(Str(10033) + cr + target + cr + cr + Str(10038)));
        QCOMPARE(m_prompter->Asked[0].Buttons, PromptButtons::RetryCancel);
    }

    void retryRepeatsTheStepThatFailed()
    {
        CalendarDocument doc = FullDocument();
        CreatePictureFiles(doc, m_dir->path());
        const QString folder = m_dir->filePath(u"dossier"_qs);
        const QString target = folder + u"/a.cal"_qs;
        QVERIFY(SaveBytes(folder, "in the way"));
        // The first report is answered by repairing what failed and choosing Retry.
        const auto repairOnce = [&](std::function<void()> repair) {
            m_prompter.emplace();
            m_prompter->Answers = {PromptAnswer::Retry};
            m_prompter->OnAsk = [repair](int asked) {
                if (asked == 1) repair();
            };
        };
        repairOnce([&] { QFile::remove(folder), QDir().mkdir(folder); });
        QVERIFY(WriteCalFile(target, doc));
        QCOMPARE(m_prompter->Asked.size(), 1);

        // The file appears while the message shows (a disk put back in).
        const QString later = m_dir->filePath(u"plus tard.cal"_qs);
        repairOnce([&] { QFile::copy(target, later); });
        CalendarDocument back;
        QVERIFY(ReadCalFile(later, back));
        QCOMPARE(m_prompter->Asked.size(), 1);
        QCOMPARE(back.Author, doc.Author);

        // Retry, then Cancel: the step ran twice and the open fails.
        m_prompter.emplace();
        m_prompter->Answers = {PromptAnswer::Retry, PromptAnswer::Cancel};
        QVERIFY(!ReadCalFile(m_dir->filePath(u"absent.cal"_qs), back));
        QCOMPARE(m_prompter->Asked.size(), 2);
    }

    void messagesAreLaidOutAsTheProgramAlwaysHas()
    {
        const FileError error{53, u"Fichier introuvable  "_qs, u" Daybinder"_qs};
        PromptRequest r = FileErrorMessage(u" C:\\a.cal "_qs, FileErrorKind::System, false, error);
        QCOMPARE(r.Title, Str(10036));
        QCOMPARE(r.Text, Str(10032) + cr + u"C:\\a.cal"_qs + cr + cr + Str(10038) + u"  53"_qs + cr +
                             Str(10039) + u"  Fichier introuvable"_qs + cr + Str(10040) + u"  Daybinder"_qs);
        QCOMPARE(r.Buttons, PromptButtons::RetryCancel);
        QCOMPARE(r.Icon, PromptIcon::Stop);

        // Writing knows only system errors: any other kind shows the opening alone.
        r = FileErrorMessage(u"/x.cal"_qs, FileErrorKind::UnknownVersion, true);
        QCOMPARE(r.Text, Str(10033) + cr + u"/x.cal"_qs + cr + cr);
        QCOMPARE(r.Icon, PromptIcon::None);
        QCOMPARE(r.Buttons, PromptButtons::Ok);
    }

private:
    std::optional<QTemporaryDir> m_dir;
    std::optional<ScriptedPrompter> m_prompter;
};

QTEST_GUILESS_MAIN(TestCalFileProblems)
#include "tst_calfileproblems.moc"
