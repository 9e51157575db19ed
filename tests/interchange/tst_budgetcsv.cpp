// The budget as a French spreadsheet reads it (Python's csv with ";"): one row per income and
// expense, dates and amounts the French way, texts holding the separator kept whole; and as a
// spreadsheet that guesses the separator (Gnumeric's ssconvert, where it is installed) reads it.

#include "InterchangeFixtures.h"
#include "interchange/BudgetCsv.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The rows of a CSV text as Python's csv module reads them, fields joined by "|"; empty when
// python3 is not there.
QStringList Rows(const QByteArray& csv, char delimiter)
{
    QProcess python;
    python.start(Python(),
                 {u"-c"_qs, u"import csv, io, sys\n"
                            "text = sys.stdin.buffer.read().decode('utf-8-sig')\n"
                            "for row in csv.reader(io.StringIO(text, newline=''), delimiter='%1'):\n"
                            "    print('|'.join(row))\n"_qs.arg(QLatin1Char(delimiter))});
    python.write(csv);
    python.closeWriteChannel();
    if (!python.waitForFinished(30000) || python.exitCode() != 0) return {};
    return QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class TestBudgetCsv : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(2026); }

    void aSpreadsheetReadsOneRowPerMoneyEntryWithItsAmountAsTyped()
    {
        Doc().DE.DebtsSavings.append(Account(false, u"Prêt auto"_qs, u"5000"_qs, MakeDate(1, 1, 2026)));
        EntriesOn(2, 1) = {Money(EntryExpense, u"Prêt auto"_qs, u"250"_qs), Event(u"Pas d'argent"_qs)};
        DayEntry sale = Money(EntryIncome, u"Vente; lot"_qs, u"12.50"_qs);
        sale.Ticked = true;
        EntriesOn(1, 1).append(sale);
        EntriesOn(31, 12).append(Money(EntryExpense, u"Œufs €"_qs, u"-12,5 environ"_qs));
        const QByteArray csv = BudgetCsv(Doc());
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"
                               "Date;Type;Nom;Montant;Pointé;Compte\r\n"));
        // An amount with its decimal comma is quoted.
        QVERIFY(csv.contains("01/01/2026;Revenu;\"Vente; lot\";\"12,50\";Oui;\r\n"));

        const QStringList rows = Rows(csv, ';');
        if (rows.isEmpty()) QSKIP("python3 is not installed");
        QCOMPARE(rows, QStringList({u"Date|Type|Nom|Montant|Pointé|Compte"_qs,
                                    u"01/01/2026|Revenu|Vente; lot|12,50|Oui|"_qs,
                                    u"02/01/2026|Dépense|Prêt auto|250|Non|Prêt auto"_qs,
                                    u"31/12/2026|Dépense|Œufs €|-12,5 environ|Non|"_qs}));
    }

    void aSpreadsheetThatGuessesTheSeparatorTakesTheSemicolon()
    {
        // Most amounts have decimals: unquoted, their commas outnumber the semicolons.
        const char* const amounts[] = {"12.50", "650.25", "3.10", "48.99", "7"};
        for (int d = 0; d < 5; ++d)
            EntriesOn(d + 1, 2).append(Money(EntryExpense, u"Courses"_qs, QString::fromLatin1(amounts[d])));
        const QString ssconvert = QStandardPaths::findExecutable(u"ssconvert"_qs);
        if (ssconvert.isEmpty()) QSKIP("ssconvert (gnumeric) is not installed");
        QTemporaryDir dir;
        const QString in = dir.filePath(u"budget.csv"_qs), out = dir.filePath(u"lu.csv"_qs);
        QVERIFY(SaveBytes(in, BudgetCsv(Doc())));
        QProcess convert;
        convert.start(ssconvert, {in, out});
        QVERIFY(convert.waitForFinished(60000) && convert.exitCode() == 0);

        // Gnumeric writes back what it read, with "," between fields: six of them in every row,
        // the amounts read as the numbers they are.
        const QStringList rows = Rows(FileBytes(out), ',');
        if (rows.isEmpty()) QSKIP("python3 is not installed");
        QCOMPARE(rows.size(), 6);
        QStringList read;
        for (const QString& row : rows) {
            const QStringList fields = row.split(u'|');
            QCOMPARE(fields.size(), 6);
            read.append(fields[3]);
        }
        QCOMPARE(read.mid(1).join(u' ').replace(u',', u'.'), u"12.5 650.25 3.1 48.99 7"_qs);
    }
};

QTEST_GUILESS_MAIN(TestBudgetCsv)
#include "tst_budgetcsv.moc"
