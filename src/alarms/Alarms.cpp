#include "alarms/Alarms.h"

#include "document/Money.h"
#include "document/Session.h"
#include "entries/DayEntries.h"
#include "entries/EventForm.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "resources/Strings.h"
#include "settings/AlarmSounds.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QElapsedTimer>

namespace {

constexpr qint64 kRepaintMs = 10;

DateRec Today()
{
    return FromQDate(Clock::Current().Today());
}

qint64 Serial(const DateRec& d)
{
    return DaysFromCivil(d.Year, d.Month, d.Day);
}

// Walks the days of a document in grid order; visit(month, cell, date) for each cell that holds
// a day.
template <typename Visit> void ForEachDay(const CalendarDocument& doc, Visit&& visit)
{
    const int year = doc.YearNumber();
    for (int month = 1; month <= 12; ++month) {
        for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
            const int day = DayOfCell(year, month, cell);
            if (day > 0) visit(month, cell, MakeDate(day, month, year));
        }
    }
}

int TypeText(qint32 type)
{
    if (type == EntryIncome) return 10021;
    if (type == EntryExpense) return 10022;
    return 10023;
}

} // namespace

bool AlarmDue(const DayEntry& entry, const DateRec& date, const DateRec& today)
{
    // Serial days rather than a computed date: a huge number of days before still means "long
    // ago" instead of wrapping the year around.
    return entry.AlarmOn && Serial(today) >= Serial(date) - entry.AlarmDaysBefore;
}

QList<AlarmPlace> DueAlarms(const CalendarDocument& doc, const DateRec& today)
{
    QList<AlarmPlace> due;
    ForEachDay(doc, [&](int month, int cell, const DateRec& date) {
        const QList<DayEntry>& entries = doc.Month(month).Cell(cell).Entries;
        for (int i = 0; i < entries.size(); ++i)
            if (AlarmDue(entries[i], date, today)) due.append({month, cell, i});
    });
    return due;
}

void CheckAlarms(const std::function<void(const AlarmPlace&)>& alert)
{
    static bool checking = false;
    const Session& s = Session::Get();
    if (checking || s.Mode() != MainMode::Edit || s.RefreshInProgress || AlarmInterval() == -1) return;
    checking = true;
    const DateRec today = Today();
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    ForEachDay(s.CurrentDocument, [&](int month, int cell, const DateRec& date) {
        bool alerted = false;
        // The list is looked up again after every alert: the alert may have replaced the entry.
        for (int i = 0; i < s.CurrentDocument.Month(month).Cell(cell).Entries.size(); ++i) {
            if (s.Mode() != MainMode::Edit) break; // the program is ending
            if (AlarmDue(s.CurrentDocument.Month(month).Cell(cell).Entries[i], date, today)) {
                alert({month, cell, i});
                alerted = true;
            }
        }
        // Between days the interface gets its turn, though not more often than it can notice.
        if (alerted || sinceRepaint.elapsed() >= kRepaintMs) {
            LetInterfaceRepaint();
            sinceRepaint.start();
        }
    });
    checking = false;
}

AlertForm AlertFormFor(const DayEntry& entry, const DateRec& date, bool offDefault)
{
    AlertForm f;
    f.Type = Str(TypeText(entry.EntryType));
    f.ShowsAmount = entry.EntryType == EntryIncome || entry.EntryType == EntryExpense;
    if (f.ShowsAmount) {
        f.Description = NamePart(entry.Description);
        f.Amount = TrimBlanks(AmountPart(entry.Description));
    } else {
        f.Description = TrimBlanks(entry.Description);
        f.Amount = QStringLiteral("0");
    }
    f.Date = date;
    f.OffByDefault = offDefault;
    f.AlarmOff = offDefault || !entry.AlarmOn;
    if (!f.AlarmOff) {
        f.DaysBefore = QString::number(entry.AlarmDaysBefore);
        f.Sound = std::clamp<int>(entry.AlarmSound, 0, kSoundCount);
    }
    return f;
}

bool ConfirmAlert(const AlarmPlace& place, const AlertForm& form)
{
    Keys::OffDefault().Write(form.OffByDefault ? 1 : 0);
    const DayCell* day = DayOf(place.Month, place.Cell);
    if (!day || place.Index < 0 || place.Index >= day->Entries.size()) return false;
    DayEntry entry = day->Entries[place.Index];
    SetEntryAlarm(entry, !form.AlarmOff, form.DaysBefore, form.Sound);
    if (!EntryDiffers(entry, day->Entries[place.Index])) return false;
    return ReplaceEntry(place.Month, place.Cell, place.Index, entry);
}

int AlertEntry(const AlarmPlace& place, const std::function<int(const AlarmPlace&)>& showWindow)
{
    const DayCell* day = DayOf(place.Month, place.Cell);
    if (!day || place.Index < 0 || place.Index >= day->Entries.size()) return 0;
    if (const qint16 sound = day->Entries[place.Index].AlarmSound; sound != 0) TestSound(sound);
    return showWindow ? showWindow(place) : 0;
}
