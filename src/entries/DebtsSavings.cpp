#include "entries/DebtsSavings.h"

#include "document/Money.h"
#include "resources/Strings.h"

namespace {

QList<DebtSavingDef>& Accounts(CalendarDocument& doc)
{
    return doc.DE.DebtsSavings;
}

QString DescriptionOf(const DebtSavingDef& account)
{
    return account.Description;
}

} // namespace

const DefinitionList<DebtSavingDef> DebtList{&Accounts, PartDebtsSavings, &DescriptionOf};

QString DebtListText(const DebtSavingDef& account)
{
    return u'(' + Str(account.IsSavings ? 10015 : 10016) + QStringLiteral(") - ") + account.Description +
           u'$';
}

QStringList DebtListLines(const CalendarDocument& doc)
{
    return ListLines(doc.DE.DebtsSavings, &DebtListText);
}

DebtFormValues DebtFormForAdd(const CalendarDocument& doc)
{
    DebtFormValues values;
    values.Start = MakeDate(1, 1, doc.YearNumber());
    return values;
}

DebtFormValues DebtFormForEdit(const DebtSavingDef& account)
{
    DebtFormValues values;
    values.IsSavings = account.IsSavings;
    values.Name = NamePart(account.Description);
    values.Amount = TrimBlanks(AmountPart(account.Description));
    values.Start = account.StartDate;
    return values;
}

DebtSavingDef DebtFromForm(const DebtFormValues& values)
{
    DebtSavingDef account;
    account.IsSavings = values.IsSavings;
    account.Description = MoneyDescription(values.Name, values.Amount);
    account.StartDate = values.Start;
    return account;
}

bool NameMissing(const DebtFormValues& values)
{
    return TrimBlanks(values.Name).isEmpty();
}

int SaveDebtForm(int mode, int index, const DebtFormValues& values)
{
    if (NameMissing(values)) return 0;
    const DebtSavingDef account = DebtFromForm(values);
    if (mode == EditorAdd) return DebtList.Add(account) ? 1 : 0;
    const QList<DebtSavingDef>& accounts = DebtList.Current();
    if (index < 0 || index >= accounts.size()) return 0;
    if (!DebtSavingDiffers(account, accounts[index])) return 0;
    return DebtList.Replace(index, account) ? 1 : 0;
}
