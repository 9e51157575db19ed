#include "CalTestDocuments.h"
#include "calfile/CalFile.h"
#include "calfile/DataStream.h"
#include "document/Money.h"
#include "resources/Strings.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int Exit = -1;
    QByteArray Out;
    QString Err; // decoded as UTF-8
};

Run Cli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(DAYBINDER_CLI), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

QString WriteStream(const QTemporaryDir& dir, const CalendarDocument& doc)
{
    const QString path = dir.filePath(u"flux.txt"_qs);
    return SaveBytes(path, WriteDataStream(doc)) ? path : QString();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void packThenStreamGivesTheStreamBack_data()
    {
        QTest::addColumn<bool>("embed");
        QTest::addColumn<QString>("password");
        QTest::newRow("embedded pictures") << true << QString();
        QTest::newRow("referenced pictures, password") << false << u"Œuvre € été"_qs;
    }

    void packThenStreamGivesTheStreamBack()
    {
        QFETCH(bool, embed);
        QFETCH(QString, password);
        QTemporaryDir dir;
        CalendarDocument doc = FullDocument();
        CreatePictureFiles(doc, dir.path());
        doc.EmbedPictures = embed;
        const QString stream = WriteStream(dir, doc);
        const QString cal = dir.filePath(u"paquet.cal"_qs);
        QStringList pack{u"pack"_qs};
        if (!password.isEmpty()) pack << u"--password"_qs << password;
        Run r = Cli(pack << stream << cal);
        QCOMPARE(r.Err, QString());
        QCOMPARE(r.Exit, 0);

        QStringList read{u"stream"_qs};
        if (!password.isEmpty()) read << u"--password"_qs << password;
        r = Cli(read << cal);
        QCOMPARE(r.Err, QString());
        QCOMPARE(r.Exit, 0);
        QCOMPARE(r.Out, FileBytes(stream));
    }

    void passwordTroubleExitsWith3()
    {
        QTemporaryDir dir;
        CalendarDocument doc = FullDocument();
        doc.Password = u"clé"_qs;
        doc.EmbedPictures = true;
        const QString cal = dir.filePath(u"p.cal"_qs);
        QCOMPARE(Cli({u"pack"_qs, u"--password=clé"_qs, WriteStream(dir, doc), cal}).Exit, 0);

        Run r = Cli({u"stream"_qs, cal});
        QCOMPARE(r.Exit, 3);
        QCOMPARE(r.Err, Str(1702) + u'\n');
        QVERIFY(r.Out.isEmpty());
        r = Cli({u"stream"_qs, u"--password"_qs, u"cle"_qs, cal});
        QCOMPARE(r.Exit, 3);
        QCOMPARE(r.Err, Str(10047) + u'\n');
    }

    void failuresExitWith1AndSayWhy()
    {
        QTemporaryDir dir;
        Run r = Cli({u"stream"_qs, dir.filePath(u"inexistant.cal"_qs)});
        QCOMPARE(r.Exit, 1);
        QVERIFY2(r.Err.startsWith(Str(10032) + u' ' + dir.filePath(u"inexistant.cal"_qs) + u' ' + Str(10038)),
                 qPrintable(r.Err));
        QCOMPARE(r.Err.count(u'\n'), 1); // one line

        QByteArrayList v = ValuesOf(WriteDataStream(FullDocument()));
        v[5] = "99999"; // the auto-event count
        const QString bad = dir.filePath(u"mauvais.txt"_qs);
        QVERIFY(SaveBytes(bad, StreamOf(v)));
        r = Cli({u"pack"_qs, bad, dir.filePath(u"x.cal"_qs)});
        QCOMPARE(r.Exit, 1);
        QVERIFY2(r.Err.contains(u"(ligne 6)"), qPrintable(r.Err));
        QVERIFY(!QFile::exists(dir.filePath(u"x.cal"_qs)));

        QCOMPARE(Cli({u"inconnu"_qs}).Exit, 1);
        QCOMPARE(Cli({u"stream"_qs}).Exit, 1);
    }

    void pictureReportsDoNotFailTheCommand()
    {
        QTemporaryDir dir;
        CalendarDocument doc = FullDocument(); // its referenced pictures do not exist
        const QString cal = dir.filePath(u"liens.cal"_qs);
        QCOMPARE(Cli({u"pack"_qs, WriteStream(dir, doc), cal}).Exit, 0);
        const Run r = Cli({u"stream"_qs, cal});
        QCOMPARE(r.Exit, 0);
        QVERIFY(r.Err.contains(Str(10034)));
        QVERIFY(r.Err.contains(doc.Month(3).Cell(10).Entries[0].PicturePath));
        // As the program would have it after opening: the missing pictures' paths are cleared.
        CalendarDocument back = NewDocument();
        QVERIFY(ReadDataStream(r.Out, back).Loaded());
        QVERIFY(back.Month(3).Cell(10).Entries[0].PicturePath.isEmpty());
        QVERIFY(back.DefaultBackground.PicturePath.isEmpty());
        QCOMPARE(back.Author, doc.Author);
    }

    void demoIsALivelyYearTheProgramOpens()
    {
        QTemporaryDir dir;
        const QString cal = dir.filePath(u"exemple.cal"_qs);
        const Run r = Cli({u"demo"_qs, cal, u"--year"_qs, u"2024"_qs});
        QCOMPARE(r.Err, QString());
        QCOMPARE(r.Exit, 0);
        CalendarDocument doc;
        QVERIFY(ReadCalFile(cal, doc));
        QCOMPARE(doc.Year, u"2024"_qs);
        QCOMPARE(doc.MonthToOpen, u"00"_qs); // the current month comes to the front

        int counts[4] = {}, ticked = 0, coloured = 0, tied = 0;
        for (int m = 1; m <= 12; ++m) {
            int inMonth = 0;
            for (const DayCell& day : doc.Month(m).Cells) {
                for (const DayEntry& e : day.Entries) {
                    ++inMonth;
                    ++counts[qBound(0, e.EntryType, 3)];
                    ticked += e.Ticked;
                    coloured += e.TextColour != -1;
                    for (const DebtSavingDef& a : doc.DE.DebtsSavings)
                        tied +=
                            e.EntryType != EntryEvent && NamePart(e.Description) == NamePart(a.Description);
                }
            }
            QVERIFY2(inMonth >= 5, qPrintable(QString::number(m)));
        }
        QVERIFY(counts[EntryEvent] >= 24 && counts[EntryIncome] >= 24 && counts[EntryExpense] >= 24);
        QVERIFY(ticked > 0 && ticked < counts[EntryIncome] + counts[EntryExpense] + counts[EntryEvent]);
        QVERIFY(coloured > 0);
        QCOMPARE(doc.DE.DECount(), 2);
        QVERIFY(doc.DE.DebtsSavings[0].IsSavings != doc.DE.DebtsSavings[1].IsSavings);
        QVERIFY(tied >= 24);
        // A day full enough to show "[...]" in its cell.
        QVERIFY(std::any_of(doc.Month(12).Cells.begin(), doc.Month(12).Cells.end(),
                            [](const DayCell& d) { return d.EntryCount() >= 8; }));

        // A year the program could not show is refused, and nothing is written.
        const QString refused = dir.filePath(u"refus.cal"_qs);
        const Run bad = Cli({u"demo"_qs, refused, u"--year"_qs, u"1850"_qs});
        QCOMPARE(bad.Exit, 1);
        QVERIFY2(bad.Err.contains(u"--year"), qPrintable(bad.Err));
        QVERIFY(!QFile::exists(refused));
        QCOMPARE(Cli({u"demo"_qs}).Exit, 1);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
