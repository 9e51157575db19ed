#include "interchange/IcsExport.h"

#include "document/Money.h"
#include "interchange/IcalHandles.h"
#include "interchange/IcsMarks.h"
#include "interchange/IcsTimes.h"
#include "interchange/YearEntries.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <cstdlib>

namespace {

const char kProductId[] = "-//Daybinder//Daybinder 2.1//FR";

icaltimetype DateValue(const DateRec& date)
{
    icaltimetype t = icaltime_null_date();
    t.year = date.Year;
    t.month = date.Month;
    t.day = date.Day;
    return t;
}

icaltimetype UtcValue(const QDateTime& stamp)
{
    icaltimetype t = icaltime_null_time();
    t.zone = icaltimezone_get_utc_timezone();
    return IcalTimeOf(stamp.toUTC(), t);
}

icalcomponent* AlarmOf(const DayEntry& entry, const QByteArray& summary)
{
    icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_null_duration();
    trigger.duration.is_neg = 1;
    trigger.duration.days = unsigned(std::abs(qint64(entry.AlarmDaysBefore)));
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    // A display alarm must say something; the entry's own text is what the alert shows.
    icalcomponent_add_property(alarm, icalproperty_new_description(summary.constData()));
    return alarm;
}

} // namespace

QString EntrySummary(const DayEntry& entry)
{
    if (entry.EntryType == EntryIncome || entry.EntryType == EntryExpense) {
        const QString name = NamePart(entry.Description);
        const QString amount = TrimBlanks(AmountPart(entry.Description));
        return (name.isEmpty() ? amount : name + u' ' + amount) + QStringLiteral(" $");
    }
    return entry.Description.trimmed();
}

QString DocumentUidPart(const CalendarDocument& doc)
{
    const QString name = doc.FilePath.isEmpty() ? QString() : QFileInfo(doc.FilePath).fileName();
    const QByteArray which = (doc.Year + u'|' + name).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(which, QCryptographicHash::Sha1).toHex().left(12));
}

QString EntryUid(const QString& documentPart, const DateRec& date, int index)
{
    return QStringLiteral("%1%2%3-%4-%5@daybinder")
        .arg(date.Year, 4, 10, QLatin1Char('0'))
        .arg(date.Month, 2, 10, QLatin1Char('0'))
        .arg(date.Day, 2, 10, QLatin1Char('0'))
        .arg(index + 1)
        .arg(documentPart);
}

IcalComponent EventOfEntry(const QString& documentPart, const DateRec& date, int index, const DayEntry& entry,
                           const QDateTime& stamp)
{
    return EventOfEntry(EntryUid(documentPart, date, index), date, entry, stamp);
}

IcalComponent EventOfEntry(const QString& uid, const DateRec& date, const DayEntry& entry,
                           const QDateTime& stamp)
{
    PrepareIcal();
    const QByteArray summary = EntrySummary(entry).toUtf8();
    IcalComponent event(icalcomponent_new(ICAL_VEVENT_COMPONENT));
    icalcomponent* e = event.get();
    icalcomponent_add_property(e, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(UtcValue(stamp)));
    icalcomponent_add_property(e, icalproperty_new_dtstart(DateValue(date)));
    icalcomponent_add_property(e, icalproperty_new_dtend(DateValue(AddDays(date, 1))));
    icalcomponent_add_property(e, icalproperty_new_summary(summary.constData()));
    icalcomponent_add_property(e, icalproperty_new_categories(EntryCategory(entry).toUtf8().constData()));
    icalcomponent_add_property(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (entry.Ticked) {
        // An event has no "done" state of its own; the tick travels as our own property.
        icalproperty* ticked = icalproperty_new_x("TRUE");
        icalproperty_set_x_name(ticked, kTickedProperty);
        icalcomponent_add_property(e, ticked);
    }
    if (entry.TextColour != -1) {
        // Calendars know colours by their CSS names; the exact one travels beside it.
        icalcomponent_add_property(e,
                                   icalproperty_new_color(ColourName(entry.TextColour).toUtf8().constData()));
        icalproperty* exact = icalproperty_new_x(ExactColour(entry.TextColour).toUtf8().constData());
        icalproperty_set_x_name(exact, kExactColourProperty);
        icalcomponent_add_property(e, exact);
    }
    if (entry.AlarmOn) icalcomponent_add_component(e, AlarmOf(entry, summary));
    return event;
}

QByteArray CalendarAround(const QByteArray& events)
{
    return QByteArrayLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:") + kProductId +
           QByteArrayLiteral("\r\nCALSCALE:GREGORIAN\r\n") + events + QByteArrayLiteral("END:VCALENDAR\r\n");
}

QByteArray ExportCalendar(const CalendarDocument& doc, const QDateTime& stamp)
{
    const QString documentPart = DocumentUidPart(doc);
    QByteArray events;
    events.reserve(1 << 16);
    ForEachYearEntry(doc, [&](const DateRec& date, int index, const DayEntry& entry) {
        // Each event is written and freed at once, so that a large year never builds the whole
        // tree in memory.
        if (!EntryCategory(entry).isEmpty())
            events += IcalText(EventOfEntry(documentPart, date, index, entry, stamp).get());
    });
    return CalendarAround(events);
}
