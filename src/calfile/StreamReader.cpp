#include "calfile/DataStream.h"
#include "document/Cp1252.h"
#include "document/NumberText.h"
#include "document/Session.h"

#include <cstring>
#include <optional>
#include <string_view>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView TrimmedBytes(QByteArrayView v)
{
    qsizetype b = 0, e = v.size();
    while (b < e && v[b] == ' ') ++b;
    while (e > b && v[e - 1] == ' ') --e;
    return v.sliced(b, e - b);
}

// Plain decimal integers (nearly every number of a stream) skip the general number reader.
std::optional<qint64> PlainInteger(QByteArrayView v)
{
    qsizetype i = 0;
    const bool negative = !v.isEmpty() && v[0] == '-';
    if (negative) ++i;
    if (i == v.size() || v.size() - i > 12) return std::nullopt;
    qint64 n = 0;
    for (; i < v.size(); ++i) {
        if (v[i] < '0' || v[i] > '9') return std::nullopt;
        n = n * 10 + (v[i] - '0');
    }
    return negative ? -n : n;
}

double NumberOf(QByteArrayView v)
{
    if (const auto n = PlainInteger(v)) return double(*n);
    return ReadNumber(std::string_view(v.data(), size_t(v.size())));
}

// Takes the values line by line. The first failure sticks: later values read as empty and
// counts as 0, so the caller's loops end at once and the failure is reported at its line.
class StreamReader
{
public:
    explicit StreamReader(QByteArrayView stream) : m_p(stream.data()), m_end(stream.data() + stream.size()) {}

    bool Failed() const { return m_failed; }
    qsizetype Line() const { return m_line; }
    const FileError& Error() const { return m_error; }

    bool Next(QByteArrayView* value)
    {
        if (m_failed) return false;
        ++m_line;
        if (m_p >= m_end) return Fail(ErrPastEndOfFile);
        const auto* nl = static_cast<const char*>(std::memchr(m_p, '\n', size_t(m_end - m_p)));
        const char* lineEnd = nl ? nl : m_end;
        const char* s = m_p;
        m_p = nl ? nl + 1 : m_end;
        if (lineEnd > s && lineEnd[-1] == '\r') --lineEnd;

        while (s < lineEnd && IsBlank(*s)) ++s;
        if (s == lineEnd || *s != '"') return Fail(ErrTypeMismatch);
        ++s;
        const auto* q = static_cast<const char*>(std::memchr(s, '"', size_t(lineEnd - s)));
        if (!q) return Fail(ErrTypeMismatch);
        for (const char* r = q + 1; r < lineEnd; ++r)
            if (!IsBlank(*r)) return Fail(ErrTypeMismatch);
        *value = QByteArrayView(s, q - s);
        return true;
    }

    QString Text()
    {
        QByteArrayView v;
        return Next(&v) ? DecodeCp1252(TrimmedBytes(v)) : QString();
    }

    qint16 Integer() { return Whole(ToInteger); }
    qint32 Long() { return Whole(ToLong); }

    bool Boolean()
    {
        QByteArrayView v;
        return Next(&v) && NumberOf(v) != 0.0;
    }

    DateRec Date()
    {
        QByteArrayView v;
        return Next(&v) ? TextToDate(DecodeCp1252(v)) : DateRec();
    }

    void Skip()
    {
        QByteArrayView v;
        Next(&v);
    }

private:
    // A number rounded to an integer of the field's width; out of it is a read error.
    template <typename T> T Whole(std::optional<T> (*convert)(double))
    {
        QByteArrayView v;
        if (!Next(&v)) return 0;
        const std::optional<T> n = convert(NumberOf(v));
        if (!n) Fail(ErrOverflow);
        return n.value_or(0);
    }

    bool Fail(qint32 number)
    {
        m_failed = true;
        m_error = ProgramError(number);
        m_error.Description += QStringLiteral(" (ligne %1)").arg(m_line);
        return false;
    }

    const char* m_p;
    const char* m_end;
    qsizetype m_line = 0;
    bool m_failed = false;
    FileError m_error;
};

enum class Layout
{
    V20,
    V21
};

void ReadAutoEvents(StreamReader& r, Layout layout, AutoEventList& list)
{
    const qint16 count = r.Integer();
    list.AENextId = layout == Layout::V21 ? r.Long() : 0;
    for (int i = 0; i < count; ++i) {
        AutoEventDef a;
        a.EndDate = r.Date();
        a.StartDate = r.Date();
        a.Day = r.Integer();
        if (layout == Layout::V21) {
            a.Month = r.Integer();
            a.Key = r.Text();
        }
        a.Kind = r.Long();
        a.Description = r.Text();
        a.EntryType = r.Long();
        // "2.0" had no keys: number them in list order, as the program always has.
        if (layout == Layout::V20) a.Key = MakeKey(u"AE", ++list.AENextId);
        if (r.Failed()) break; // a record cut short is not kept
        list.AutoEvents.append(std::move(a));
    }
}

void ReadDebtsSavings(StreamReader& r, DebtSavingList& list)
{
    const qint16 count = r.Integer();
    for (int i = 0; i < count; ++i) {
        DebtSavingDef d;
        d.StartDate = r.Date();
        d.IsSavings = r.Boolean();
        d.Description = r.Text();
        if (r.Failed()) break;
        list.DebtsSavings.append(std::move(d));
    }
}

void ReadBirthdays(StreamReader& r, BirthdayList& list)
{
    const qint16 count = r.Integer();
    list.BDNextId = r.Long();
    for (int i = 0; i < count; ++i) {
        BirthdayDef b;
        b.BirthDate = r.Date();
        b.Key = r.Text();
        b.Name = r.Text();
        if (r.Failed()) break;
        list.Birthdays.append(std::move(b));
    }
}

void ReadCell(StreamReader& r, Layout layout, DayCell& cell)
{
    const qint16 count = r.Integer();
    for (int i = 0; i < count; ++i) {
        DayEntry e;
        e.AlarmDaysBefore = r.Long();
        e.AlarmOn = r.Boolean();
        e.AlarmSound = r.Integer();
        e.Ticked = r.Boolean();
        e.Description = r.Text();
        e.EntryType = r.Long();
        e.TextColour = r.Long();
        e.PicturePath = r.Text();
        if (layout == Layout::V21) e.LinkKey = r.Text();
        if (r.Failed()) break;
        cell.Entries.append(std::move(e));
    }
}

void ReadBackground(StreamReader& r, BackgroundSettings& b)
{
    b.Mode = r.Long();
    b.PicturePath = r.Text();
    b.UseDefault = r.Boolean();
}

void ReadColours(StreamReader& r, ColourSettings& c)
{
    for (int n = 1; n <= 9; ++n) c.Colour(n) = r.Long();
    r.Skip();
    c.ShowGrids = r.Boolean();
    c.UseDefault = r.Boolean();
}

// The version texts read with the "2.0" layout: the release and its pre-releases.
bool IsVersion20(QStringView version)
{
    return version == u"2.0" || version == u"2.0 (Alpha.b)" || version == u"2.0 (Beta 1)" ||
           version == u"2.0 (Beta 2)";
}

} // namespace

StreamReadResult ReadDataStream(QByteArrayView stream, CalendarDocument& target)
{
    StreamReader r(stream);
    StreamReadResult result;
    const QString version = r.Text();
    Layout layout = Layout::V21;
    if (r.Failed()) {
        result.Error = r.Error();
        result.Line = r.Line();
        return result;
    }
    if (IsVersion20(version)) {
        layout = Layout::V20;
    } else if (version != Session::FileVersion) {
        result.Status = StreamStatus::UnknownVersion;
        result.Line = 1;
        return result;
    }

    target.Author = r.Text();
    target.MonthToOpen = r.Text();
    target.Year = r.Text();
    target.EmbedPictures = r.Boolean();
    ReadAutoEvents(r, layout, target.AE);
    ReadDebtsSavings(r, target.DE);
    if (layout == Layout::V21) ReadBirthdays(r, target.BD);
    for (MonthData& m : target.Months)
        for (DayCell& c : m.Cells) ReadCell(r, layout, c);
    ReadBackground(r, target.DefaultBackground);
    for (MonthData& m : target.Months) ReadBackground(r, m.Background);
    ReadColours(r, target.DefaultColours);
    for (MonthData& m : target.Months) ReadColours(r, m.Colours);

    result.Line = r.Line();
    if (r.Failed()) {
        result.Error = r.Error();
        return result;
    }
    result.Status = StreamStatus::Loaded;
    return result;
}
