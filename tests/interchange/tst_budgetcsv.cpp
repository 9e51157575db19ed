// The budget as a French spreadsheet reads it: one row per income and expense, dates and
// amounts the French way, and texts that hold the separator or quotes kept whole.

#include "InterchangeFixtures.h"
#include "interchange/BudgetCsv.h"

#include <QProcess>
#include <QTest>

namespace {

// The rows as Python's csv module reads them with ";", each row's fields joined by "|".
QStringList PythonRows(const QByteArray& csv, bool* ran)
{
    QProcess python;
    python.start(Python(), {u"-c"_qs, u"import csv, io, sys\n"
                                      "text = sys.stdin.buffer.read().decode('utf-8-sig')\n"
                                      "for row in csv.reader(io.StringIO(text, newline=''), delimiter=';'):\n"
                                      "    print('|'.join(row))\n"_qs});
    python.write(csv);
    python.closeWriteChannel();
    *ran = python.waitForFinished(30000) && python.exitCode() == 0;
    return QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class TestBudgetCsv : public QObject
{
    Q_OBJECT
private slots:
    void init() { OpenTestDocument(2026); }

    void oneRowPerMoneyEntryInDateOrder()
    {
        Doc().DE.DebtsSavings.append(Account(false, u"Prêt auto"_qs, u"5000"_qs, MakeDate(1, 1, 2026)));
        EntriesOn(2, 1).append(Money(EntryExpense, u"Prêt auto"_qs, u"250"_qs));
        EntriesOn(2, 1).append(Event(u"Pas d'argent"_qs));
        DayEntry salary = Money(EntryIncome, u"Salaire"_qs, u"1250.50"_qs);
        salary.Ticked = true;
        EntriesOn(1, 1).append(salary);
        EntriesOn(31, 12).append(Money(EntryExpense, u"Cadeaux"_qs, u"-12,5 environ"_qs));
        const QByteArray csv = BudgetCsv(Doc());
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"
                               "Date;Type;Nom;Montant;Pointé;Compte\r\n"));
        QCOMPARE(QString::fromUtf8(csv.mid(3)).split(u"\r\n"_qs),
                 QStringList({u"Date;Type;Nom;Montant;Pointé;Compte"_qs,
                              u"01/01/2026;Revenu;Salaire;1250,50;Oui;"_qs,
                              u"02/01/2026;Dépense;Prêt auto;250;Non;Prêt auto"_qs,
                              u"31/12/2026;Dépense;Cadeaux;-12,5 environ;Non;"_qs, QString()}));
    }

    void aSpreadsheetReadsTheAmountsAsTypedAndTheTextsWhole()
    {
        EntriesOn(5, 5).append(Money(EntryIncome, u"Vente; lot"_qs, u"12.50"_qs));
        EntriesOn(7, 5).append(Money(EntryExpense, u"Œufs €"_qs, u"3.2"_qs));
        EntriesOn(8, 5).append(Money(EntryIncome, QString(), u"40"_qs)); // no name at all
        const QByteArray csv = BudgetCsv(Doc());
        QVERIFY(csv.contains("\"Vente; lot\"")); // quoted: it holds the separator
        bool ran = false;
        const QStringList rows = PythonRows(csv, &ran);
        if (!ran) QSKIP("python3 is not installed");
        QCOMPARE(rows,
                 QStringList({u"Date|Type|Nom|Montant|Pointé|Compte"_qs,
                              u"05/05/2026|Revenu|Vente; lot|12,50|Non|"_qs,
                              u"07/05/2026|Dépense|Œufs €|3,2|Non|"_qs, u"08/05/2026|Revenu||40|Non|"_qs}));
    }

    void aYearWithoutMoneyGivesTheHeaderAlone()
    {
        EntriesOn(1, 6).append(Event(u"Fête"_qs));
        QCOMPARE(BudgetCsv(Doc()), QByteArray("\xEF\xBB\xBF"
                                              "Date;Type;Nom;Montant;Pointé;Compte\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestBudgetCsv)
#include "tst_budgetcsv.moc"
