#include "entries/Birthdays.h"

#include "document/Money.h"

const DefinitionList<BirthdayDef> BirthdayDefs{
    [](CalendarDocument& doc) -> QList<BirthdayDef>& { return doc.BD.Birthdays; }, PartBirthdays,
    [](const BirthdayDef& birthday) { return birthday.Name; }};

QString BirthdayListText(const BirthdayDef& birthday)
{
    return birthday.Name + QStringLiteral(" - (") + DateToText(birthday.BirthDate) + u')';
}

QStringList BirthdayListLines(const CalendarDocument& doc)
{
    return ListLines(doc.BD.Birthdays, &BirthdayListText);
}

BirthdayFormValues BirthdayFormForAdd()
{
    return {};
}

BirthdayFormValues BirthdayFormForEdit(const BirthdayDef& birthday)
{
    return {birthday.Name, birthday.BirthDate};
}

int SaveBirthdayForm(int mode, int index, const BirthdayFormValues& values)
{
    BirthdayDef birthday;
    birthday.Name = TrimBlanks(values.Name);
    birthday.BirthDate = values.BirthDate;
    QList<BirthdayDef>& birthdays = BirthdayDefs.Current();
    const bool editing = mode == EditorEdit;
    if (editing && (index < 0 || index >= birthdays.size())) return 0;
    if (editing && !BirthdayDiffers(birthday, birthdays[index])) return 0;
    if (!editing && birthdays.size() >= kMaxListCount) return 0;

    birthday.Key = NewDefinitionKey(u"BD", Session::Get().CurrentDocument.BD.BDNextId, birthdays);
    return (editing ? BirthdayDefs.Replace(index, birthday) : BirthdayDefs.Add(birthday)) ? 1 : 0;
}
