#pragma once
// The alarm check: which entries of the open document warn today, visited in month, cell and
// list order, and what the alert window shows and writes back for one entry. The window itself
// is reached through a hook, so every rule stays here.

#include "document/CalendarDocument.h"
#include "entries/DayEntries.h"

#include <QList>
#include <QString>
#include <functional>

struct AlarmPlace
{
    int Month = 0;
    int Cell = 0;
    int Index = 0;
    friend bool operator==(const AlarmPlace&, const AlarmPlace&) = default;
};

// An entry dated `date` warns from its date less its days before onwards, for as long as its
// alarm stays on (a date already past still warns).
bool AlarmDue(const DayEntry& entry, const DateRec& date, const DateRec& today);

// Every due alarm of a document, in month, cell and list order.
QList<AlarmPlace> DueAlarms(const CalendarDocument& doc, const DateRec& today);

// Alerts every due entry of the open document through alert(), one after another, letting the
// interface repaint between days. Nothing happens unless a document is being edited, no list
// is being refilled and the alarms are not switched off ("IntervalChk" -1); a check that starts
// while another one waits on an alert does nothing either.
void CheckAlarms(const std::function<void(const AlarmPlace&)>& alert);

// What the alert window shows for an entry.
struct AlertForm
{
    QString Type;        // "Revenu", "Dépense", "Événement"
    QString Description; // an event's text, or a money entry's name part
    QString Amount;      // a money entry's amount part; "0" for an event
    bool ShowsAmount = false;
    DateRec Date;
    bool OffByDefault = true; // "&Annuler l'alarme (OFF) par défaut"
    bool AlarmOff = true;     // "Pas d'a&larme (OFF)"
    QString DaysBefore = QStringLiteral("1");
    int Sound = 0; // line of the sound list: 0 none, 1..10
};

// The form of the entry at a place of the open document; offDefault is the "OffDefault" setting.
AlertForm AlertFormFor(const DayEntry& entry, const DateRec& date, bool offDefault);

// OK in the alert window: "OffDefault" takes the state of its box, then the entry takes the
// alarm settings of the form. True when the entry changed (it is replaced, its month marked
// modified and the lists refreshed); false when nothing changed or the place is gone.
bool ConfirmAlert(const AlarmPlace& place, const AlertForm& form);

// One alert: the entry's sound (a failure is ignored), then the window, which returns 1 when
// the user confirmed a change. Returns the alert result: 0 when the place holds no entry.
int AlertEntry(const AlarmPlace& place, const std::function<int(const AlarmPlace&)>& showWindow);
