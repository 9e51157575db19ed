#include "CalTestDocuments.h"
#include "calfile/CalFile.h"
#include "calfile/DataStream.h"
#include "document/Money.h"
#include "entries/DayEntries.h"
#include "entries/Occurrences.h"
#include "resources/Strings.h"

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

// daybinder-cli with these arguments, the password first when there is one.
Run Cli(QStringList args, const QString& password = {})
{
    if (!password.isEmpty()) args = args.mid(0, 1) + QStringList{u"--password"_qs, password} + args.mid(1);
    QProcess p;
    p.start(QStringLiteral(DAYBINDER_CLI), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
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
        CalendarDocument doc = FullDocument();
        CreatePictureFiles(doc, m_dir.path());
        doc.EmbedPictures = embed;
        const QString stream = WriteStream(doc);
        Run r = Cli({u"pack"_qs, stream, Path("paquet.cal")}, password);
        QCOMPARE(r.Err, QString());
        QCOMPARE(r.Exit, 0);
        r = Cli({u"stream"_qs, Path("paquet.cal")}, password);
        QCOMPARE(r.Err, QString());
        QCOMPARE(r.Exit, 0);
        QCOMPARE(r.Out, FileBytes(stream));
    }

    void failuresSayWhyOnOneLine()
    {
        QCOMPARE(Cli({u"pack"_qs, u"--password=clé"_qs, WriteStream(FullDocument()), Path("p.cal")}).Exit, 0);
        Run r = Cli({u"stream"_qs, Path("p.cal")}); // a password is needed: status 3
        QCOMPARE(r.Exit, 3);
        QCOMPARE(r.Err, Str(1702) + u'\n');
        QVERIFY(r.Out.isEmpty());
        r = Cli({u"stream"_qs, Path("p.cal")}, u"cle"_qs);
        QCOMPARE(r.Exit, 3);
        QCOMPARE(r.Err, Str(10047) + u'\n');

        r = Cli({u"stream"_qs, Path("inexistant.cal")}); // any other failure: status 1
        QCOMPARE(r.Exit, 1);
        QVERIFY2(r.Err.startsWith(Str(10032) + u' ' + Path("inexistant.cal") + u' ' + Str(10038)),
                 qPrintable(r.Err));
        QCOMPARE(r.Err.count(u'\n'), 1);
        QByteArrayList v = ValuesOf(WriteDataStream(FullDocument()));
        v[5] = "99999"; // the auto-event count
        QVERIFY(SaveBytes(Path("mauvais.txt"), StreamOf(v)));
        r = Cli({u"pack"_qs, Path("mauvais.txt"), Path("x.cal")});
        QCOMPARE(r.Exit, 1);
        QVERIFY2(r.Err.contains(u"(ligne 6)"), qPrintable(r.Err));
        QVERIFY(!QFile::exists(Path("x.cal")));
        QCOMPARE(Cli({u"inconnu"_qs}).Exit, 1);
        QCOMPARE(Cli({u"stream"_qs}).Exit, 1);
    }

    void pictureReportsDoNotFailTheCommand()
    {
        const CalendarDocument doc = FullDocument(); // its referenced pictures do not exist
        QCOMPARE(Cli({u"pack"_qs, WriteStream(doc), Path("liens.cal")}).Exit, 0);
        const Run r = Cli({u"stream"_qs, Path("liens.cal")});
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
        const Run r = Cli({u"demo"_qs, Path("exemple.cal"), u"--year"_qs, u"2024"_qs});
        QCOMPARE(r.Err, QString());
        QCOMPARE(r.Exit, 0);
        CalendarDocument doc;
        QVERIFY(ReadCalFile(Path("exemple.cal"), doc));
        QCOMPARE(doc.Year, u"2024"_qs);
        QCOMPARE(doc.MonthToOpen, u"00"_qs); // the current month comes to the front
        QCOMPARE(doc.DE.DECount(), 2);
        QVERIFY(doc.DE.DebtsSavings[0].IsSavings != doc.DE.DebtsSavings[1].IsSavings);
        // The rent is an auto-event and two birthdays are kept: all their occurrences are in place.
        QCOMPARE(doc.AE.AECount(), 1);
        QCOMPARE(doc.BD.BDCount(), 2);
        CalendarDocument updated = doc;
        QCOMPARE(UpdateAutoEvents(updated).Added + UpdateBirthdays(updated).Added, 0);
        int counts[4] = {}, ticked = 0, coloured = 0, tied = 0, full = 0;
        for (int m = 1; m <= 12; ++m) {
            int inMonth = 0;
            for (const DayCell& day : doc.Month(m).Cells) {
                full += day.EntryCount() >= 8; // enough to show "[...]" in the cell
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
        QVERIFY(coloured > 0 && tied >= 24 && full > 0);

        // A year the program could not show is refused, and nothing is written.
        const Run bad = Cli({u"demo"_qs, Path("refus.cal"), u"--year"_qs, u"1850"_qs});
        QCOMPARE(bad.Exit, 1);
        QVERIFY2(bad.Err.contains(u"--year"), qPrintable(bad.Err));
        QVERIFY(!QFile::exists(Path("refus.cal")));
        QCOMPARE(Cli({u"demo"_qs}).Exit, 1);
    }

    void updatePlacesAutoEventsAndBirthdaysIntoTheFile()
    {
        CalendarDocument doc = NewDocument(2004);
        AutoEventDef rent;
        rent.Kind = KindMonthly;
        rent.Day = 31;
        rent.StartDate = MakeDate(1, 1, 2004);
        rent.EndDate = MakeDate(31, 12, 2004);
        rent.Key = MakeKey(u"AE", doc.AE.AENextId = 2);
        rent.Description = MoneyDescription(u"Loyer", u"650");
        rent.EntryType = EntryExpense;
        doc.AE.AutoEvents = {rent};
        doc.BD.Birthdays = {BirthdayDef{MakeDate(29, 2, 1980), MakeKey(u"BD", doc.BD.BDNextId = 1), "Léa"}};
        DayEntry stale;
        stale.EntryType = EntryEvent;
        stale.Description = "Ancien";
        stale.LinkKey = MakeKey(u"AE", 1); // its definition was changed since
        DayCell& march10 = doc.Month(3).Cell(CellOfDate(MakeDate(10, 3, 2004)));
        march10.Entries = {stale};
        doc.Password = "clé";
        QVERIFY(WriteCalFile(Path("avant.cal"), doc));

        Run r = Cli({u"update"_qs, Path("avant.cal"), Path("après.cal")}, u"clé"_qs);
        QCOMPARE(r.Err, QString());
        QCOMPARE(r.Exit, 0);
        CalendarDocument after;
        QVERIFY(!ReadCalFile(Path("après.cal"), after)); // protected with the same password
        r = Cli({u"stream"_qs, Path("après.cal")}, u"clé"_qs);
        QCOMPARE(r.Exit, 0);
        QVERIFY(ReadDataStream(r.Out, after).Loaded());
        const auto day = [&](int d, int m) {
            return after.Month(m).Cell(CellOfDate(MakeDate(d, m, 2004))).Entries;
        };
        QVERIFY(day(10, 3).isEmpty());
        QCOMPARE(day(30, 4).size(), 1);
        QCOMPARE(day(30, 4)[0].LinkKey, rent.Key);
        QCOMPARE(day(29, 2).size(), 2); // the rent and the birthday
        QCOMPARE(day(29, 2)[1].Description, u"AN:Léa"_qs);

        // A wrong password writes nothing.
        QCOMPARE(Cli({u"update"_qs, Path("avant.cal"), Path("raté.cal")}, u"cle"_qs).Exit, 3);
        QVERIFY(!QFile::exists(Path("raté.cal")));
    }

private:
    QString Path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QString WriteStream(const CalendarDocument& doc) const
    {
        return SaveBytes(Path("flux.txt"), WriteDataStream(doc)) ? Path("flux.txt") : QString();
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
