#pragma once
// Money entries keep their name and amount in one text: the name cut or blank-padded to 10
// characters, a blank, then the amount as typed. Totals are 32-bit and rounded (ties to even)
// after every addition.

#include <QString>
#include <QStringView>
#include <QtGlobal>

constexpr int kNameWidth = 10;

// Only the blank character: the stream has always been trimmed that way.
QString TrimBlanks(QStringView text);

// "Loyer" + "650" -> "Loyer      650"
QString MoneyDescription(QStringView name, QStringView amountText);

// The first 10 characters, trimmed: what ties an entry to a debt or savings account.
QString NamePart(QStringView description);

// The text after the 10th character, as typed (not trimmed).
QStringView AmountPart(QStringView description);

// The number read from the text after the 10th character; 0 when there is none.
double AmountOf(QStringView description);

// total + amount, rounded ties-to-even, kept within the 32-bit range (it saturates there).
qint32 AddRounded(qint32 total, double amount);

// incomes - expenses, kept within the 32-bit range (it saturates there).
qint32 DifferenceOf(qint32 incomes, qint32 expenses);

// "1500$", "-40$".
QString MoneyText(qint32 value);
