#include "interchange/IcsEntry.h"

#include "document/Money.h"
#include "document/TextInput.h"
#include "entries/EventForm.h"
#include "resources/Strings.h"

#include <QRegularExpression>

QString ImportedDescription(QStringView summary, bool* replaced)
{
    QString text;
    int kept = 0;
    bool lost = false;
    const QString line = summary.toString().simplified(); // one line: breaks and tabs become blanks
    for (qsizetype i = 0; i < line.size() && kept < kEventDescriptionLimit; ++i, ++kept) {
        const QChar c = line[i];
        if (IsTypeable(c)) {
            text += c;
            continue;
        }
        // A character beyond the first plane takes two units and gives one "?".
        if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) ++i;
        text += u'?';
        lost = true;
    }
    if (lost && replaced) *replaced = true;
    return text.trimmed();
}

namespace {

// Income or expense when one of the event's categories says so, else an event.
qint32 MoneyCategory(icalcomponent* event)
{
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY))
        for (const QString& c : QString::fromUtf8(icalproperty_get_categories(p)).split(u',')) {
            if (c.trimmed().compare(Str(10021), Qt::CaseInsensitive) == 0) return EntryIncome;
            if (c.trimmed().compare(Str(10022), Qt::CaseInsensitive) == 0) return EntryExpense;
        }
    return EntryEvent;
}

} // namespace

QString EventText(icalcomponent* event)
{
    for (const char* (*text)(icalcomponent*) :
         {&icalcomponent_get_summary, &icalcomponent_get_description, &icalcomponent_get_location}) {
        const QString value = QString::fromUtf8(text(event)).simplified();
        if (!value.isEmpty()) return value;
    }
    return {};
}

DayEntry EntryOfEvent(icalcomponent* event, bool* replaced)
{
    DayEntry entry;
    entry.EntryType = MoneyCategory(event);
    if (entry.EntryType != EntryEvent) {
        // "Loyer 650 $": a name, then the amount, as the export writes money.
        static const QRegularExpression money(QStringLiteral("^(.*?)\\s*(-?\\d+(?:[.,]\\d+)?)\\s*\\$?$"));
        const QRegularExpressionMatch m = money.match(EventText(event));
        if (m.hasMatch()) {
            QString amount = m.captured(2);
            entry.Description =
                MoneyDescription(ImportedDescription(m.captured(1), replaced), amount.replace(u',', u'.'));
            return entry;
        }
        entry.EntryType = EntryEvent;
    }
    entry.Description = ImportedDescription(EventText(event), replaced);
    return entry;
}
