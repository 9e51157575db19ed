#include "CalTestDocuments.h"
#include "calfile/CalArchive.h"
#include "calfile/CalFile.h"
#include "calfile/DataStream.h"
#include "calfile/Pictures.h"
#include "document/Session.h"
#include "resources/Strings.h"
#include "support/ScriptedPrompter.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

const QString cr(u'\r');

QStringList MemberNames(const QString& path)
{
    ArchiveReader archive;
    FileError e;
    if (!archive.Open(FileBytes(path), &e)) return {};
    QStringList names;
    for (const QString& n : {u"caldata.cal"_qs, u"bck.00"_qs, u"bck.03"_qs, u"bck.04"_qs, u"ev.03100000"_qs,
                             u"ev.03100001"_qs, u"ev.12480000"_qs})
        if (archive.Has(n)) names.append(n);
    return names;
}

// A ".cal" file made of these members, through the same archive code the program uses.
QString ArchiveWith(const QTemporaryDir& dir, const QList<ArchiveMember>& members,
                    const QString& password = {})
{
    QByteArray bytes;
    FileError e;
    const QString path = dir.filePath(u"made.cal"_qs);
    return PackArchive(members, password, &bytes, &e) && SaveBytes(path, bytes) ? path : QString();
}

// The archive with a 32-bit field of its first member changed in both of its headers: at 14 of
// the local header its CRC, at 22 its size.
QByteArray WithFirstMemberField(QByteArray archive, int localOffset, quint32 value)
{
    const qsizetype end = archive.lastIndexOf(QByteArray("PK\x05\x06", 4));
    const auto directory = qsizetype(qFromLittleEndian<quint32>(archive.constData() + end + 16));
    qToLittleEndian<quint32>(value, archive.data() + localOffset);
    qToLittleEndian<quint32>(value, archive.data() + directory + localOffset + 2);
    return archive;
}

// A document with pictures in every kind of place: the default background, a month of its own,
// a month that uses the default (its picture is not stored), two entries in one cell.
CalendarDocument PictureDocument(const QTemporaryDir& dir)
{
    CalendarDocument doc = FullDocument();
    doc.EmbedPictures = true;
    for (int m = 1; m <= 12; ++m) doc.Month(m).Background.PicturePath.clear();
    auto place = [&](BackgroundSettings& b, int seed, const char* format) {
        b.PicturePath = dir.filePath(u"p%1.%2"_qs.arg(seed).arg(QLatin1String(format)));
        b.Picture = TestPicture(seed);
        b.Picture.save(b.PicturePath, format);
    };
    place(doc.DefaultBackground, 1, "bmp");
    BackgroundSettings& march = doc.Month(3).Background;
    march.PicturePath = dir.filePath(u"mars.gif"_qs);
    SaveBytes(march.PicturePath, TinyGif());
    march.Picture = QImage(1, 1, QImage::Format_RGB32);
    march.Picture.fill(Qt::red);
    march.UseDefault = false;
    place(doc.Month(4).Background, 4, "jpg");
    doc.Month(4).Background.UseDefault = true;
    QList<DayEntry>& cell = doc.Month(3).Cell(10).Entries;
    for (int i = 0; i < 2; ++i) {
        cell[i].PicturePath = dir.filePath(u"e%1.bmp"_qs.arg(i));
        cell[i].Picture = TestPicture(10 + i);
        cell[i].Picture.save(cell[i].PicturePath, "bmp");
    }
    doc.Month(12).Cell(48).Entries[0].PicturePath.clear();
    return doc;
}

// Three entries on each of the first 28 days of every month, with text that hardly compresses.
void FillEveryDay(CalendarDocument& doc)
{
    QRandomGenerator random(42);
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 28; ++d)
            for (int i = 0; i < 3; ++i) {
                DayEntry e;
                for (int c = 0; c < 100; ++c) e.Description += QChar(u'a' + random.bounded(26));
                doc.Month(m).Cell(CellOfDate(MakeDate(d, m, doc.Year.toInt()))).Entries.append(e);
            }
}

} // namespace

class TestCalFile : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Session::Get().Reset();
        m_dir.emplace();
        m_prompter.emplace();
    }

    void documentsSurviveASaveAndAnOpen_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<bool>("embed");
        QTest::addColumn<QString>("password");
        QTest::newRow("new") << false << true << QString();
        QTest::newRow("new, password") << false << true << u"motdepasse"_qs;
        QTest::newRow("every field") << true << false << QString();
        QTest::newRow("every field, password") << true << false << u"Œuvre € été"_qs;
        QTest::newRow("every field, embedded, password") << true << true << u"clé"_qs;
        QTest::newRow("large pictures, embedded, password") << true << true << u"clé"_qs;
        QTest::newRow("busy year, password") << true << false << u"clé"_qs; // a protected stream of 100 KB
    }

    void documentsSurviveASaveAndAnOpen()
    {
        QFETCH(bool, full);
        QFETCH(bool, embed);
        QFETCH(QString, password);
        CalendarDocument doc = full ? FullDocument() : NewDocument();
        const bool large = QByteArray(QTest::currentDataTag()).startsWith("large"); // compressed side by side
        CreatePictureFiles(doc, m_dir->path(), large ? QSize(300, 200) : QSize(37, 23));
        if (QByteArray(QTest::currentDataTag()).startsWith("busy")) FillEveryDay(doc);
        doc.EmbedPictures = embed;
        doc.Password = password;
        const QString path = m_dir->filePath(u"année.cal"_qs);
        QVERIFY(WriteCalFile(path, doc));
        QCOMPARE(doc.FilePath, path);
        QCOMPARE(Session::Get().CurrentDocument.FilePath, path);

        if (!password.isEmpty()) m_prompter->Passwords = {password};
        CalendarDocument back;
        QVERIFY(ReadCalFile(path, back));
        QCOMPARE(StoredDifference(back, doc), QString());
        for (int m = 1; m <= 12; ++m)
            if (!back.Month(m).Background.UseDefault)
                QVERIFY(SamePixels(back.Month(m).Background.Picture, doc.Month(m).Background.Picture));
        QCOMPARE(back.FilePath, path);
        QCOMPARE(back.Password, password); // kept, so the next save protects the file again
        // Saved again and reopened through the document's own path.
        QVERIFY(WriteCalFile(back.FilePath, back));
        if (!password.isEmpty()) m_prompter->Passwords = {password};
        QVERIFY(ReadCalFile(back.FilePath, back));
        QCOMPARE(StoredDifference(back, doc), QString());
        QCOMPARE(m_prompter->PasswordExpected.size(), password.isEmpty() ? 0 : 2);
        QVERIFY(m_prompter->Asked.isEmpty());
    }

    void picturesAreEmbeddedOrReferencedAsTheDocumentSays_data()
    {
        QTest::addColumn<bool>("embed");
        QTest::newRow("embedded") << true;
        QTest::newRow("referenced") << false;
    }

    void picturesAreEmbeddedOrReferencedAsTheDocumentSays()
    {
        QFETCH(bool, embed);
        CalendarDocument doc = PictureDocument(*m_dir);
        doc.EmbedPictures = embed;
        // An edit made in memory after the picture was loaded is what an embedding file keeps.
        if (embed) doc.DefaultBackground.Picture = TestPicture(99);
        const QString path = m_dir->filePath(u"images.cal"_qs);
        QVERIFY(WriteCalFile(path, doc));
        QCOMPARE(MemberNames(path), embed ? QStringList({u"caldata.cal"_qs, u"bck.00"_qs, u"bck.03"_qs,
                                                         u"ev.03100000"_qs, u"ev.03100001"_qs})
                                          : QStringList{u"caldata.cal"_qs});
        if (embed) // the originals are not needed any more
            for (const QString& file : QDir(m_dir->path()).entryList({u"*.bmp"_qs, u"*.gif"_qs, u"*.jpg"_qs}))
                QVERIFY(QFile::remove(m_dir->filePath(file)));
        CalendarDocument back;
        QVERIFY(ReadCalFile(path, back));
        QVERIFY(m_prompter->Asked.isEmpty());
        QCOMPARE(StoredDifference(back, doc), QString());
        QVERIFY(SamePixels(back.DefaultBackground.Picture, TestPicture(embed ? 99 : 1)));
        QVERIFY(SamePixels(back.Month(3).Background.Picture, doc.Month(3).Background.Picture)); // GIF
        QVERIFY(SamePixels(back.Month(3).Cell(10).Entries[1].Picture, TestPicture(11)));
        // A month that uses the default background: its own picture (a JPEG) is not stored.
        QCOMPARE(back.Month(4).Background.Picture.isNull(), embed);
    }

    void aMissingPictureIsForgottenAndABrokenOneKeptWithItsPath()
    {
        // Referenced: one picture is gone, another unreadable; both are forgotten.
        CalendarDocument doc = PictureDocument(*m_dir);
        doc.EmbedPictures = false;
        const QString gone = doc.Month(3).Cell(10).Entries[1].PicturePath;
        QFile::remove(gone);
        QVERIFY(SaveBytes(doc.DefaultBackground.PicturePath, "not a picture"));
        QString path = m_dir->filePath(u"liens.cal"_qs);
        QVERIFY(WriteCalFile(path, doc));
        CalendarDocument back;
        QVERIFY(ReadCalFile(path, back));
        QCOMPARE(m_prompter->Asked.size(), 2);
        QCOMPARE(m_prompter->Asked[1].Text,
                 Str(10032) + cr + path + cr + cr + Str(10034) + cr + cr + cr + gone);
        QCOMPARE(m_prompter->Asked[1].Buttons, PromptButtons::Ok);
        QVERIFY(back.Month(3).Cell(10).Entries[1].PicturePath.isEmpty());
        QVERIFY(back.DefaultBackground.PicturePath.isEmpty());
        QVERIFY(!back.Month(3).Cell(10).Entries[0].PicturePath.isEmpty());

        // Embedded: "bck.03" is damaged and the entry's member is missing altogether; the paths stay.
        doc = PictureDocument(*m_dir);
        doc.Month(3).Cell(10).Entries.removeLast();
        m_prompter->Asked.clear();
        path = ArchiveWith(*m_dir, {{u"caldata.cal"_qs, WriteDataStream(doc), false},
                                    {u"bck.00"_qs, EncodeBitmap(TestPicture(1)), false},
                                    {u"bck.03"_qs, QByteArray("BM garbage"), false}});
        back = CalendarDocument();
        QVERIFY(ReadCalFile(path, back));
        QCOMPARE(m_prompter->Asked.size(), 2);
        QCOMPARE(m_prompter->Asked[0].Text, Str(10032) + cr + path + cr + cr + Str(10034) + cr + cr +
                                                Str(10037) + cr + doc.Month(3).Background.PicturePath);
        QCOMPARE(back.Month(3).Background.PicturePath, doc.Month(3).Background.PicturePath);
        QVERIFY(back.Month(3).Background.Picture.isNull());
        QVERIFY(back.Month(3).Cell(10).Entries[0].Picture.isNull());
        QVERIFY(SamePixels(back.DefaultBackground.Picture, TestPicture(1)));
    }

    void bitmapsAgreeWithOtherReaders()
    {
        const QImage picture = TestPicture(7); // 37 pixels wide: every row is padded
        const QByteArray ours = EncodeBitmap(picture);
        QVERIFY(SamePixels(QImage::fromData(ours, "BMP"), picture));
        QImage back;
        QVERIFY(DecodePicture(ours, back));
        QVERIFY(SamePixels(back, picture));

        // Written by another program: 24 bits, 8 bits with a palette, rows from the top.
        QByteArray theirs;
        QBuffer buffer(&theirs);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, "BMP"));
        QVERIFY(DecodePicture(theirs, back) && SamePixels(back, picture));
        const QImage indexed = picture.convertToFormat(QImage::Format_Indexed8);
        theirs.clear();
        buffer.seek(0);
        QVERIFY(indexed.save(&buffer, "BMP"));
        QVERIFY(DecodePicture(theirs, back) && SamePixels(back, indexed));
        QByteArray topDown = ours.left(54);
        qToLittleEndian<qint32>(-picture.height(), topDown.data() + 22);
        const qsizetype row = (picture.width() * 3 + 3) / 4 * 4;
        for (int y = picture.height() - 1; y >= 0; --y) topDown += ours.mid(54 + row * y, row);
        QVERIFY(DecodePicture(topDown, back) && SamePixels(back, picture));

        // Cut short: refused, never shown half drawn.
        QVERIFY(!DecodePicture(ours.left(ours.size() - 10), back));
        QVERIFY(back.isNull());
    }

    void strangeMembersAreIgnored()
    {
        CalendarDocument doc = FullDocument();
        CreatePictureFiles(doc, m_dir->path());
        CalendarDocument other = FullDocument();
        other.Author = u"intrus"_qs;
        const QByteArray evil = WriteDataStream(other);
        QList<ArchiveMember> members = {
            {u"../caldata.cal"_qs, evil, false},      {u"/caldata.cal"_qs, evil, false},
            {u"dossier/caldata.cal"_qs, evil, false}, {u"..\\caldata.cal"_qs, evil, false},
            {u"lisezmoi.txt"_qs, "bonjour", false},   {u"bck.00/x"_qs, "x", false}};
        CalendarDocument back;
        QVERIFY(!ReadCalFile(ArchiveWith(*m_dir, members), back)); // no data member of its own
        QCOMPARE(m_prompter->Asked.size(), 1);

        members.append({u"caldata.cal"_qs, WriteDataStream(doc), false});
        QVERIFY(ReadCalFile(ArchiveWith(*m_dir, members), back));
        QCOMPARE(StoredDifference(back, doc), QString());
        QVERIFY(!QFile::exists(m_dir->filePath(u"../caldata.cal"_qs)));
        QVERIFY(!QFile::exists(u"/caldata.cal"_qs));
        QVERIFY(!QFile::exists(m_dir->filePath(u"dossier"_qs)));
    }

    void damagedFilesAreReportedNotLoaded_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("number"); // 0: any
        QByteArray good;
        FileError e;
        PackArchive({{u"caldata.cal"_qs, WriteDataStream(FullDocument()), false}}, {}, &good, &e);
        QByteArray bomb;
        PackArchive({{u"caldata.cal"_qs, QByteArray(kMaxMemberSize + 1, '0'), false}}, {}, &bomb, &e);
        QTest::newRow("a data stream, not an archive") << WriteDataStream(FullDocument()) << 13019;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("cut in half") << good.left(good.size() / 2) << 0;
        QTest::newRow("a member too large") << bomb << 7;
        QByteArray flipped = good;
        flipped[60] = char(flipped[60] ^ 0x55); // inside the compressed data
        QTest::newRow("damaged data") << flipped << 13013;
        const auto field = [&](int at) { return qFromLittleEndian<quint32>(good.constData() + at); };
        QTest::newRow("a wrong checksum") << WithFirstMemberField(good, 14, field(14) ^ 1) << 13007;
        QTest::newRow("inflating to more than it says") << WithFirstMemberField(good, 22, field(22) - 1) << 7;
        QTest::newRow("inflating to less than it says")
            << WithFirstMemberField(good, 22, field(22) + 1) << 13021;
        QTest::newRow("missing") << QByteArray("<missing>") << 53;
        QTest::newRow("a folder") << QByteArray("<folder>") << 75;
    }

    void damagedFilesAreReportedNotLoaded()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        QString path = m_dir->filePath(u"abîmé.cal"_qs);
        if (bytes == "<folder>")
            QDir(m_dir->path()).mkdir(u"abîmé.cal"_qs);
        else if (bytes != "<missing>")
            QVERIFY(SaveBytes(path, bytes));
        CalendarDocument back;
        QVERIFY(!ReadCalFile(path, back));
        QCOMPARE(m_prompter->Asked.size(), 1);
        const PromptRequest& r = m_prompter->Asked[0];
        QCOMPARE(r.Buttons, PromptButtons::RetryCancel);
        QCOMPARE(r.Icon, PromptIcon::Stop);
        QVERIFY(r.Text.startsWith(Str(10032) + cr + path + cr + cr + Str(10038) + u"  "_qs));
        if (number) QVERIFY2(r.Text.contains(Str(10038) + u"  %1\r"_qs.arg(number)), qPrintable(r.Text));
        QVERIFY(back.FilePath.isEmpty());
    }

    void anUnknownVersionIsReported()
    {
        QByteArrayList v = ValuesOf(WriteDataStream(FullDocument()));
        v[0] = "3.0";
        const QString path = ArchiveWith(*m_dir, {{u"caldata.cal"_qs, StreamOf(v), false}});
        CalendarDocument back;
        QVERIFY(!ReadCalFile(path, back));
        QCOMPARE(m_prompter->Asked.size(), 1);
        QCOMPARE(m_prompter->Asked[0].Text, Str(10032) + cr + path + cr + cr + Str(10035));
        QCOMPARE(m_prompter->Asked[0].Buttons, PromptButtons::Ok);
    }

private:
    std::optional<QTemporaryDir> m_dir;
    std::optional<ScriptedPrompter> m_prompter;
};

QTEST_GUILESS_MAIN(TestCalFile)
#include "tst_calfile.moc"
