#pragma once
// What assistive technologies read of a month grid: a table of six weeks of seven day cells,
// each named with its full date and the lines it shows; the selected day is the focused cell.

#include <QString>

class QAccessibleInterface;
class QObject;

// For QAccessible::installFactory: answers for MonthGrid widgets only.
QAccessibleInterface* MonthGridAccessibleFactory(const QString& className, QObject* object);
