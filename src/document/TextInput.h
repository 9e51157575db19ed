#pragma once
// What a free-text box accepts: only what a CAL stream can carry. A value is one quoted line of
// Windows-1252 text, so the double quote, line breaks and characters outside the code page are
// refused rather than lost or corrupted at the next save.

#include <QString>
#include <QValidator>

bool IsTypeable(QChar c);

// The text with every refused character removed.
QString FilterTypedText(const QString& text);

// Strips refused characters as they are typed or pasted; what remains is always acceptable.
class CalTextValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
