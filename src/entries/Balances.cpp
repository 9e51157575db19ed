#include "entries/Balances.h"

#include "document/Money.h"
#include "entries/DayEntries.h"
#include "resources/Strings.h"

namespace {

// The name part as a view: no copy, since a balance reads every entry of the year.
QStringView NameView(QStringView description)
{
    QStringView name = description.left(kNameWidth);
    while (!name.isEmpty() && name.front() == u' ') name = name.mid(1);
    while (!name.isEmpty() && name.back() == u' ') name.chop(1);
    return name;
}

} // namespace

bool SameName(QStringView a, QStringView b)
{
    return NameView(a) == NameView(b);
}

qint32 DeltaForDay(const DebtSavingDef& account, const QList<DayEntry>& entries, int leftOut)
{
    const QStringView name = NameView(account.Description);
    qint32 delta = 0;
    for (int i = 0; i < entries.size(); ++i) {
        const DayEntry& e = entries[i];
        if (i == leftOut || (e.EntryType != EntryIncome && e.EntryType != EntryExpense)) continue;
        if (NameView(e.Description) != name) continue;
        const double amount = AmountOf(e.Description);
        // Borrowing raises a debt, paying back lowers it; saving is an expense of the day.
        const bool raises = (e.EntryType == EntryIncome) != account.IsSavings;
        delta = AddRounded(delta, raises ? amount : -amount);
    }
    return delta;
}

qint32 BalanceAsOf(const CalendarDocument& doc, int account, const DateRec& date)
{
    if (account < 0 || account >= doc.DE.DebtsSavings.size()) return 0;
    const DebtSavingDef& def = doc.DE.DebtsSavings[account];
    if (DateIsAfter(def.StartDate, date)) return 0;
    qint32 balance = AddRounded(0, AmountOf(def.Description));
    const int year = doc.YearNumber();
    for (int m = 1; m <= 12; ++m) {
        const int firstCell = CellOfDate(MakeDate(1, m, year));
        const int days = DaysInMonth(year, m);
        for (int d = 1; d <= days; ++d) {
            const DateRec day = MakeDate(d, m, year);
            if (DateIsAfter(day, date)) return balance;
            if (DateIsAfter(def.StartDate, day)) continue;
            const QList<DayEntry>& entries = doc.Month(m).Cell(firstCell + d - 1).Entries;
            if (!entries.isEmpty()) balance = AddRounded(balance, DeltaForDay(def, entries, -1));
        }
    }
    return balance;
}

int AccountOfEntry(const CalendarDocument& doc, const DayEntry& entry)
{
    const QList<DebtSavingDef>& accounts = doc.DE.DebtsSavings;
    for (int i = 0; i < accounts.size(); ++i)
        if (SameName(accounts[i].Description, entry.Description)) return i;
    return -1;
}

QString DatedLabel(int textNumber, const DateRec& date)
{
    return Str(textNumber) + u' ' + DateToText(date) + u':';
}

BalanceLabels AccountBalanceLabels(const CalendarDocument& doc, int account, const DateRec& date)
{
    BalanceLabels labels;
    if (account < 0 || account >= doc.DE.DebtsSavings.size()) return labels;
    labels.Visible = true;
    labels.Caption = Str(10020) + QStringLiteral(" (") + DateToText(date) + QStringLiteral("):");
    labels.Value = MoneyText(BalanceAsOf(doc, account, date));
    return labels;
}

BalanceLabels DebtsTabBalance(const CalendarDocument& doc, int month, int cell, const DateRec& date,
                              int selectedAccount)
{
    if (!ValidMonth(month) || !ValidCell(cell)) return {};
    return AccountBalanceLabels(doc, selectedAccount, date);
}

BalanceLabels EventsTabBalance(const CalendarDocument& doc, int month, int cell, const DateRec& date,
                               int selectedLine)
{
    if (!ValidMonth(month) || !ValidCell(cell)) return {};
    const QList<DayEntry>& entries = doc.Month(month).Cell(cell).Entries;
    if (selectedLine < 0 || selectedLine >= entries.size()) return {};
    const DayEntry& entry = entries[selectedLine];
    if (entry.EntryType == EntryEvent) return {};
    return AccountBalanceLabels(doc, AccountOfEntry(doc, entry), date);
}
