#include "interchange/BudgetCsv.h"

#include "document/Money.h"
#include "entries/Balances.h"
#include "interchange/YearEntries.h"

QStringList BudgetCsvHeader()
{
    return {QStringLiteral("Date"),    QStringLiteral("Type"),   QStringLiteral("Nom"),
            QStringLiteral("Montant"), QStringLiteral("Pointé"), QStringLiteral("Compte")};
}

QString CsvField(const QString& text)
{
    // A decimal comma is quoted too: a spreadsheet guessing the separator from the rows would
    // otherwise take the comma of amounts like 12,50 for it.
    if (!text.contains(u';') && !text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString CsvAmount(const DayEntry& entry)
{
    QString amount = TrimBlanks(AmountPart(entry.Description));
    amount.replace(u'.', u',');
    return amount;
}

QByteArray BudgetCsv(const CalendarDocument& doc)
{
    QString text = BudgetCsvHeader().join(u';') + QStringLiteral("\r\n");
    ForEachYearEntry(doc, [&](const DateRec& date, int, const DayEntry& entry) {
        if (entry.EntryType != EntryIncome && entry.EntryType != EntryExpense) return;
        const int account = AccountOfEntry(doc, entry);
        const QStringList row = {
            QStringLiteral("%1/%2/%3")
                .arg(date.Day, 2, 10, QLatin1Char('0'))
                .arg(date.Month, 2, 10, QLatin1Char('0'))
                .arg(date.Year, 4, 10, QLatin1Char('0')),
            EntryCategory(entry),
            NamePart(entry.Description),
            CsvAmount(entry),
            entry.Ticked ? QStringLiteral("Oui") : QStringLiteral("Non"),
            account < 0 ? QString() : NamePart(doc.DE.DebtsSavings[account].Description),
        };
        QStringList fields;
        for (const QString& f : row) fields.append(CsvField(f));
        text += fields.join(u';') + QStringLiteral("\r\n");
    });
    return "\xEF\xBB\xBF" + text.toUtf8();
}
