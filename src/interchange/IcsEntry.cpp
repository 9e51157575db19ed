#include "interchange/IcsEntry.h"

#include "document/TextInput.h"
#include "entries/EventForm.h"

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
    entry.EntryType = EntryEvent;
    entry.Description = ImportedDescription(EventText(event), replaced);
    return entry;
}
