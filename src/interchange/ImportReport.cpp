#include "interchange/ImportReport.h"

#include "resources/Strings.h"

#include <QStringList>

QString ImportReport(const IcsImportResult& r, int year)
{
    QStringList lines;
    lines.append(r.Added > 0 ? Str(27001).arg(r.Events).arg(r.ChangedDays.size()) : Str(27002));
    const SkippedEvents& s = r.Skipped;
    if (s.Total() > 0) {
        QStringList reasons;
        if (s.OutsideYear) reasons.append(Str(27005).arg(s.OutsideYear).arg(year));
        if (s.NoStart) reasons.append(Str(27004).arg(s.NoStart));
        if (s.NoText) reasons.append(Str(27006).arg(s.NoText));
        if (s.Unreadable) reasons.append(Str(27007).arg(s.Unreadable));
        lines.append(Str(27003).arg(s.Total()).arg(reasons.join(QStringLiteral(", "))));
    }
    if (r.Refused > 0) lines.append(Str(27008).arg(r.Refused));
    if (r.CharactersReplaced) lines.append(Str(27009));
    return lines.join(u'\r');
}
