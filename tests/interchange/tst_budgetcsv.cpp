// The budget as a French spreadsheet reads it (Python's csv with ";"): one row per income and
// expense, dates and amounts the French way, texts holding the separator kept whole.

#include "InterchangeFixtures.h"
#include "interchange/BudgetCsv.h"

#include <QProcess>
#include <QTest>

class TestBudgetCsv : public QObject
{
    Q_OBJECT
private slots:
    void aSpreadsheetReadsOneRowPerMoneyEntryWithItsAmountAsTyped()
    {
        OpenTestDocument(2026);
        Doc().DE.DebtsSavings.append(Account(false, u"Prêt auto"_qs, u"5000"_qs, MakeDate(1, 1, 2026)));
        EntriesOn(2, 1) = {Money(EntryExpense, u"Prêt auto"_qs, u"250"_qs), Event(u"Pas d'argent"_qs)};
        DayEntry sale = Money(EntryIncome, u"Vente; lot"_qs, u"12.50"_qs);
        sale.Ticked = true;
        EntriesOn(1, 1).append(sale);
        EntriesOn(31, 12).append(Money(EntryExpense, u"Œufs €"_qs, u"-12,5 environ"_qs));
        const QByteArray csv = BudgetCsv(Doc());
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"
                               "Date;Type;Nom;Montant;Pointé;Compte\r\n"));

        QProcess python;
        python.start(Python(),
                     {u"-c"_qs, u"import csv, io, sys\n"
                                "text = sys.stdin.buffer.read().decode('utf-8-sig')\n"
                                "for row in csv.reader(io.StringIO(text, newline=''), delimiter=';'):\n"
                                "    print('|'.join(row))\n"_qs});
        python.write(csv);
        python.closeWriteChannel();
        if (!python.waitForFinished(30000) || python.exitCode() != 0) QSKIP("python3 is not installed");
        QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                 QStringList({u"Date|Type|Nom|Montant|Pointé|Compte"_qs,
                              u"01/01/2026|Revenu|Vente; lot|12,50|Oui|"_qs,
                              u"02/01/2026|Dépense|Prêt auto|250|Non|Prêt auto"_qs,
                              u"31/12/2026|Dépense|Œufs €|-12,5 environ|Non|"_qs}));
    }
};

QTEST_GUILESS_MAIN(TestBudgetCsv)
#include "tst_budgetcsv.moc"
