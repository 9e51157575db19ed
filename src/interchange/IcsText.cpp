#include "interchange/IcsText.h"

#include "document/Cp1252.h"

#include <QList>
#include <QStringDecoder>

namespace {

// Whether the bytes are written as UTF-8: each lead byte followed by its continuation bytes.
bool IsUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const uchar c = *p++;
        if (c < 0x80) continue;
        const int more = c >= 0xF8 ? -1 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : -1;
        if (more < 0 || end - p < more) return false;
        for (int i = 0; i < more; ++i)
            if ((*p++ & 0xC0) != 0x80) return false;
    }
    return true;
}

bool Is(QByteArrayView name, const char* word)
{
    return name.compare(word, Qt::CaseInsensitive) == 0;
}

// What the import reads of an event. The rest (attendees, alarms, attachments, stamps) is left
// to the clients that use it: the parser has less to read, and less to stumble on.
bool IsReadInEvent(QByteArrayView name)
{
    for (const char* read : {"DTSTART", "DTEND", "DURATION", "RRULE", "RDATE", "EXDATE", "RECURRENCE-ID",
                             "UID", "SUMMARY", "DESCRIPTION", "LOCATION", "STATUS", "CATEGORIES"})
        if (Is(name, read)) return true;
    return false;
}

// The bytes without a byte-order mark, UTF-16 turned into UTF-8. NUL bytes carry no text and
// are dropped.
QByteArray WithoutMark(QByteArrayView bytes)
{
    const bool little = bytes.startsWith("\xFF\xFE"), big = bytes.startsWith("\xFE\xFF");
    if (little || big) {
        QStringDecoder utf16(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return QString(utf16(bytes.sliced(2))).toUtf8();
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    QByteArray text = bytes.toByteArray();
    text.removeIf([](char c) { return c == '\0'; });
    return text;
}

// Where the value starts: after the first colon that is not inside a quoted parameter.
qsizetype ValueColon(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return -1;
}

// Components that only a calendar holds: one of them opening inside another means that one
// was never closed.
bool IsTopLevel(QByteArrayView name)
{
    for (const char* top : {"VEVENT", "VTODO", "VJOURNAL", "VFREEBUSY", "VTIMEZONE", "VAVAILABILITY"})
        if (name == top) return true;
    return false;
}

class Cleaner
{
public:
    explicit Cleaner(bool whole) : m_whole(whole) {}

    IcsText Run(const QByteArray& text)
    {
        m_out.reserve(text.size() + 1024);
        // Lines that are not UTF-8 are read as Windows-1252: an older client's file, or a line
        // pasted from one. Checked once folded lines are joined: a fold may cut a character.
        m_checkLines = !IsUtf8(text);
        QByteArrayView whole; // the line being read, while it stands whole in the text
        QByteArray folded;    // the same, once a folded part was joined to it
        bool pending = false, isFolded = false;
        qsizetype from = 0;
        while (from < text.size()) {
            qsizetype end = from;
            while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
            const QByteArrayView line(text.constData() + from, end - from);
            from = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
            if (pending && !line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
                if (!isFolded) folded = whole.toByteArray();
                folded.append(line.sliced(1)); // a folded line goes on
                isFolded = true;
                continue;
            }
            if (pending) Line(isFolded ? QByteArrayView(folded) : whole);
            whole = line;
            pending = true;
            isFolded = false;
        }
        if (pending) Line(isFolded ? QByteArrayView(folded) : whole);
        CloseCalendar();
        return {m_anyCalendar, m_out, m_broken};
    }

private:
    struct Open
    {
        QByteArray Name;
        qsizetype Start; // where its BEGIN line is in the output
        bool Kept;       // false: a part of an event (an alarm), left out with its lines
    };

    void Line(QByteArrayView logical)
    {
        QByteArray decoded;
        if (m_checkLines && !IsUtf8(logical)) decoded = DecodeCp1252(logical).toUtf8();
        const QByteArrayView line = decoded.isNull() ? logical : QByteArrayView(decoded);
        const qsizetype colon = ValueColon(line);
        if (colon <= 0) return; // not a property: nothing to read in it
        qsizetype nameEnd = 0;
        while (nameEnd < colon && line[nameEnd] != ';') ++nameEnd;
        const QByteArrayView name = line.first(nameEnd).trimmed();
        const QByteArrayView value = line.sliced(colon + 1);
        if (Is(name, "BEGIN")) return Begin(value.trimmed().toByteArray().toUpper());
        if (Is(name, "END")) return End(value.trimmed().toByteArray().toUpper());
        if (m_open.isEmpty() || !m_open.last().Kept) return; // outside any calendar, or left out
        if (!m_whole && m_open.size() > 1 && m_open[1].Name == "VEVENT" && !IsReadInEvent(name)) return;
        if (Is(name, "RRULE")) {
            const QByteArray rule = MendedRule(value);
            if (rule.isEmpty()) return;
            m_out.append(line.first(colon + 1));
            m_out.append(rule);
        } else {
            m_out.append(line);
        }
        m_out.append('\n');
    }

    void Begin(const QByteArray& name)
    {
        if (name == "VCALENDAR") {
            CloseCalendar();
            m_anyCalendar = true;
        } else if (m_open.isEmpty()) {
            return;
        } else if (IsTopLevel(name)) {
            DropOpen();
        }
        const bool kept = m_whole || m_open.size() < 2 || m_open[1].Name != "VEVENT";
        m_open.append({name, m_out.size(), kept});
        if (kept) m_out += "BEGIN:" + name + '\n';
    }

    void End(const QByteArray& name)
    {
        qsizetype i = m_open.size() - 1;
        while (i >= 0 && m_open[i].Name != name) --i;
        if (i < 0) return; // closes nothing that is open
        if (i == 0) return CloseCalendar();
        // Parts left open inside the component (an alarm without its END) close with it.
        for (qsizetype j = m_open.size() - 1; j >= i; --j)
            if (m_open[j].Kept) m_out += "END:" + m_open[j].Name + '\n';
        m_open.resize(i);
    }

    // The component open in the calendar, never closed: left out whole.
    void DropOpen()
    {
        if (m_open.size() < 2) return;
        m_out.truncate(m_open[1].Start);
        if (m_open[1].Name == "VEVENT") ++m_broken;
        m_open.resize(1);
    }

    void CloseCalendar()
    {
        if (m_open.isEmpty()) return;
        DropOpen();
        m_out += "END:VCALENDAR\n";
        m_open.clear();
    }

    QList<Open> m_open;
    QByteArray m_out;
    int m_broken = 0;
    bool m_anyCalendar = false;
    bool m_checkLines = false;
    bool m_whole;
};

} // namespace

QByteArray MendedRule(QByteArrayView value)
{
    static const QList<QByteArray> kParts = {"FREQ",     "UNTIL",   "COUNT",    "INTERVAL",   "BYSECOND",
                                             "BYMINUTE", "BYHOUR",  "BYDAY",    "BYMONTHDAY", "BYYEARDAY",
                                             "BYWEEKNO", "BYMONTH", "BYSETPOS", "WKST"};
    QByteArray compact = value.toByteArray().toUpper();
    compact.removeIf([](char c) { return c == ' ' || c == '\t'; });
    QList<QByteArray> kept;
    bool frequency = false, count = false;
    for (const QByteArray& part : compact.split(';')) {
        const qsizetype equals = part.indexOf('=');
        if (equals <= 0) continue;
        const QByteArray key = part.left(equals);
        if (!kParts.contains(key)) continue; // the parser refuses a rule with a part it does not know
        QList<QByteArray> items = part.mid(equals + 1).split(',');
        items.removeAll(QByteArray());
        if (items.isEmpty()) continue;
        if (key == "UNTIL") items = {items.first().replace("-", "").replace(":", "")};
        if (key == "INTERVAL" && items.first().toInt() < 1) continue;
        frequency = frequency || key == "FREQ";
        count = count || key == "COUNT";
        kept.append(key + '=' + items.join(','));
    }
    if (!frequency) return {};
    // A rule may not have both ends; the count is the one the parser keeps.
    if (count) kept.removeIf([](const QByteArray& p) { return p.startsWith("UNTIL="); });
    return kept.join(';');
}

IcsText CleanIcsText(QByteArrayView bytes, bool wholeEvents)
{
    return Cleaner(wholeEvents).Run(WithoutMark(bytes));
}
