#pragma once
// The rules of the event editor, apart from its widgets: what it shows for a new or an existing
// entry, how its boxes follow each other, the balance preview, and the entry it writes.

#include "document/CalendarDocument.h"
#include "entries/DefinitionList.h"

#include <QImage>
#include <QStringList>

// The type boxes, in their order on the page.
enum TypeChoice : int
{
    ChoiceIncome = 0,
    ChoiceExpense = 1,
    ChoiceEvent = 2
};
// "Ajouter à la balance" / "Déduire de la balance".
enum BalanceDirection : int
{
    DirectionAdd = 0,
    DirectionDeduct = 1
};

constexpr int kEventDescriptionLimit = 17;

// The event page, which the auto-event editor shares: type, description, amount, account link.
struct EventPageValues
{
    int Choice = ChoiceEvent;
    QString Description;
    QString Amount = QStringLiteral("0");
    bool Linked = false; // tied to a debt or savings account
    int Account = 0;     // line of the account list
    int Direction = DirectionAdd;
    QString MoveAmount = QStringLiteral("0"); // the balance movement box
    QString LinkKey;                          // of the edited entry
};

struct EventFormValues : EventPageValues
{
    bool SpecialColour = false;
    qint32 Colour = 0;
    bool SpecialPicture = false;
    QString PicturePath;
    QImage Picture;
    bool ShowPreview = true;
    bool AlarmOn = false;
    QString DaysBefore = QStringLiteral("1");
    int Sound = 0; // 0 none, 1..10
};

// The page for an entry's type and description (an auto-event's as well), and back.
EventPageValues EventPageFor(const CalendarDocument& doc, qint32 entryType, const QString& description);
struct ComposedEntry
{
    qint32 EntryType = EntryEvent;
    QString Description;
};
ComposedEntry ComposeEventPage(const CalendarDocument& doc, const EventPageValues& values);

// True when the page would write an income or expense without a name. The file trims leading
// blanks, so the amount of a nameless one would not read back; OK waits for a name. An
// occurrence keeps the text of its definition and is never held back.
bool NameMissing(const CalendarDocument& doc, const EventPageValues& values);

EventFormValues EventFormForAdd();
EventFormValues EventFormForEdit(const CalendarDocument& doc, const DayEntry& entry);

// The record OK builds from the values (unticked, without link key).
DayEntry EntryFromForm(const CalendarDocument& doc, const EventFormValues& values);

// An entry's alarm from its controls: off keeps 1 day and no sound; the days as typed, rounded.
void SetEntryAlarm(DayEntry& entry, bool on, const QString& daysBefore, int sound);

// Appends (add) or replaces the entry at editIndex (edit, keeping its link key) of the day and
// returns 1; returns 0 and writes nothing when the edited entry is unchanged, a name is missing,
// or the day or the index is not valid.
int SaveEventForm(int mode, int month, int cell, int editIndex, const EventFormValues& values);

// How long the description may be for a type choice: 10 for money, 17 for an event (or the
// length it already has, so that a longer text is never cut by merely opening it).
int DescriptionLimit(int choice, int currentLength);
// The description once a type is chosen: money keeps its first 10 characters.
QString DescriptionForChoice(int choice, const QString& description);

// The account list of the editor: each account's name part.
QStringList AccountLines(const CalendarDocument& doc);
// The first account whose name is exactly the description; -1 when none.
int AccountNamed(const CalendarDocument& doc, const QString& description);

// The type an account movement is written as, and back.
qint32 EntryTypeForMovement(bool isSavings, int direction);
int DirectionOfEntry(bool isSavings, qint32 entryType);

// 736 for an auto-event occurrence, 737 for a birthday, 0 for the user's own entry.
int GeneratedWarning(QStringView linkKey);

// The two balances shown while an entry is tied to an account.
struct BalancePreview
{
    QString BeforeLabel; // "Balance pour le 2004-03-09:"
    QString AfterLabel;  // "Nouvelle balance pour le 2004-03-10:"
    QString Before;      // empty when no account is chosen
    QString After;
};

// The account's balance the day before and after the day with this movement; the day's other
// entries count, except the one being edited (leftOut, -1 in add mode).
BalancePreview PreviewBalance(const CalendarDocument& doc, int month, int cell, const DateRec& date,
                              int account, int leftOut, QStringView moveAmount, int direction);
