// The interchange sub-commands of daybinder-cli on the example year: its calendar read back by
// libical and by Python's icalendar, and an import from a file or an address written to a new
// file, or refused.

#include "InterchangeFixtures.h"
#include "LocalHttpServer.h"
#include "calfile/CalFile.h"
#include "interchange/IcsExport.h"
#include "interchange/YearEntries.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int Exit = -1;
    QString Out;
    QString Err;
};

Run Command(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

Run Cli(const QStringList& args)
{
    return Command(QStringLiteral(DAYBINDER_CLI), args);
}

// "2026-03-14|Loyer 650 $|-P3D" for each event, as Python's icalendar reads the file.
QStringList PythonEvents(const QString& path)
{
    const Run r =
        Command(Python(), {u"-c"_qs,
                           u"import sys, icalendar\n"
                           "cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
                           "for ev in cal.walk('VEVENT'):\n"
                           "    alarms = [a.get('TRIGGER').to_ical().decode() for a in ev.walk('VALARM')]\n"
                           "    print('%s|%s|%s' % (ev.decoded('DTSTART').isoformat(), ev.get('SUMMARY'),"
                           " ','.join(alarms)))\n"_qs,
                           path});
    return r.Exit == 0 ? r.Out.split(u'\n', Qt::SkipEmptyParts) : QStringList{r.Err};
}

} // namespace

class TestInterchangeCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        example = dir.filePath(u"exemple.cal"_qs);
        QCOMPARE(Cli({u"demo"_qs, example, u"--year"_qs, u"2026"_qs}).Exit, 0);
        QVERIFY(ReadCalFile(example, doc));
        // The example year has no alarms of its own: March gets some.
        for (DayCell& c : doc.Month(3).Cells)
            for (DayEntry& e : c.Entries) {
                e.AlarmOn = true;
                e.AlarmDaysBefore = 3;
            }
        QVERIFY(WriteCalFile(example, doc));
    }

    void theExampleYearIsAValidCalendarThatOthersReadBack()
    {
        const QString ics = dir.filePath(u"exemple.ics"_qs);
        QCOMPARE(Cli({u"ics"_qs, example, ics}).Exit, 0);
        const QByteArray bytes = FileBytes(ics);
        QCOMPARE(IcalErrors(bytes), 0);

        QStringList expected;
        ForEachYearEntry(doc, [&](const DateRec& date, int, const DayEntry& e) {
            const QString alarm = e.AlarmOn ? QStringLiteral("-P%1D").arg(e.AlarmDaysBefore) : QString();
            expected.append(DateToText(date) + u'|' + EntrySummary(e) + u'|' + alarm);
        });
        QCOMPARE(EventBlocks(bytes).size(), expected.size());
        const QStringList read = PythonEvents(ics);
        if (read.size() == 1 && read[0].contains(u"ModuleNotFoundError"_qs))
            QSKIP("python3-icalendar is not installed (scripts/common.sh installs it)");
        QCOMPARE(read, expected);
    }

    void importWritesANewFileAndRefusesWhatIsNotACalendar()
    {
        const QString in = dir.filePath(u"fêtes.ics"_qs);
        QVERIFY(SaveBytes(
            in, Calendar(VEvent(u"n"_qs, {u"DTSTART;VALUE=DATE:20260621"_qs, u"RRULE:FREQ=YEARLY"_qs,
                                          u"SUMMARY:Fête de la musique"_qs}))));
        const QString out = dir.filePath(u"avec fêtes.cal"_qs);
        const Run r = Cli({u"import-ics"_qs, example, in, out});
        QCOMPARE(r.Exit, 0);
        QCOMPARE(r.Err, u"1 événement(s) importé(s) sur 1 jour(s).\n"_qs);
        CalendarDocument imported;
        QVERIFY(ReadCalFile(out, imported));
        const QList<DayEntry>& day = imported.Month(6).Cell(CellOfDate(MakeDate(21, 6, 2026))).Entries;
        QCOMPARE(day.last().Description, u"Fête de la musiqu"_qs);

        const QString jpeg = dir.filePath(u"photo.ics"_qs);
        QVERIFY(SaveBytes(jpeg, QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11) + QByteArray(500, 'x')));
        const QString refused = dir.filePath(u"refusé.cal"_qs);
        const Run bad = Cli({u"import-ics"_qs, example, jpeg, refused});
        QCOMPARE(bad.Exit, 1);
        QVERIFY2(bad.Err.contains(u"n'est pas un calendrier iCalendar"_qs), qPrintable(bad.Err));
        QVERIFY(!QFile::exists(refused));
    }

    void anAddressImportsWhatItsFileDoesAndAnUnreachableOneWritesNothing()
    {
        LocalHttpServer server;
        if (!server.Started()) QSKIP("python3 cannot serve files here");
        const QByteArray holidays = HolidayCalendar() + Calendar(VEvent(u"x"_qs, {u"SUMMARY:Sans date"_qs}));
        QVERIFY(server.Put(u"holidays.ics"_qs, holidays));
        const QString file = dir.filePath(u"holidays.ics"_qs);
        QVERIFY(SaveBytes(file, holidays));
        const QString byFile = dir.filePath(u"par fichier.cal"_qs),
                      byAddress = dir.filePath(u"par adresse.cal"_qs);
        const Run fromFile = Cli({u"import-ics"_qs, example, file, byFile});
        const Run fromAddress = Cli({u"import-ics"_qs, example, server.Url(u"holidays.ics"_qs), byAddress});
        QCOMPARE(fromAddress.Exit, 0);
        QCOMPARE(fromAddress.Err, u"3 événement(s) importé(s) sur 3 jour(s).\n"
                                  "1 événement(s) laissé(s) de côté: 1 sans date de début.\n"_qs);
        QCOMPARE(fromAddress.Err, fromFile.Err);
        const auto entries = [](const QString& path) {
            CalendarDocument d;
            if (!ReadCalFile(path, d)) return QStringList{u"unreadable"_qs};
            QStringList all;
            ForEachYearEntry(d, [&](const DateRec& date, int, const DayEntry& e) {
                all.append(DateToText(date) + u' ' + e.Description);
            });
            return all;
        };
        QCOMPARE(entries(byAddress), entries(byFile));
        QVERIFY(entries(byAddress).contains(u"2026-12-25 Noël"_qs));

        const QString refused = dir.filePath(u"injoignable.cal"_qs);
        const Run down = Cli({u"import-ics"_qs, example,
                              QStringLiteral("http://127.0.0.1:%1/holidays.ics").arg(ClosedPort()), refused});
        QCOMPARE(down.Exit, 1);
        QCOMPARE(down.Err,
                 u"Impossible de joindre le serveur « 127.0.0.1 »: la connexion a été refusée.\n"_qs);
        const Run missing = Cli({u"import-ics"_qs, example, server.Url(u"absent.ics"_qs), refused});
        QCOMPARE(missing.Exit, 1);
        QVERIFY2(missing.Err.contains(u"404"_qs), qPrintable(missing.Err));
        QVERIFY(!QFile::exists(refused));
    }

    void csvWritesTheBudgetAndHelpListsTheThreeCommands()
    {
        const QString csv = dir.filePath(u"budget.csv"_qs);
        QCOMPARE(Cli({u"csv"_qs, example, csv}).Exit, 0);
        QVERIFY(FileBytes(csv).startsWith("\xEF\xBB\xBF"
                                          "Date;Type;Nom;Montant;Pointé;Compte\r\n"));
        const Run r = Cli({u"help"_qs});
        for (const char* c :
             {"\n  ics FILE.cal OUT.ics", "\n  import-ics FILE.cal IN.ics|URL OUT.cal", "\n  csv FILE.cal"})
            QVERIFY2(r.Out.contains(QLatin1String(c)), c);
    }

private:
    QTemporaryDir dir;
    QString example;
    CalendarDocument doc;
};

QTEST_GUILESS_MAIN(TestInterchangeCli)
#include "tst_interchangecli.moc"
