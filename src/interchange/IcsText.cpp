#include "interchange/IcsText.h"

#include "document/Cp1252.h"

#include <QList>
#include <QStringDecoder>

namespace {

bool IsUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    (void)QString(utf8(bytes));
    return !utf8.hasError();
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
        if (line[i] == '"') quoted = !quoted;
        else if (line[i] == ':' && !quoted) return i;
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
    IcsText Run(const QByteArray& text)
    {
        m_out.reserve(text.size() + 1024);
        // Lines that are not UTF-8 are read as Windows-1252: an older client's file, or a line
        // pasted from one. Checked once folded lines are joined: a fold may cut a character.
        m_checkLines = !IsUtf8(text);
        QByteArray logical;
        bool pending = false;
        qsizetype from = 0;
        while (from < text.size()) {
            qsizetype end = from;
            while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
            const QByteArrayView line(text.constData() + from, end - from);
            from = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
            if (pending && !line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
                logical += line.sliced(1); // a folded line goes on
                continue;
            }
            if (pending) Line(logical);
            logical = line.toByteArray();
            pending = true;
        }
        if (pending) Line(logical);
        CloseCalendar();
        return {m_anyCalendar, m_out, m_broken};
    }

private:
    struct Open
    {
        QByteArray Name;
        qsizetype Start; // where its BEGIN line is in the output
    };

    void Line(const QByteArray& logical)
    {
        const QByteArray line = m_checkLines && !IsUtf8(logical) ? DecodeCp1252(logical).toUtf8() : logical;
        const qsizetype colon = ValueColon(line);
        if (colon <= 0) return; // not a property: nothing to read in it
        qsizetype nameEnd = 0;
        while (nameEnd < colon && line[nameEnd] != ';') ++nameEnd;
        const QByteArray name = line.first(nameEnd).trimmed().toUpper();
        const QByteArrayView value = QByteArrayView(line).sliced(colon + 1);
        if (name == "BEGIN") return Begin(value.trimmed().toByteArray().toUpper());
        if (name == "END") return End(value.trimmed().toByteArray().toUpper());
        if (m_open.isEmpty()) return; // outside any calendar
        if (name == "RRULE" || name == "EXRULE") {
            const QByteArray rule = MendedRule(value);
            if (rule.isEmpty()) return;
            m_out += line.first(colon + 1);
            m_out += rule;
        } else {
            m_out += line;
        }
        m_out += '\n';
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
        m_open.append({name, m_out.size()});
        m_out += "BEGIN:" + name + '\n';
    }

    void End(const QByteArray& name)
    {
        qsizetype i = m_open.size() - 1;
        while (i >= 0 && m_open[i].Name != name) --i;
        if (i < 0) return; // closes nothing that is open
        if (i == 0) return CloseCalendar();
        // Parts left open inside the component (an alarm without its END) close with it.
        for (qsizetype j = m_open.size() - 1; j >= i; --j) m_out += "END:" + m_open[j].Name + '\n';
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
};

} // namespace

QByteArray MendedRule(QByteArrayView value)
{
    static const QList<QByteArray> kParts = {"FREQ",       "UNTIL",     "COUNT",     "INTERVAL", "BYSECOND",
                                             "BYMINUTE",   "BYHOUR",    "BYDAY",     "BYMONTHDAY",
                                             "BYYEARDAY",  "BYWEEKNO",  "BYMONTH",   "BYSETPOS", "WKST"};
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

IcsText CleanIcsText(QByteArrayView bytes)
{
    return Cleaner().Run(WithoutMark(bytes));
}
