// Protected ".cal" files written by another ZIP tool (fixtures/make-7z-fixtures.sh), and
// protected members damaged after they were written.

#include "CalTestDocuments.h"
#include "calfile/CalFile.h"
#include "calfile/DataStream.h"
#include "document/Session.h"
#include "resources/Strings.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

const QString cr(u'\r');

QString Fixture(const QString& name)
{
    return QStringLiteral(DAYBINDER_FIXTURES "/") + name;
}

// The offset and length of the first member's stored bytes, from its local header.
std::pair<qsizetype, qsizetype> FirstMemberData(const QByteArray& archive)
{
    const auto u16 = [&](int at) { return qsizetype(qFromLittleEndian<quint16>(archive.constData() + at)); };
    const auto comp = qsizetype(qFromLittleEndian<quint32>(archive.constData() + 18));
    return {30 + u16(26) + u16(28), comp};
}

// A copy of the archive with one byte of its protected member changed.
QByteArray Damaged(QByteArray archive, bool inTheMiddle)
{
    const auto [start, length] = FirstMemberData(archive);
    const qsizetype at = inTheMiddle ? start + length / 2 : start + length - 3; // the end: AES's code
    archive[at] = char(archive[at] ^ 0x10);
    return archive;
}

} // namespace

class TestProtectedArchives : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Session::Get().Reset();
        m_dir.emplace();
        m_prompter.emplace();
    }

    void anotherToolsProtectedFileOpensWithItsPasswordOnly_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : {"7z-aes128-deflate.cal", "7z-aes128-store.cal", "7z-aes192-deflate.cal",
                                 "7z-aes256-deflate.cal", "7z-aes256-store.cal", "7z-zipcrypto-deflate.cal",
                                 "7z-zipcrypto-store.cal"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void anotherToolsProtectedFileOpensWithItsPasswordOnly()
    {
        QFETCH(QString, file);
        const QByteArray stream = FileBytes(Fixture(u"caldata.cal"_qs));
        QVERIFY(!stream.isEmpty());

        m_prompter->Passwords = {u"secret"_qs};
        CalendarDocument back;
        QVERIFY(ReadCalFile(Fixture(file), back));
        QVERIFY(m_prompter->Asked.isEmpty());
        QCOMPARE(m_prompter->PasswordExpected.size(), 1);
        QCOMPARE(WriteDataStream(back), stream);
        QCOMPARE(back.Password, u"secret"_qs); // the next save protects it again

        // A wrong password is refused as the program always has, whatever the method.
        m_prompter.emplace();
        m_prompter->Passwords = {u"Secret"_qs, u"secret "_qs, u"secret"_qs};
        QVERIFY(!ReadCalFile(Fixture(file), back));
        QCOMPARE(m_prompter->PasswordExpected.size(), 3);
        QCOMPARE(m_prompter->Asked.size(), 1);
        QCOMPARE(m_prompter->Asked[0].Text, Str(10032) + cr + Fixture(file) + cr + cr + Str(10047));
    }

    void aDamagedProtectedMemberIsADamagedFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("inTheMiddle");
        QTest::newRow("AES-128, deflated") << u"7z-aes128-deflate.cal"_qs << true;
        QTest::newRow("AES-128, stored") << u"7z-aes128-store.cal"_qs << true;
        QTest::newRow("AES-256, deflated") << u"7z-aes256-deflate.cal"_qs << true;
        QTest::newRow("AES-256, stored") << u"7z-aes256-store.cal"_qs << true;
        QTest::newRow("AES-256, its authentication code") << u"7z-aes256-deflate.cal"_qs << false;
        QTest::newRow("written by the program") << QString() << true;
    }

    void aDamagedProtectedMemberIsADamagedFile()
    {
        QFETCH(QString, file);
        QFETCH(bool, inTheMiddle);
        QByteArray bytes;
        if (file.isEmpty()) {
            CalendarDocument doc = FullDocument();
            doc.Password = u"secret"_qs;
            const QString ours = m_dir->filePath(u"nôtre.cal"_qs);
            QVERIFY(WriteCalFile(ours, doc));
            bytes = FileBytes(ours);
        } else {
            bytes = FileBytes(Fixture(file));
        }
        const QString path = m_dir->filePath(u"abîmé.cal"_qs);
        QVERIFY(SaveBytes(path, Damaged(bytes, inTheMiddle)));

        // The password is right: the file is reported damaged at once, never asked for again.
        m_prompter->Passwords = {u"secret"_qs, u"secret"_qs, u"secret"_qs};
        CalendarDocument back;
        QVERIFY(!ReadCalFile(path, back));
        QCOMPARE(m_prompter->PasswordExpected.size(), 1);
        QCOMPARE(m_prompter->Asked.size(), 1);
        const PromptRequest& r = m_prompter->Asked[0];
        QVERIFY2(r.Text.startsWith(Str(10032) + cr + path + cr + cr + Str(10038) + u"  "_qs),
                 qPrintable(r.Text));
        QVERIFY(!r.Text.contains(Str(10047)));
        QCOMPARE(r.Buttons, PromptButtons::RetryCancel);
        QVERIFY(back.FilePath.isEmpty());

        // A wrong password is still told as one.
        m_prompter.emplace();
        m_prompter->Passwords = {u"faux"_qs};
        QVERIFY(!ReadCalFile(path, back));
        QCOMPARE(m_prompter->PasswordExpected.size(), 2);
        QVERIFY(m_prompter->Asked.isEmpty());
    }

    void aDamagedMemberUnderTheTraditionalMethodIsNeverLoaded_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("deflated") << u"7z-zipcrypto-deflate.cal"_qs;
        QTest::newRow("stored") << u"7z-zipcrypto-store.cal"_qs;
    }

    void aDamagedMemberUnderTheTraditionalMethodIsNeverLoaded()
    {
        // Its one-byte check cannot tell damage from a wrong password: the password is asked
        // again, and nothing half read is ever shown.
        QFETCH(QString, file);
        const QString path = m_dir->filePath(u"abîmé.cal"_qs);
        QVERIFY(SaveBytes(path, Damaged(FileBytes(Fixture(file)), true)));
        m_prompter->Passwords = {u"secret"_qs, u"secret"_qs, u"secret"_qs};
        CalendarDocument back;
        QVERIFY(!ReadCalFile(path, back));
        QCOMPARE(m_prompter->Asked.size(), 1);
        QCOMPARE(back.Author, QString());
        QVERIFY(back.FilePath.isEmpty());
    }

private:
    std::optional<QTemporaryDir> m_dir;
    std::optional<ScriptedPrompter> m_prompter;
};

QTEST_GUILESS_MAIN(TestProtectedArchives)
#include "tst_protectedarchives.moc"
