#pragma once
// Readable failure output for the program's own records.

#include "document/Dates.h"

#include <QTest>

inline char* toString(const DateRec& d)
{
    return QTest::toString(u"%1/%2/%3"_qs.arg(d.Day).arg(d.Month).arg(d.Year));
}
