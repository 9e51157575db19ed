#pragma once
// What a free-text box accepts: only what a CAL stream can carry. A value is one quoted line of
// Windows-1252 text, so the double quote, line breaks and characters outside the code page are
// refused rather than lost or corrupted at the next save.

#include <QString>
#include <QValidator>
#include <functional>

bool IsTypeable(QChar c);

// The text with every refused character removed.
QString FilterTypedText(const QString& text);

// Tells the user that a box refused characters, once per refusal (a typed character, or a
// paste that lost some), with the box (the validator's parent). The windows install a note at
// the box and the beep; until one is installed a refusal is silent.
using RefusalNotice = std::function<void(QObject* box)>;
void InstallRefusalNotice(RefusalNotice notice);

// Strips refused characters as they are typed or pasted, and says so; what remains is always
// acceptable.
class CalTextValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
