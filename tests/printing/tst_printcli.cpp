#include "CalTestDocuments.h"
#include "PdfText.h"
#include "calfile/CalFile.h"
#include "settings/SettingsStore.h"

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

const QStringList kMonths = {u"Janvier"_qs,   u"Février"_qs, u"Mars"_qs,     u"Avril"_qs,
                             u"Mai"_qs,       u"Juin"_qs,    u"Juillet"_qs,  u"Août"_qs,
                             u"Septembre"_qs, u"Octobre"_qs, u"Novembre"_qs, u"Décembre"_qs};

// The titles of the pages, in order ("Janvier 2026"...).
QStringList Titles(const QList<PdfPage>& pages)
{
    QStringList titles;
    for (const PdfPage& page : pages)
        titles.append(page.size() >= 2 ? page[0].Text + u' ' + page[1].Text : QString());
    return titles;
}

int PicturesIn(const QString& pdf)
{
    return int(FileBytes(pdf).count("/Subtype /Image"));
}

} // namespace

class TestPrintCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("DAYBINDER_CONFIG_HOME", m_dir.filePath(u"config"_qs).toUtf8());
        QVERIFY(Cli({u"demo"_qs, Path("exemple.cal"), u"--year"_qs, u"2026"_qs}).Exit == 0);
    }

    void theExampleYearPrintsAPagePerMonthWithItsDays()
    {
        const Run r = Cli({u"pdf"_qs, Path("exemple.cal"), Path("année.pdf")});
        QCOMPARE(r.Exit, 0);
        QVERIFY(FileBytes(Path("année.pdf")).contains("/MediaBox [0 0 595.000000 842.000000]")); // A4
        const QList<PdfPage> pages = PdfWords(Path("année.pdf"));
        QCOMPARE(pages.size(), 12);
        for (int m = 1; m <= 12; ++m) {
            const QString text = PageText(pages[m - 1]);
            QVERIFY2(text.startsWith(kMonths[m - 1] +
                                     u" 2026 Dimanche Lundi Mardi Mercredi Jeudi Vendredi Samedi"_qs),
                     qPrintable(text));
        }
        // New Year's Day, then the rent, in the Thursday of the first row.
        const PdfPage& january = pages[0];
        const PdfWord newYear = FindWord(january, u"l'An"_qs);
        const PdfWord rent = FindWord(january, u"Loyer"_qs, QRectF(newYear.Box.left() - 2, 0, 4, 8));
        QVERIFY(!newYear.Text.isEmpty() && !rent.Text.isEmpty());
        QVERIFY(rent.Box.top() > newYear.Box.top());
        QVERIFY(!FindWord(january, u"850$"_qs).Text.isEmpty());
    }

    void monthsCopiesAndBackgroundComeFromTheSettingsOrTheCommandLine()
    {
        Run r = Cli({u"pdf"_qs, u"--months"_qs, u"1,3"_qs, u"--copies"_qs, u"2"_qs, Path("exemple.cal"),
                     Path("x.pdf")});
        QCOMPARE(r.Exit, 0);
        QCOMPARE(Titles(PdfWords(Path("x.pdf"))),
                 QStringList({u"Janvier 2026"_qs, u"Mars 2026"_qs, u"Janvier 2026"_qs, u"Mars 2026"_qs}));

        // A month with a background picture: printed with the setting on, not with it off.
        CalendarDocument doc = NewDocument(2026);
        doc.EmbedPictures = true;
        doc.Month(2).Background = {1, u"fond.bmp"_qs, TestPicture(3, QSize(80, 60))};
        QVERIFY(WriteCalFile(Path("fond.cal"), doc));
        QCOMPARE(Cli({u"pdf"_qs, Path("fond.cal"), Path("fond.pdf"), u"--months=2"_qs}).Exit, 0);
        QCOMPARE(PicturesIn(Path("fond.pdf")), 1);
        QCOMPARE(Cli({u"pdf"_qs, Path("fond.cal"), Path("sans.pdf"), u"--months=2"_qs, u"--no-background"_qs})
                     .Exit,
                 0);
        QCOMPARE(PicturesIn(Path("sans.pdf")), 0);

        // Without options the settings decide: here May only, twice, without pictures.
        for (int m = 1; m <= 12; ++m) QVERIFY(Keys::PrintMonth(m).Write(m == 5 ? 1 : 0));
        QVERIFY(Keys::Copies().Write(2));
        QVERIFY(Keys::BckImg().Write(0));
        doc.Month(5).Background = doc.Month(2).Background;
        QVERIFY(WriteCalFile(Path("fond.cal"), doc));
        QCOMPARE(Cli({u"pdf"_qs, Path("fond.cal"), Path("mai.pdf")}).Exit, 0);
        QCOMPARE(Titles(PdfWords(Path("mai.pdf"))), QStringList({u"Mai 2026"_qs, u"Mai 2026"_qs}));
        QCOMPARE(PicturesIn(Path("mai.pdf")), 0);
        QVERIFY(QFile::remove(m_dir.filePath(u"config/Daybinder.ini"_qs)));
    }

    void mistakesSayWhyAndWriteNothing()
    {
        Run r = Cli({u"pdf"_qs, Path("exemple.cal"), Path("y.pdf"), u"--months"_qs, u"1,13"_qs});
        QCOMPARE(r.Exit, 1);
        QVERIFY2(r.Err.startsWith(u"daybinder-cli: --months takes month numbers from 1 to 12"),
                 qPrintable(r.Err));
        QCOMPARE(Cli({u"pdf"_qs, Path("exemple.cal"), Path("y.pdf"), u"--copies"_qs, u"0"_qs}).Exit, 1);
        QCOMPARE(Cli({u"pdf"_qs, Path("exemple.cal")}).Exit, 1);
        QCOMPARE(Cli({u"pdf"_qs, Path("absent.cal"), Path("y.pdf")}).Exit, 1);
        QVERIFY(!QFile::exists(Path("y.pdf")));

        // A protected file needs its password; a PDF that cannot be written is the system's error.
        CalendarDocument doc = NewDocument(2026);
        doc.Password = u"clé"_qs;
        QVERIFY(WriteCalFile(Path("secret.cal"), doc));
        QCOMPARE(Cli({u"pdf"_qs, Path("secret.cal"), Path("y.pdf")}).Exit, 3);
        QCOMPARE(Cli({u"pdf"_qs, u"--password"_qs, u"clé"_qs, Path("secret.cal"), Path("y.pdf")}).Exit, 0);
        r = Cli({u"pdf"_qs, Path("exemple.cal"), Path("absent/y.pdf")});
        QCOMPARE(r.Exit, 1);
        QVERIFY2(r.Err.contains(u"Number:  2 Description:  No such file or directory"), qPrintable(r.Err));
    }

private:
    // daybinder-cli in a French-speaking Canadian locale (A4 paper).
    Run Cli(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"LC_ALL"_qs, u"fr_CA.UTF-8"_qs);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(DAYBINDER_CLI), args);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    QString Path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPrintCli)
#include "tst_printcli.moc"
