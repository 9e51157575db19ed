#include "interchange/IcsMarks.h"

#include "document/ColourValue.h"

#include <QColor>
#include <QList>
#include <utility>

namespace {

const char* XValue(icalcomponent* event, const char* name)
{
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY))
        if (qstricmp(icalproperty_get_x_name(p), name) == 0) return icalproperty_get_x(p);
    return nullptr;
}

qint32 ColourOfEvent(icalcomponent* event)
{
    icalproperty* named = icalcomponent_get_first_property(event, ICAL_COLOR_PROPERTY);
    if (!named) return -1;
    const QString name = QString::fromUtf8(icalproperty_get_color(named)).trimmed();
    const QColor exact(QString::fromUtf8(XValue(event, kExactColourProperty)));
    if (exact.isValid() && name.compare(ColourName(FromQColor(exact)), Qt::CaseInsensitive) == 0)
        return FromQColor(exact);
    const QColor c(name);
    return c.isValid() ? FromQColor(c) : -1;
}

// Whole days before the start of the first display alarm set before it; -1 when none is.
int AlarmDaysOf(icalcomponent* event)
{
    for (icalcomponent* a = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
        icalproperty* p = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
        if (!p) continue;
        const icaltriggertype t = icalproperty_get_trigger(p);
        if (!icaltime_is_null_time(t.time)) continue; // a moment of its own: no days before
        const int seconds = icaldurationtype_as_int(t.duration);
        if (seconds > 0) continue;
        return -seconds / 86400;
    }
    return -1;
}

} // namespace

QString ColourName(qint32 colour)
{
    static const QList<std::pair<QString, QColor>> named = [] {
        QList<std::pair<QString, QColor>> all;
        for (const QString& name : QColor::colorNames()) all.append({name, QColor(name)});
        return all;
    }();
    const QColor c = ToQColor(colour);
    QString best;
    qint64 bestDistance = -1;
    for (const auto& [name, n] : named) {
        const qint64 dr = n.red() - c.red(), dg = n.green() - c.green(), db = n.blue() - c.blue();
        const qint64 d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = name;
        }
    }
    return best;
}

QString ExactColour(qint32 colour)
{
    return ToQColor(colour).name();
}

void ReadEntryMarks(icalcomponent* event, DayEntry& entry)
{
    const char* ticked = XValue(event, kTickedProperty);
    entry.Ticked = ticked && qstricmp(ticked, "TRUE") == 0;
    entry.TextColour = ColourOfEvent(event);
    const int days = AlarmDaysOf(event);
    entry.AlarmOn = days >= 0;
    if (entry.AlarmOn) entry.AlarmDaysBefore = days;
}
