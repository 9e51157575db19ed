#pragma once
// The alarm tests' document: the year 2026 open for editing, a clock standing on 14 March 2026
// at 9:00 and a settings folder of their own.

#include "alarms/Alarms.h"
#include "entries/EntryFixtures.h"
#include "platform/Clock.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <QTemporaryDir>

inline char* toString(const AlarmPlace& p)
{
    return QTest::toString(u"month %1 cell %2 entry %3"_qs.arg(p.Month).arg(p.Cell).arg(p.Index));
}

struct AlarmDocument
{
    QTemporaryDir config;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(9, 0))};

    AlarmDocument()
    {
        qputenv("DAYBINDER_CONFIG_HOME", config.path().toUtf8());
        Clock::Install(&clock);
        OpenTestDocument(2026);
    }
    ~AlarmDocument()
    {
        Clock::Install(nullptr);
        Session::Get().Reset();
    }

    // An entry with its alarm on, added to a day; its place.
    static AlarmPlace AddAlarm(int day, int month, qint32 daysBefore, qint16 sound = 0,
                               DayEntry entry = Event(u"Dentiste"_qs))
    {
        entry.AlarmOn = true;
        entry.AlarmDaysBefore = daysBefore;
        entry.AlarmSound = sound;
        EntriesOn(day, month).append(entry);
        return {month, CellOf(day, month), int(EntriesOn(day, month).size()) - 1};
    }
};
