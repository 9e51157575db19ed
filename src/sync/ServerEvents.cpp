#include "sync/ServerEvents.h"

#include "interchange/IcsEvents.h"

#include <QRegularExpression>
#include <algorithm>

ServerEvent ReadServerEvent(const DavResource& resource, int year, const QTimeZone& local)
{
    ServerEvent out;
    out.Href = resource.Href;
    out.ETag = resource.ETag;
    const IcsReading reading = ReadIcsEvents(resource.Data, year, local, true);
    out.Readable = reading.Status == IcsReadStatus::Read && !reading.Events.isEmpty();
    if (!out.Readable) return out;

    static const QRegularExpression repeats(QStringLiteral("^(RRULE|RDATE|RECURRENCE-ID)[:;]"),
                                            QRegularExpression::MultilineOption);
    QString uid;
    for (const IcsEvent& e : reading.Events) {
        if (uid.isEmpty()) uid = QString::fromUtf8(e.Uid);
        if (e.Fate != EventFate::Placed) continue;
        for (const EventDay& d : e.Days) out.Days.append({QString(), d.Date, e.Entry});
    }
    std::stable_sort(out.Days.begin(), out.Days.end(), [](const ServerDay& a, const ServerDay& b) {
        return DaysFromCivil(a.Date.Year, a.Date.Month, a.Date.Day) <
               DaysFromCivil(b.Date.Year, b.Date.Month, b.Date.Day);
    });
    out.Series = out.Days.size() > 1 || repeats.match(QString::fromUtf8(resource.Data)).hasMatch();
    if (uid.isEmpty()) uid = resource.Href; // an event without one is still one resource
    QList<ServerDay> days;
    for (ServerDay& d : out.Days) {
        d.Uid = out.Series
                    ? uid + u'/' + QString::number(d.Date.Year * 10000 + d.Date.Month * 100 + d.Date.Day)
                    : uid;
        // An edited occurrence moved onto a day the series has already: that day once.
        if (days.isEmpty() || days.last().Uid != d.Uid) days.append(d);
    }
    out.Days = days;
    return out;
}
