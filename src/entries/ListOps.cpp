#include "entries/ListOps.h"

#include <QLocale>

QCollator TextCollator()
{
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}
