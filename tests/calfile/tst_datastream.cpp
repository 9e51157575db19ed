#include "CalTestDocuments.h"
#include "calfile/DataStream.h"
#include "document/Money.h"

#include <QTest>

namespace {

// The document a stream reads into, and how the reading ended.
struct Reading
{
    CalendarDocument Doc = BlankDocumentFrom(CalendarDocument());
    StreamReadResult Result;
};

Reading Read(const QByteArray& stream)
{
    Reading r;
    r.Result = ReadDataStream(stream, r.Doc);
    return r;
}

// The line numbers (from 0) of some fields of a stream of version "2.1".
constexpr int kEmbedLine = 4;
constexpr int kAECountLine = 5;
constexpr int kAENextIdLine = 6;
constexpr int kFirstAutoEventLine = 7;

} // namespace

class TestDataStream : public QObject
{
    Q_OBJECT
private slots:
    void documentsComeBackByteForByte()
    {
        const QByteArray blank = WriteDataStream(NewDocument());
        QCOMPARE(blank.count("\r\n"), 709);
        QVERIFY(blank.startsWith("\"2.1\"\r\n\"\"\r\n\"00\"\r\n\"2026\"\r\n\"-"
                                 "1\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n"));
        // The last month's colours: the default table, the placeholder, grids and defaults on.
        QVERIFY(
            blank.endsWith("\"16777215\"\r\n\"12632256\"\r\n\"65535\"\r\n\"16711935\"\r\n\"0\"\r\n\"0\"\r\n"
                           "\"16777215\"\r\n\"16711680\"\r\n\"255\"\r\n\"\"\r\n\"-1\"\r\n\"-1\"\r\n"));
        for (const CalendarDocument& doc : {NewDocument(), FullDocument()}) {
            const QByteArray s = WriteDataStream(doc);
            const auto [back, r] = Read(s);
            QVERIFY(r.Loaded());
            QCOMPARE(StoredDifference(back, doc), QString());
            QCOMPARE(WriteDataStream(back), s);
            // Fields the stream does not hold keep their blank value.
            QVERIFY(back.Password.isEmpty() && back.FilePath.isEmpty() && !back.HeaderModified);
        }
    }

    void textIsWindows1252TrimmedAndOnOneLine()
    {
        CalendarDocument doc = NewDocument();
        doc.Author = u"  Œuvre € été  "_qs;
        // A money entry whose name part is empty: the reader drops the eleven blanks.
        DayEntry e;
        e.Description = MoneyDescription(u"", u"42");
        e.EntryType = EntryIncome;
        doc.Month(1).Cell(7).Entries.append(e);
        // A picture path from the file system may hold what a text box refuses.
        doc.DefaultBackground.PicturePath = u"/tmp/a \"b\"\nc\u4E2D.bmp"_qs;
        QByteArrayList v = ValuesOf(WriteDataStream(doc));
        QCOMPARE(v.value(1), QByteArray("  \x8Cuvre \x80 \xE9t\xE9  "));
        const auto [back, r] = Read(StreamOf(v));
        QVERIFY(r.Loaded());
        QCOMPARE(back.Author, u"Œuvre € été"_qs);
        QCOMPARE(back.Month(1).Cell(7).Entries.value(0).Description, u"42"_qs);
        QCOMPARE(back.DefaultBackground.PicturePath, u"/tmp/a  b  c?.bmp"_qs);
        v[1] = "\x80\x82\x8A\x8C\x99\x9C\x9F"; // the bytes 0x80-0x9F read back as their characters
        QCOMPARE(Read(StreamOf(v)).Doc.Author, u"€‚ŠŒ™œŸ"_qs);
    }

    void versions20AreConverted_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::newRow("2.0") << QByteArray("2.0");
        QTest::newRow("alpha") << QByteArray("  2.0 (Alpha.b)");
        QTest::newRow("beta 1") << QByteArray("2.0 (Beta 1)  ");
        QTest::newRow("beta 2") << QByteArray(" 2.0 (Beta 2) ");
    }

    void versions20AreConverted()
    {
        QFETCH(QByteArray, version);
        // Three auto-events of 6 lines, no key counter, no birthdays, entries of 8 lines.
        QByteArrayList v = {version, "Auteur", "05", "2003", "0", "3"};
        for (int i = 1; i <= 3; ++i)
            v += {"2003-12-31", "2003-01-01", QByteArray::number(i), "4", "Paie", "2"};
        v += {"1", "2003-02-01", "-1", "Banque     100"};
        v += {"1", "3", "-1", "2", "0", "Dentiste", "1", "-1", "/img/dent.bmp"};
        for (int i = 1; i < 504; ++i) v += "0";
        v += ValuesOf(WriteDataStream(NewDocument())).mid(709 - 195); // the colours and backgrounds

        const auto [doc, r] = Read(StreamOf(v));
        QVERIFY2(r.Loaded(), qPrintable(r.Error.Description));
        QCOMPARE(doc.AE.AECount(), qint16(3));
        QCOMPARE(doc.AE.AutoEvents[0].Key, u"AE0000000000000001"_qs);
        QCOMPARE(doc.AE.AutoEvents[2].Key, u"AE0000000000000003"_qs);
        QCOMPARE(doc.AE.AutoEvents[1].Day, qint16(2));
        QCOMPARE(doc.AE.AENextId, 3);
        QCOMPARE(doc.BD.BDCount(), qint16(0));
        QCOMPARE(doc.DE.DebtsSavings.value(0).Description, u"Banque     100"_qs);
        const DayEntry e = doc.Month(1).Cell(7).Entries.value(0);
        QCOMPARE(e.Description, u"Dentiste"_qs);
        QCOMPARE(e.PicturePath, u"/img/dent.bmp"_qs);
        QVERIFY(e.LinkKey.isEmpty());
        QVERIFY(!ColoursDiffers(doc.Month(12).Colours, DefaultColourTable()));
        QCOMPARE(ValuesOf(WriteDataStream(doc)).value(0), QByteArray("2.1")); // written back as today
    }

    void unknownVersionsAreRefused()
    {
        QByteArrayList v = ValuesOf(WriteDataStream(NewDocument()));
        for (const char* version : {"2.2", "", "2.0 (Beta 3)"}) {
            v[0] = version;
            StreamReadResult r = Read(StreamOf(v)).Result;
            QCOMPARE(r.Status, StreamStatus::UnknownVersion);
        }
    }

    void aStreamCutAnywhereIsAReadError()
    {
        const QByteArray s = WriteDataStream(FullDocument());
        const QByteArrayList values = ValuesOf(s);
        qsizetype at = 0;
        for (int lines = 0; lines < values.size(); ++lines) {
            StreamReadResult r = Read(s.left(at)).Result;
            QVERIFY2(r.Status == StreamStatus::ReadError, qPrintable(QString::number(lines)));
            QCOMPARE(r.Error.Number, 62);
            QCOMPARE(r.Line, lines + 1);
            r = Read(s.left(at + 2)).Result; // cut inside the line: its closing quote is missing
            QCOMPARE(r.Status, StreamStatus::ReadError);
            at = s.indexOf('\n', at) + 1;
        }
    }

    void numbersAreReadRoundedAndRangeChecked_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<qint64>("value");
        // AENextId is a Long; the Day of the first auto-event an Integer; EmbedPictures a Boolean.
        const int day = kFirstAutoEventLine + 2;
        const int id = kAENextIdLine;
        QTest::newRow("long max") << id << QByteArray("2147483647") << true << qint64(2147483647);
        QTest::newRow("long min") << id << QByteArray("-2147483648") << true << qint64(-2147483647 - 1);
        QTest::newRow("long over") << id << QByteArray("2147483648") << false << qint64(0);
        QTest::newRow("long under") << id << QByteArray("-2147483649") << false << qint64(0);
        QTest::newRow("long exponent") << id << QByteArray("1e10") << false << qint64(0);
        QTest::newRow("infinite") << id << QByteArray("1e400") << false << qint64(0);
        QTest::newRow("half to even down") << day << QByteArray("2.5") << true << qint64(2);
        QTest::newRow("half to even up") << day << QByteArray("3.5") << true << qint64(4);
        QTest::newRow("integer min") << day << QByteArray("-32768.5") << true << qint64(-32768);
        QTest::newRow("rounds over") << day << QByteArray("32767.5") << false << qint64(0);
        QTest::newRow("integer over") << day << QByteArray("40000") << false << qint64(0);
        QTest::newRow("leading blanks, trailing text") << day << QByteArray("  12abc") << true << qint64(12);
        QTest::newRow("no number") << day << QByteArray("abc") << true << qint64(0);
        QTest::newRow("count over") << kAECountLine << QByteArray("32768") << false << qint64(0);
        QTest::newRow("any number is true") << kEmbedLine << QByteArray("5") << true << qint64(1);
        QTest::newRow("a fraction is true") << kEmbedLine << QByteArray("0.4") << true << qint64(1);
        QTest::newRow("zero is false") << kEmbedLine << QByteArray("0.0") << true << qint64(0);
        QTest::newRow("text is false") << kEmbedLine << QByteArray("x") << true << qint64(0);
    }

    void numbersAreReadRoundedAndRangeChecked()
    {
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QFETCH(bool, loads);
        QFETCH(qint64, value);
        QByteArrayList v = ValuesOf(WriteDataStream(FullDocument()));
        v[line] = text;
        const auto [doc, r] = Read(StreamOf(v));
        QCOMPARE(r.Loaded(), loads);
        if (!loads) {
            QCOMPARE(r.Error.Number, 6);
            QCOMPARE(r.Line, line + 1);
            QVERIFY(r.Error.Description.contains(QString::number(line + 1)));
        } else if (line == kEmbedLine) {
            QCOMPARE(doc.EmbedPictures, value != 0);
        } else {
            QCOMPARE(line == kAENextIdLine ? doc.AE.AENextId : doc.AE.AutoEvents[0].Day, value);
        }
    }

    void aLineThatIsNotAQuotedValueIsAReadError()
    {
        const QByteArray s = WriteDataStream(NewDocument());
        for (const QByteArray& bad :
             {QByteArray("Auteur"), QByteArray("\"Auteur"), QByteArray("\"Au\"teur\"")}) {
            QByteArrayList lines = s.split('\n');
            lines[1] = bad + '\r';
            StreamReadResult r = Read(lines.join('\n')).Result;
            QCOMPARE(r.Status, StreamStatus::ReadError);
            QCOMPARE(r.Error.Number, 13);
            QCOMPARE(r.Line, 2);
        }
    }

    void countsAreNeverTrusted()
    {
        // The count promises 32767 auto-events; the stream ends after the first one.
        QByteArrayList v = ValuesOf(WriteDataStream(FullDocument())).mid(0, kFirstAutoEventLine + 8);
        v[kAECountLine] = "32767";
        const auto [doc, r] = Read(StreamOf(v));
        QCOMPARE(r.Status, StreamStatus::ReadError);
        QCOMPARE(doc.AE.AutoEvents.size(), 1);

        // A count of 0 or less leaves the list empty.
        QByteArrayList blank = ValuesOf(WriteDataStream(NewDocument()));
        blank[kAECountLine] = "-5";
        const auto [empty, loaded] = Read(StreamOf(blank));
        QCOMPARE(empty.AE.AECount(), qint16(0));
        QVERIFY(loaded.Loaded());
    }
};

QTEST_GUILESS_MAIN(TestDataStream)
#include "tst_datastream.moc"
