#include "document/CalendarDocument.h"

#include "document/NumberText.h"

qint32& ColourSettings::Colour(int n)
{
    qint32* all[] = {&Colour1, &Colour2, &Colour3, &Colour4, &Colour5,
                     &Colour6, &Colour7, &Colour8, &Colour9};
    return *all[qBound(1, n, 9) - 1];
}

qint32 ColourSettings::Colour(int n) const
{
    return const_cast<ColourSettings*>(this)->Colour(n);
}

int CalendarDocument::YearNumber() const
{
    return int(RoundHalfEven(ReadNumber(Year), -32768, 32767));
}

const ColourSettings& CalendarDocument::EffectiveColours(int m) const
{
    const ColourSettings& own = Month(m).Colours;
    return own.UseDefault ? DefaultColours : own;
}

const BackgroundSettings& CalendarDocument::EffectiveBackground(int m) const
{
    const BackgroundSettings& own = Month(m).Background;
    return own.UseDefault ? DefaultBackground : own;
}

CalendarDocument BlankDocumentFrom(const CalendarDocument& replaced)
{
    CalendarDocument doc; // every field zero or empty, defaults zeroed
    for (int m = 1; m <= 12; ++m) {
        doc.Month(m).Background = replaced.DefaultBackground;
        doc.Month(m).Colours = replaced.DefaultColours;
    }
    return doc;
}

ColourSettings DefaultColourTable()
{
    ColourSettings c;
    c.Colour1 = ParseColourLiteral(u"&H00FFFFFF&");
    c.Colour2 = ParseColourLiteral(u"&H00C0C0C0&");
    c.Colour3 = ParseColourLiteral(u"&H0000FFFF&");
    c.Colour4 = ParseColourLiteral(u"&H00FF00FF&");
    c.Colour5 = ParseColourLiteral(u"&H00000000&");
    c.Colour6 = ParseColourLiteral(u"&H00000000&");
    c.Colour7 = ParseColourLiteral(u"&H00FFFFFF&");
    c.Colour8 = ParseColourLiteral(u"&H00FF0000&");
    c.Colour9 = ParseColourLiteral(u"&H000000FF&");
    c.ShowGrids = true;
    c.UseDefault = true;
    return c;
}

void SetDocumentDefaults(CalendarDocument& doc, int currentYear)
{
    doc.MonthToOpen = QStringLiteral("00");
    doc.Year = QString::number(currentYear);
    doc.EmbedPictures = true;
    doc.IsSaved = true;
    doc.DefaultBackground.UseDefault = true;
    doc.DefaultColours = DefaultColourTable();
    for (int m = 1; m <= 12; ++m) {
        doc.Month(m).Background = doc.DefaultBackground;
        doc.Month(m).Colours = doc.DefaultColours;
    }
}

void SetPartFlags(CalendarDocument& doc, qint32 part, bool value, int month)
{
    switch (part) {
    case PartAll:
        doc.HeaderModified = value;
        doc.AE.AEModified = value;
        doc.DE.DEModified = value;
        doc.DefaultBackground.Modified = value;
        doc.DefaultColours.Modified = value;
        doc.BD.BDModified = value;
        for (MonthData& m : doc.Months) {
            m.EntriesModified = value;
            m.Background.Modified = value;
            m.Colours.Modified = value;
        }
        break;
    case PartHeader:
        doc.HeaderModified = value;
        break;
    case PartAutoEvents:
        doc.AE.AEModified = value;
        break;
    case PartDebtsSavings:
        doc.DE.DEModified = value;
        break;
    case PartDefaultBackground:
        doc.DefaultBackground.Modified = value;
        break;
    case PartDefaultColours:
        doc.DefaultColours.Modified = value;
        break;
    case PartBirthdays:
        doc.BD.BDModified = value;
        break;
    case PartMonthEntries:
    case PartMonthBackground:
    case PartMonthColours:
        if (ValidMonth(month)) {
            MonthData& m = doc.Month(month);
            if (part == PartMonthEntries)
                m.EntriesModified = value;
            else if (part == PartMonthBackground)
                m.Background.Modified = value;
            else
                m.Colours.Modified = value;
        }
        break;
    default:
        break;
    }
}

bool AnyPartModified(const CalendarDocument& doc)
{
    if (doc.HeaderModified || doc.AE.AEModified || doc.DE.DEModified || doc.DefaultBackground.Modified ||
        doc.DefaultColours.Modified || doc.BD.BDModified)
        return true;
    for (const MonthData& m : doc.Months)
        if (m.EntriesModified || m.Background.Modified || m.Colours.Modified) return true;
    return false;
}

QString MakeKey(QStringView prefix, qint32 number)
{
    // Format "000000000000000#": at least 16 digits, a sign before negative numbers.
    const QString digits = QString::number(qAbs(qint64(number))).rightJustified(16, u'0');
    return prefix.toString() + (number < 0 ? QStringLiteral("-") : QString()) + digits;
}

bool AutoEventDiffers(const AutoEventDef& a, const AutoEventDef& b)
{
    return a.Description != b.Description || a.EndDate != b.EndDate || a.StartDate != b.StartDate ||
           a.Day != b.Day || a.Month != b.Month || a.Kind != b.Kind || a.EntryType != b.EntryType;
}

bool BirthdayDiffers(const BirthdayDef& a, const BirthdayDef& b)
{
    return a.Name != b.Name || a.BirthDate != b.BirthDate;
}

bool DebtSavingDiffers(const DebtSavingDef& a, const DebtSavingDef& b)
{
    return a.Description != b.Description || a.StartDate != b.StartDate || a.IsSavings != b.IsSavings;
}

bool BackgroundDiffers(const BackgroundSettings& a, const BackgroundSettings& b)
{
    // The picture is compared by identity, as a handle would be.
    return a.Picture.cacheKey() != b.Picture.cacheKey() || a.PicturePath != b.PicturePath ||
           a.UseDefault != b.UseDefault || a.Mode != b.Mode;
}

bool ColoursDiffers(const ColourSettings& a, const ColourSettings& b)
{
    for (int n = 1; n <= 9; ++n)
        if (a.Colour(n) != b.Colour(n)) return true;
    return a.ShowGrids != b.ShowGrids || a.UseDefault != b.UseDefault;
}

bool EntryDiffers(const DayEntry& a, const DayEntry& b)
{
    return a.Description != b.Description || a.AlarmDaysBefore != b.AlarmDaysBefore ||
           a.AlarmOn != b.AlarmOn || a.AlarmSound != b.AlarmSound || a.EntryType != b.EntryType ||
           a.TextColour != b.TextColour || a.PicturePath != b.PicturePath;
}

int CellOfDate(const DateRec& date)
{
    return date.Day + WeekdayOf(date, true) + 5;
}

int DayOfCell(int year, int month, int cell)
{
    if (!ValidMonth(month) || !ValidCell(cell)) return 0;
    const int day = cell - WeekdayOf(MakeDate(1, month, year), true) - 5;
    return day >= 1 && day <= DaysInMonth(year, month) ? day : 0;
}
