#pragma once
// The incomes and expenses of the year as a spreadsheet reads them in France: ";" between
// fields, decimal comma, dates JJ/MM/AAAA, UTF-8 with a byte order mark, a header row, fields
// quoted by RFC 4180 when they need it, CR LF rows.

#include "document/CalendarDocument.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// "Date;Type;Nom;Montant;Pointé;Compte"
QStringList BudgetCsvHeader();

// One field, quoted when it holds ";", ",", a double quote or a line break.
QString CsvField(const QString& text);

// The amount as typed, with the decimal comma: "12.50" -> "12,50".
QString CsvAmount(const DayEntry& entry);

// One row per money entry, in date and list order.
QByteArray BudgetCsv(const CalendarDocument& doc);
