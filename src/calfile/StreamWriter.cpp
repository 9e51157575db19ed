#include "calfile/DataStream.h"
#include "document/Cp1252.h"
#include "document/Session.h"

#include <charconv>
#include <span>

namespace {

class StreamWriter
{
public:
    explicit StreamWriter(qsizetype expectedSize) { m_out.reserve(expectedSize); }

    void Text(const QString& text)
    {
        QByteArray bytes = EncodeCp1252(text);
        // A quote would end the value early and a line feed would split the line.
        for (char& c : bytes)
            if (c == '"' || c == '\n') c = ' ';
        Value(bytes);
    }

    void Number(qint64 value)
    {
        char buf[24];
        const auto r = std::to_chars(buf, buf + sizeof buf, value);
        Value(QByteArrayView(buf, r.ptr - buf));
    }

    void Boolean(bool value) { Value(value ? QByteArrayView("-1") : QByteArrayView("0")); }
    void Date(const DateRec& date) { Value(DateToText(date).toLatin1()); }
    void Placeholder() { Value({}); }

    QByteArray Take() { return std::move(m_out); }

private:
    void Value(QByteArrayView bytes)
    {
        m_out.append('"');
        m_out.append(bytes);
        m_out.append("\"\r\n", 3);
    }

    QByteArray m_out;
};

void WriteBackground(StreamWriter& w, const BackgroundSettings& b)
{
    w.Number(b.Mode);
    w.Text(b.PicturePath);
    w.Boolean(b.UseDefault);
}

void WriteColours(StreamWriter& w, const ColourSettings& c)
{
    for (int n = 1; n <= 9; ++n) w.Number(c.Colour(n));
    w.Placeholder();
    w.Boolean(c.ShowGrids);
    w.Boolean(c.UseDefault);
}

void WriteEntry(StreamWriter& w, const DayEntry& e)
{
    w.Number(e.AlarmDaysBefore);
    w.Boolean(e.AlarmOn);
    w.Number(e.AlarmSound);
    w.Boolean(e.Ticked);
    w.Text(e.Description);
    w.Number(e.EntryType);
    w.Number(e.TextColour);
    w.Text(e.PicturePath);
    w.Text(e.LinkKey);
}

// The first records of a list, as many as its 16-bit count can announce (the editors never
// let a list grow that far; this keeps the stream readable if one ever did).
template <typename T> std::span<const T> Counted(const QList<T>& list)
{
    return {list.constData(), size_t(qMin<qsizetype>(list.size(), kMaxListCount))};
}

qsizetype ExpectedSize(const CalendarDocument& doc)
{
    qsizetype entries = 0;
    for (const MonthData& m : doc.Months)
        for (const DayCell& c : m.Cells) entries += c.Entries.size();
    return 4096 + (doc.AE.AutoEvents.size() + doc.BD.Birthdays.size() + doc.DE.DebtsSavings.size()) * 80 +
           entries * 90;
}

} // namespace

QByteArray EntryRecord(const DayEntry& entry)
{
    StreamWriter w(128);
    WriteEntry(w, entry);
    return w.Take();
}

QByteArray WriteDataStream(const CalendarDocument& doc)
{
    StreamWriter w(ExpectedSize(doc));
    w.Text(Session::FileVersion);
    w.Text(doc.Author);
    w.Text(doc.MonthToOpen);
    w.Text(doc.Year);
    w.Boolean(doc.EmbedPictures);

    const auto autoEvents = Counted(doc.AE.AutoEvents);
    w.Number(qint64(autoEvents.size()));
    w.Number(doc.AE.AENextId);
    for (const AutoEventDef& a : autoEvents) {
        w.Date(a.EndDate);
        w.Date(a.StartDate);
        w.Number(a.Day);
        w.Number(a.Month);
        w.Text(a.Key);
        w.Number(a.Kind);
        w.Text(a.Description);
        w.Number(a.EntryType);
    }

    const auto debts = Counted(doc.DE.DebtsSavings);
    w.Number(qint64(debts.size()));
    for (const DebtSavingDef& d : debts) {
        w.Date(d.StartDate);
        w.Boolean(d.IsSavings);
        w.Text(d.Description);
    }

    const auto birthdays = Counted(doc.BD.Birthdays);
    w.Number(qint64(birthdays.size()));
    w.Number(doc.BD.BDNextId);
    for (const BirthdayDef& b : birthdays) {
        w.Date(b.BirthDate);
        w.Text(b.Key);
        w.Text(b.Name);
    }

    for (const MonthData& m : doc.Months) {
        for (const DayCell& c : m.Cells) {
            const auto entries = Counted(c.Entries);
            w.Number(qint64(entries.size()));
            for (const DayEntry& e : entries) WriteEntry(w, e);
        }
    }

    WriteBackground(w, doc.DefaultBackground);
    for (const MonthData& m : doc.Months) WriteBackground(w, m.Background);
    WriteColours(w, doc.DefaultColours);
    for (const MonthData& m : doc.Months) WriteColours(w, m.Colours);
    return w.Take();
}
