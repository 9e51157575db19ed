#include "interchange/IcsExport.h"

#include "document/Money.h"
#include "interchange/IcalHandles.h"
#include "interchange/IcsTimes.h"
#include "interchange/YearEntries.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <cstdlib>

namespace {

const char kProductId[] = "-//Daybinder//Daybinder 2.1//FR";
const char kTickedProperty[] = "X-DAYBINDER-TICKED";

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
    PrepareIcal();
    const QByteArray summary = EntrySummary(entry).toUtf8();
    IcalComponent event(icalcomponent_new(ICAL_VEVENT_COMPONENT));
    icalcomponent* e = event.get();
    icalcomponent_add_property(
        e, icalproperty_new_uid(EntryUid(documentPart, date, index).toUtf8().constData()));
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
    if (entry.AlarmOn) icalcomponent_add_component(e, AlarmOf(entry, summary));
    return event;
}

QByteArray ExportCalendar(const CalendarDocument& doc, const QDateTime& stamp)
{
    const QString documentPart = DocumentUidPart(doc);
    QByteArray out;
    out.reserve(1 << 16);
    out += "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:";
    out += kProductId;
    out += "\r\nCALSCALE:GREGORIAN\r\n";
    ForEachYearEntry(doc, [&](const DateRec& date, int index, const DayEntry& entry) {
        // Each event is written and freed at once, so that a large year never builds the whole
        // tree in memory.
        if (EntryCategory(entry).isEmpty()) return;
        QByteArray event = IcalText(EventOfEntry(documentPart, date, index, entry, stamp).get());
        // libical writes a duration of nothing as "PT0S"; an alarm on the day itself counts its
        // days as every other does.
        if (entry.AlarmOn && entry.AlarmDaysBefore == 0)
            event.replace("\r\nTRIGGER:PT0S\r\n", "\r\nTRIGGER:-P0D\r\n");
        out += event;
    });
    out += "END:VCALENDAR\r\n";
    return out;
}
