#include "entries/EventForm.h"

#include "document/AmountText.h"
#include "document/Money.h"
#include "document/NumberText.h"
#include "entries/Balances.h"
#include "entries/DayEntries.h"
#include "settings/Settings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool IsMoneyType(qint32 type)
{
    return type == EntryIncome || type == EntryExpense;
}

const DebtSavingDef* AccountAt(const CalendarDocument& doc, int account)
{
    const QList<DebtSavingDef>& accounts = doc.DE.DebtsSavings;
    return account >= 0 && account < accounts.size() ? &accounts[account] : nullptr;
}

// The amount as it was typed: the composition put exactly one blank after the name.
QString TypedAmount(const QString& description)
{
    if (description.size() > kNameWidth && description[kNameWidth] == u' ')
        return description.mid(kNameWidth + 1);
    return TrimBlanks(AmountPart(description));
}

qint32 Rounded32(double value)
{
    return qint32(
        RoundHalfEven(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

} // namespace

EventFormValues EventFormForAdd()
{
    return {};
}

EventPageValues EventPageFor(const CalendarDocument& doc, qint32 entryType, const QString& description)
{
    EventPageValues v;
    if (IsMoneyType(entryType)) {
        v.Choice = entryType == EntryIncome ? ChoiceIncome : ChoiceExpense;
        v.Description = NamePart(description);
        v.Amount = TypedAmount(description);
        v.MoveAmount = AbsoluteAmountText(v.Amount);
        const int account = AccountNamed(doc, v.Description);
        if (account >= 0) {
            v.Linked = true;
            v.Account = account;
            v.Direction = DirectionOfEntry(doc.DE.DebtsSavings[account].IsSavings, entryType);
        }
    } else {
        v.Choice = ChoiceEvent;
        v.Description = description;
    }
    return v;
}

ComposedEntry ComposeEventPage(const CalendarDocument& doc, const EventPageValues& v)
{
    const DebtSavingDef* account = v.Linked ? AccountAt(doc, v.Account) : nullptr;
    if (account)
        return {EntryTypeForMovement(account->IsSavings, v.Direction),
                MoneyDescription(NamePart(account->Description), v.Amount)};
    if (v.Choice == ChoiceIncome || v.Choice == ChoiceExpense)
        return {v.Choice == ChoiceIncome ? EntryIncome : EntryExpense,
                MoneyDescription(v.Description, v.Amount)};
    return {EntryEvent, TrimBlanks(v.Description)};
}

bool NameMissing(const CalendarDocument& doc, const EventPageValues& v)
{
    if (GeneratedWarning(v.LinkKey) != 0) return false;
    const ComposedEntry composed = ComposeEventPage(doc, v);
    return IsMoneyType(composed.EntryType) && NamePart(composed.Description).isEmpty();
}

EventFormValues EventFormForEdit(const CalendarDocument& doc, const DayEntry& entry)
{
    EventFormValues v;
    static_cast<EventPageValues&>(v) = EventPageFor(doc, entry.EntryType, entry.Description);
    v.LinkKey = entry.LinkKey;
    v.SpecialColour = entry.TextColour != -1;
    v.Colour = v.SpecialColour ? entry.TextColour : 0;
    v.SpecialPicture = !entry.PicturePath.isEmpty();
    v.PicturePath = entry.PicturePath;
    v.Picture = entry.Picture;
    v.AlarmOn = entry.AlarmOn;
    v.DaysBefore = QString::number(entry.AlarmDaysBefore);
    v.Sound = std::clamp<int>(entry.AlarmSound, 0, kSoundCount);
    return v;
}

void SetEntryAlarm(DayEntry& entry, bool on, const QString& daysBefore, int sound)
{
    entry.AlarmOn = on;
    entry.AlarmDaysBefore = on ? Rounded32(ReadNumber(daysBefore)) : 1;
    entry.AlarmSound = on ? qint16(std::clamp(sound, 0, kSoundCount)) : qint16(0);
}

DayEntry EntryFromForm(const CalendarDocument& doc, const EventFormValues& v)
{
    DayEntry e;
    SetEntryAlarm(e, v.AlarmOn, v.DaysBefore, v.Sound);
    e.TextColour = v.SpecialColour ? v.Colour : -1;
    if (v.SpecialPicture && !v.PicturePath.isEmpty()) {
        e.PicturePath = v.PicturePath;
        e.Picture = v.Picture;
    }
    const ComposedEntry composed = ComposeEventPage(doc, v);
    e.EntryType = composed.EntryType;
    e.Description = composed.Description;
    return e;
}

int SaveEventForm(int mode, int month, int cell, int editIndex, const EventFormValues& values)
{
    const DayCell* day = DayOf(month, cell);
    if (!day || NameMissing(Session::Get().CurrentDocument, values)) return 0;
    DayEntry entry = EntryFromForm(Session::Get().CurrentDocument, values);
    if (mode == EditorAdd) return AppendUserEntry(month, cell, entry) ? 1 : 0;
    if (editIndex < 0 || editIndex >= day->Entries.size()) return 0;
    const DayEntry& stored = day->Entries[editIndex];
    if (!EntryDiffers(entry, stored)) return 0;
    entry.LinkKey = stored.LinkKey; // a changed occurrence is not generated again
    entry.Uid = stored.Uid;         // nor is an edited entry a new one on a calendar server
    return ReplaceEntry(month, cell, editIndex, entry) ? 1 : 0;
}

int DescriptionLimit(int choice, int currentLength)
{
    if (choice != ChoiceEvent) return kNameWidth;
    return std::max(kEventDescriptionLimit, currentLength);
}

QString DescriptionForChoice(int choice, const QString& description)
{
    return choice == ChoiceEvent ? description : description.left(kNameWidth);
}

QStringList AccountLines(const CalendarDocument& doc)
{
    QStringList lines;
    lines.reserve(doc.DE.DebtsSavings.size());
    for (const DebtSavingDef& account : doc.DE.DebtsSavings) lines.append(NamePart(account.Description));
    return lines;
}

int AccountNamed(const CalendarDocument& doc, const QString& description)
{
    if (description.isEmpty()) return -1;
    const QList<DebtSavingDef>& accounts = doc.DE.DebtsSavings;
    for (int i = 0; i < accounts.size(); ++i)
        if (NamePart(accounts[i].Description) == description) return i;
    return -1;
}

qint32 EntryTypeForMovement(bool isSavings, int direction)
{
    // Adding to a debt is borrowing (income); adding to savings is putting money aside (expense).
    const bool add = direction == DirectionAdd;
    return add != isSavings ? EntryIncome : EntryExpense;
}

int DirectionOfEntry(bool isSavings, qint32 entryType)
{
    return EntryTypeForMovement(isSavings, DirectionAdd) == entryType ? DirectionAdd : DirectionDeduct;
}

int GeneratedWarning(QStringView linkKey)
{
    if (linkKey.startsWith(u"AE")) return 736;
    if (linkKey.startsWith(u"BD")) return 737;
    return 0;
}

BalancePreview PreviewBalance(const CalendarDocument& doc, int month, int cell, const DateRec& date,
                              int account, int leftOut, QStringView moveAmount, int direction)
{
    BalancePreview p;
    const DateRec dayBefore = AddDays(date, -1);
    p.BeforeLabel = DatedLabel(718, dayBefore);
    p.AfterLabel = DatedLabel(719, date);
    const DebtSavingDef* def = AccountAt(doc, account);
    if (!def) return p;
    const qint32 before = BalanceAsOf(doc, account, dayBefore);
    p.Before = QString::number(before);
    if (DateIsAfter(def->StartDate, date)) {
        p.After = QStringLiteral("0");
        return p;
    }
    const double start = def->StartDate == date ? AmountOf(def->Description) : 0.0;
    const qint32 others = ValidMonth(month) && ValidCell(cell)
                              ? DeltaForDay(*def, doc.Month(month).Cell(cell).Entries, leftOut)
                              : 0;
    const double amount = std::fabs(ReadNumber(moveAmount));
    const double moved = direction == DirectionAdd ? amount : -amount;
    p.After = QString::number(Rounded32(double(before) + double(others) + start + moved));
    return p;
}
