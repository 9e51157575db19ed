#include "document/SaveParts.h"

#include "resources/Strings.h"

namespace {

QString MonthLine(int text, int month)
{
    return Str(text) + QStringLiteral("  ... ") + Str(209 + month);
}

} // namespace

QList<SavePart> ModifiedParts(const CalendarDocument& doc)
{
    QList<SavePart> parts;
    auto add = [&](bool modified, SavePart::Kind what, QString text, int month = 0) {
        if (modified) parts.append({what, month, std::move(text)});
    };
    add(doc.HeaderModified, SavePart::Header, Str(1306));
    add(doc.DefaultBackground.Modified, SavePart::DefaultBackground, Str(1309));
    add(doc.DefaultColours.Modified, SavePart::DefaultColours, Str(1310));
    add(doc.AE.AEModified, SavePart::AutoEvents, Str(232));
    add(doc.BD.BDModified, SavePart::Birthdays, Str(283));
    add(doc.DE.DEModified, SavePart::DebtsSavings, Str(233));
    for (int m = 1; m <= 12; ++m)
        add(doc.Month(m).EntriesModified, SavePart::MonthEntries, MonthLine(231, m), m);
    for (int m = 1; m <= 12; ++m)
        add(doc.Month(m).Background.Modified, SavePart::MonthBackground, MonthLine(1307, m), m);
    for (int m = 1; m <= 12; ++m)
        add(doc.Month(m).Colours.Modified, SavePart::MonthColours, MonthLine(1308, m), m);
    return parts;
}

CalendarDocument WithPartsFrom(const CalendarDocument& saved, const CalendarDocument& current,
                               const QList<SavePart>& chosen)
{
    CalendarDocument doc = saved;
    for (const SavePart& part : chosen) {
        const bool month = ValidMonth(part.Month);
        switch (part.What) {
        case SavePart::Header:
            doc.Author = current.Author;
            doc.Year = current.Year;
            doc.MonthToOpen = current.MonthToOpen;
            doc.Password = current.Password;
            doc.EmbedPictures = current.EmbedPictures;
            break;
        case SavePart::DefaultBackground:
            doc.DefaultBackground = current.DefaultBackground;
            break;
        case SavePart::DefaultColours:
            doc.DefaultColours = current.DefaultColours;
            break;
        case SavePart::AutoEvents:
            doc.AE = current.AE;
            break;
        case SavePart::Birthdays:
            doc.BD = current.BD;
            break;
        case SavePart::DebtsSavings:
            doc.DE = current.DE;
            break;
        case SavePart::MonthEntries:
            if (month) doc.Month(part.Month).Cells = current.Month(part.Month).Cells;
            break;
        case SavePart::MonthBackground:
            if (month) doc.Month(part.Month).Background = current.Month(part.Month).Background;
            break;
        case SavePart::MonthColours:
            if (month) doc.Month(part.Month).Colours = current.Month(part.Month).Colours;
            break;
        }
    }
    return doc;
}
