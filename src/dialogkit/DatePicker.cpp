#include "dialogkit/DatePicker.h"

#include <QDateEdit>

QDateEdit* DatePicker(const QString& name, const DateRec& date, QWidget* parent)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    ShowDate(picker, date);
    return picker;
}

DateRec PickedDate(const QDateEdit* picker)
{
    const QDate d = picker->date();
    return FromQDate(d);
}

void ShowDate(QDateEdit* picker, const DateRec& date)
{
    const QDate d(date.Year, date.Month, date.Day);
    if (d.isValid()) picker->setDate(d);
}
