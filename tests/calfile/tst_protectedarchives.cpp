// Protected ".cal" files written by another ZIP tool (fixtures/make-7z-fixtures.sh), and
// protected members damaged after they were written.

#include "CalTestDocuments.h"
#include "calfile/CalFile.h"
#include "calfile/DataStream.h"
#include "document/Session.h"
#include "entries/DayEntries.h"
#include "resources/Strings.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

const char* const kFixtures[] = {"7z-aes128-deflate.cal", "7z-aes128-store.cal", "7z-aes192-deflate.cal",
                                 "7z-aes256-deflate.cal", "7z-aes256-store.cal", "7z-zipcrypto-deflate.cal",
                                 "7z-zipcrypto-store.cal"};

QString Fixture(const QString& name)
{
    return QStringLiteral(DAYBINDER_FIXTURES "/") + name;
}

// A copy of the archive with one byte of its first member's stored bytes changed: in the
// middle, or near the end, where AES keeps its authentication code.
QByteArray Damaged(QByteArray archive, bool inTheMiddle)
{
    const auto u16 = [&](int at) { return qsizetype(qFromLittleEndian<quint16>(archive.constData() + at)); };
    const qsizetype start = 30 + u16(26) + u16(28);
    const auto length = qsizetype(qFromLittleEndian<quint32>(archive.constData() + 18));
    const qsizetype at = inTheMiddle ? start + length / 2 : start + length - 3;
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

    void everyMethodOpensWithItsPasswordOnly()
    {
        QByteArray stream;
        for (const char* name : kFixtures) {
            const QString file = Fixture(QString::fromLatin1(name));
            m_prompter.emplace();
            m_prompter->Passwords = {u"secret"_qs};
            CalendarDocument back;
            QVERIFY2(ReadCalFile(file, back), name);
            QVERIFY2(m_prompter->Asked.isEmpty(), name);
            QCOMPARE(back.Password, u"secret"_qs); // the next save protects it again
            if (stream.isEmpty()) {
                stream = WriteDataStream(back);
                // The example year the archives were made from.
                QCOMPARE(back.Year, u"2026"_qs);
                QCOMPARE(back.DE.DECount(), 2);
                const DayCell& newYear = back.Month(1).Cell(CellOfDate(MakeDate(1, 1, 2026)));
                QCOMPARE(newYear.Entries.value(0).Description, u"Jour de l'An"_qs);
            }
            QVERIFY2(WriteDataStream(back) == stream, name); // one and the same stream in all

            // A wrong password is refused as one, whatever the method.
            m_prompter.emplace();
            m_prompter->Passwords = {u"Secret"_qs, u"secret "_qs, u"secret"_qs};
            QVERIFY(!ReadCalFile(file, back));
            QCOMPARE(m_prompter->PasswordExpected.size(), 3);
            QVERIFY(m_prompter->Asked.size() == 1 && m_prompter->Asked[0].Text.endsWith(Str(10047)));
        }
    }

    void aDamagedProtectedMemberIsNeverLoaded_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("inTheMiddle");
        QTest::newRow("AES-128, stored") << u"7z-aes128-store.cal"_qs << true;
        QTest::newRow("AES-256, deflated") << u"7z-aes256-deflate.cal"_qs << true;
        QTest::newRow("AES-256, its authentication code") << u"7z-aes256-deflate.cal"_qs << false;
        QTest::newRow("AES, written by the program") << QString() << true;
        QTest::newRow("AES, written by the program, its authentication code") << QString() << false;
        QTest::newRow("traditional, deflated") << u"7z-zipcrypto-deflate.cal"_qs << true;
        QTest::newRow("traditional, stored") << u"7z-zipcrypto-store.cal"_qs << true;
    }

    void aDamagedProtectedMemberIsNeverLoaded()
    {
        QFETCH(QString, file);
        QFETCH(bool, inTheMiddle);
        QByteArray bytes;
        if (file.isEmpty()) {
            CalendarDocument doc = FullDocument();
            doc.Password = u"secret"_qs;
            QVERIFY(WriteCalFile(m_dir->filePath(u"nôtre.cal"_qs), doc));
            bytes = FileBytes(m_dir->filePath(u"nôtre.cal"_qs));
        } else {
            bytes = FileBytes(Fixture(file));
        }
        const QString path = m_dir->filePath(u"abîmé.cal"_qs);
        QVERIFY(SaveBytes(path, Damaged(bytes, inTheMiddle)));

        m_prompter->Passwords = {u"secret"_qs, u"secret"_qs, u"secret"_qs};
        CalendarDocument back;
        QVERIFY(!ReadCalFile(path, back));
        QCOMPARE(m_prompter->Asked.size(), 1);
        QVERIFY(back.FilePath.isEmpty());
        QCOMPARE(back.Author, QString()); // nothing half read is ever shown
        const PromptRequest& r = m_prompter->Asked[0];
        if (file.startsWith(u"7z-zipcrypto")) {
            // Its one-byte check cannot tell damage from a wrong password: asked again.
            QCOMPARE(m_prompter->PasswordExpected.size(), 3);
            return;
        }
        // AES: the password is right, so the file is reported damaged at once.
        QCOMPARE(m_prompter->PasswordExpected.size(), 1);
        QVERIFY2(r.Text.startsWith(Str(10032) + u'\r' + path + u"\r\r"_qs + Str(10038) + u"  "_qs),
                 qPrintable(r.Text));
        QCOMPARE(r.Buttons, PromptButtons::RetryCancel);

        // A wrong password is still told as one.
        m_prompter.emplace();
        m_prompter->Passwords = {u"faux"_qs};
        QVERIFY(!ReadCalFile(path, back));
        QCOMPARE(m_prompter->PasswordExpected.size(), 2);
        QVERIFY(m_prompter->Asked.isEmpty());
    }

private:
    std::optional<QTemporaryDir> m_dir;
    std::optional<ScriptedPrompter> m_prompter;
};

QTEST_GUILESS_MAIN(TestProtectedArchives)
#include "tst_protectedarchives.moc"
