#include "entries/AutoEvents.h"

#include "entries/EntryText.h"
#include "resources/Strings.h"

#include <algorithm>

namespace {

constexpr qint32 kKinds[kRecurrenceCount] = {KindMonthly, KindWeekly, KindTwoWeeks, KindDaily, KindYearly};
constexpr int kDaysPerWeek = 7;

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// "DI" .. "SA" for 1 = Sunday .. 7; "" beyond.
QString ShortWeekday(int weekday)
{
    return weekday >= 1 && weekday <= kDaysPerWeek ? Str(10004 + weekday) : QString();
}

// A stored value shown by a combo of that many lines: its first line when outside them.
int OnLine(int value, int lines)
{
    return value >= 1 && value <= lines ? value : 1;
}

} // namespace

const DefinitionList<AutoEventDef> AutoEventDefs{
    [](CalendarDocument& doc) -> QList<AutoEventDef>& { return doc.AE.AutoEvents; }, PartAutoEvents,
    [](const AutoEventDef& def) { return def.Description; }};

QString RecurrencePart(const AutoEventDef& def)
{
    QString part;
    switch (def.Kind) {
    case KindMonthly:
        part = QStringLiteral("1M le ") + TwoDigits(def.Day);
        break;
    case KindWeekly:
        part = QStringLiteral("1S le ") + ShortWeekday(def.Day);
        break;
    case KindTwoWeeks:
        part = QStringLiteral("2S le ") + ShortWeekday(def.Day);
        break;
    case KindDaily:
        part = QStringLiteral("1J");
        break;
    case KindYearly:
        part = QStringLiteral("1A le ") + TwoDigits(def.Day) + u'/' + TwoDigits(def.Month);
        break;
    default:
        return QString();
    }
    return u'(' + part + QStringLiteral(") - ");
}

QString AutoEventListText(const AutoEventDef& def)
{
    return TypedListText(def.EntryType, RecurrencePart(def), def.Description);
}

QStringList AutoEventListLines(const CalendarDocument& doc)
{
    return ListLines(doc.AE.AutoEvents, &AutoEventListText);
}

qint32 KindOfRecurrence(int choice)
{
    return choice >= 0 && choice < kRecurrenceCount ? kKinds[choice] : KindMonthly;
}

int RecurrenceOfKind(qint32 kind)
{
    const auto* found = std::find(std::begin(kKinds), std::end(kKinds), kind);
    return found == std::end(kKinds) ? RecurMonthly : int(found - std::begin(kKinds));
}

AutoEventFormValues AutoEventFormForAdd(const CalendarDocument& doc)
{
    AutoEventFormValues v;
    const int year = doc.YearNumber();
    v.Start = MakeDate(1, 1, year);
    v.End = MakeDate(31, 12, year);
    return v;
}

AutoEventFormValues AutoEventFormForEdit(const CalendarDocument& doc, const AutoEventDef& def)
{
    AutoEventFormValues v;
    v.Event = EventPageFor(doc, def.EntryType, def.Description);
    v.Recurrence = RecurrenceOfKind(def.Kind);
    switch (def.Kind) {
    case KindMonthly:
        v.MonthDay = OnLine(def.Day, 31);
        break;
    case KindWeekly:
        v.Weekday = OnLine(def.Day, kDaysPerWeek);
        break;
    case KindTwoWeeks:
        v.TwoWeekday = OnLine(def.Day, kDaysPerWeek);
        break;
    case KindYearly:
        v.YearDay = OnLine(def.Day, 31);
        v.YearMonth = OnLine(def.Month, 12);
        break;
    default:
        break;
    }
    v.Start = def.StartDate;
    v.End = def.EndDate;
    return v;
}

DateRec SnapOntoRecurrence(const AutoEventFormValues& v, const DateRec& date, bool isStart)
{
    switch (v.Recurrence) {
    case RecurMonthly:
        return ClampedDate(v.MonthDay, date.Month, date.Year);
    case RecurYearly:
        return ClampedDate(v.YearDay, v.YearMonth, date.Year);
    case RecurWeekly:
    case RecurTwoWeeks: {
        const int weekday = v.Recurrence == RecurWeekly ? v.Weekday : v.TwoWeekday;
        const int step = isStart ? 1 : -1;
        DateRec d = date;
        for (int i = 0; i < kDaysPerWeek && WeekdayOf(d, false) != weekday; ++i) d = AddDays(d, step);
        return d;
    }
    default:
        return date;
    }
}

AutoEventDef AutoEventFromForm(const CalendarDocument& doc, const AutoEventFormValues& v)
{
    AutoEventDef def;
    def.Kind = KindOfRecurrence(v.Recurrence);
    switch (def.Kind) {
    case KindMonthly:
        def.Day = qint16(v.MonthDay);
        break;
    case KindWeekly:
        def.Day = qint16(v.Weekday);
        break;
    case KindTwoWeeks:
        def.Day = qint16(v.TwoWeekday);
        break;
    case KindYearly:
        def.Day = qint16(v.YearDay);
        def.Month = qint16(v.YearMonth);
        break;
    default:
        break;
    }
    def.StartDate = v.Start;
    def.EndDate = v.End;
    const ComposedEntry composed = ComposeEventPage(doc, v.Event);
    def.Description = composed.Description;
    def.EntryType = composed.EntryType;
    return def;
}

int SaveAutoEventForm(int mode, int index, const AutoEventFormValues& values)
{
    CalendarDocument& doc = Session::Get().CurrentDocument;
    if (NameMissing(doc, values.Event)) return 0;
    AutoEventDef def = AutoEventFromForm(doc, values);
    QList<AutoEventDef>& defs = AutoEventDefs.Current();
    const bool editing = mode == EditorEdit;
    if (editing && (index < 0 || index >= defs.size())) return 0;
    if (editing && !AutoEventDiffers(def, defs[index])) return 0;
    if (!editing && defs.size() >= kMaxListCount) return 0;

    def.Key = NewDefinitionKey(u"AE", doc.AE.AENextId, defs);
    return (editing ? AutoEventDefs.Replace(index, def) : AutoEventDefs.Add(def)) ? 1 : 0;
}
