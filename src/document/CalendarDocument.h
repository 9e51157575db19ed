#pragma once
// The whole content of one ".cal" file: one calendar year. Plain records, fields in the order
// the program has always declared them; Integer fields are 16-bit, Long fields 32-bit.

#include "document/Dates.h"
#include "document/SyncState.h"

#include <QImage>
#include <QList>
#include <QString>
#include <array>

// Lists carry a 16-bit count in the file.
constexpr int kMaxListCount = 32767;
constexpr int kFirstCell = 7;
constexpr int kLastCell = 48;
constexpr int kCellCount = 42;

enum EntryType : qint32
{
    EntryEvent = 1,
    EntryIncome = 2,
    EntryExpense = 3
};

enum AutoEventKind : qint32
{
    KindMonthly = 4,
    KindWeekly = 5,
    KindTwoWeeks = 6,
    KindYearly = 7,
    KindDaily = 8,
};

struct DayEntry
{
    bool AlarmOn = false;
    qint32 AlarmDaysBefore = 0;
    qint16 AlarmSound = 0;
    bool Ticked = false;
    QString Description;
    qint32 EntryType = 0;
    qint32 TextColour = -1;
    QString PicturePath;
    QImage Picture; // not in the data stream
    QString LinkKey;
    QString Uid; // not in the data stream: the entry's identity on a calendar server
};

struct DayCell
{
    QList<DayEntry> Entries; // list order is display order
    qint16 EntryCount() const { return qint16(Entries.size()); }
};

struct AutoEventDef
{
    qint32 Kind = 0;
    qint16 Day = 0;
    qint16 Month = 0;
    DateRec StartDate;
    DateRec EndDate;
    QString Key;
    QString Description;
    qint32 EntryType = 0;
};

struct BirthdayDef
{
    DateRec BirthDate;
    QString Key;
    QString Name;
};

struct DebtSavingDef
{
    bool IsSavings = false;
    DateRec StartDate;
    QString Description;
};

struct BackgroundSettings
{
    qint32 Mode = 0; // 0 none, 1 stretch, 2 tile
    QString PicturePath;
    QImage Picture; // not in the data stream
    bool Modified = false;
    bool UseDefault = false;
};

struct ColourSettings
{
    qint32 Colour1 = 0; // cell background
    qint32 Colour2 = 0; // day-number text
    qint32 Colour3 = 0; // current-day number text
    qint32 Colour4 = 0; // selected-cell background
    qint32 Colour5 = 0; // event text
    qint32 Colour6 = 0; // weekday heading background
    qint32 Colour7 = 0; // weekday heading text
    qint32 Colour8 = 0; // income text
    qint32 Colour9 = 0; // expense text
    bool Modified = false;
    bool ShowGrids = false;
    bool UseDefault = false;

    // Colour1..Colour9 by number.
    qint32& Colour(int n);
    qint32 Colour(int n) const;
};

struct MonthData
{
    BackgroundSettings Background;
    ColourSettings Colours;
    std::array<DayCell, kCellCount> Cells; // position = cell index - 7
    bool EntriesModified = false;

    DayCell& Cell(int cellIndex) { return Cells[size_t(cellIndex - kFirstCell)]; }
    const DayCell& Cell(int cellIndex) const { return Cells[size_t(cellIndex - kFirstCell)]; }
};

// The lists travel with their counters and part flags: the save-parts dialog copies them whole.
struct AutoEventList
{
    QList<AutoEventDef> AutoEvents;
    qint32 AENextId = 0;
    bool AEModified = false;
    qint16 AECount() const { return qint16(AutoEvents.size()); }
};

struct BirthdayList
{
    QList<BirthdayDef> Birthdays;
    qint32 BDNextId = 0;
    bool BDModified = false;
    qint16 BDCount() const { return qint16(Birthdays.size()); }
};

struct DebtSavingList
{
    QList<DebtSavingDef> DebtsSavings;
    bool DEModified = false;
    qint16 DECount() const { return qint16(DebtsSavings.size()); }
};

struct CalendarDocument
{
    QString Author;
    QString FilePath;
    bool IsSaved = false;
    QString MonthToOpen;
    QString Year;
    QString Password;
    bool EmbedPictures = false;
    AutoEventList AE;
    BirthdayList BD;
    DebtSavingList DE;
    std::array<MonthData, 12> Months; // use Month(1..12)
    BackgroundSettings DefaultBackground;
    ColourSettings DefaultColours;
    bool HeaderModified = false;
    SyncState Sync; // kept in a member of its own beside the data stream

    MonthData& Month(int m) { return Months[size_t(m - 1)]; }
    const MonthData& Month(int m) const { return Months[size_t(m - 1)]; }

    // The numeric value of Year, which every date computation uses.
    int YearNumber() const;

    // The settings a month shows: the defaults when it uses them, else its own.
    const ColourSettings& EffectiveColours(int m) const;
    const BackgroundSettings& EffectiveBackground(int m) const;
};

// Part numbers of SetModified.
enum DocumentPart : qint32
{
    PartAll = 0,
    PartHeader = 1,
    PartAutoEvents = 2,
    PartDebtsSavings = 3,
    PartMonthEntries = 4,
    PartMonthBackground = 5,
    PartMonthColours = 6,
    PartDefaultBackground = 7,
    PartDefaultColours = 8,
    PartBirthdays = 9,
};

// A new, empty document whose months take the display defaults of the document it replaces.
CalendarDocument BlankDocumentFrom(const CalendarDocument& replaced);

// The defaults of a new document (command New); currentYear is today's year.
void SetDocumentDefaults(CalendarDocument& doc, int currentYear);

// The default colour table of a new document.
ColourSettings DefaultColourTable();

// Sets part flags; returns nothing, IsSaved is recomputed by RecomputeIsSaved.
void SetPartFlags(CalendarDocument& doc, qint32 part, bool value, int month);
bool AnyPartModified(const CalendarDocument& doc);

// "AE" or "BD" followed by the number as 16 digits.
QString MakeKey(QStringView prefix, qint32 number);

// True when the two records differ on the fields the editors compare.
bool AutoEventDiffers(const AutoEventDef& a, const AutoEventDef& b);
bool BirthdayDiffers(const BirthdayDef& a, const BirthdayDef& b);
bool DebtSavingDiffers(const DebtSavingDef& a, const DebtSavingDef& b);
bool BackgroundDiffers(const BackgroundSettings& a, const BackgroundSettings& b);
bool ColoursDiffers(const ColourSettings& a, const ColourSettings& b);
bool EntryDiffers(const DayEntry& a, const DayEntry& b);

inline bool ValidMonth(int m)
{
    return m >= 1 && m <= 12;
}
inline bool ValidCell(int c)
{
    return c >= kFirstCell && c <= kLastCell;
}

// The grid cell of a date in its month: day + weekday of the 1st (1 = Sunday) + 5.
int CellOfDate(const DateRec& date);
// The day number a grid cell holds in a month of a year; 0 when the cell lies outside the month.
int DayOfCell(int year, int month, int cell);
