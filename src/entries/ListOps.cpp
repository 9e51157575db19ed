#include "entries/ListOps.h"

#include "platform/Prompter.h"
#include "resources/Strings.h"

#include <QLocale>

QCollator TextCollator()
{
    // Without a chosen locale, the program's own language: accented letters then sort with
    // their base letters instead of after "z".
    QLocale locale;
    if (locale.language() == QLocale::C) locale = QLocale(QLocale::French, QLocale::France);
    QCollator collator{locale};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

void ListOps::TellListFull()
{
    ShowMessage(QStringLiteral("Daybinder"), Str(20002), PromptIcon::Exclamation);
}
