#include "document/NumberText.h"

#include <QString>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

char32_t Code(QChar c)
{
    return c.unicode();
}
char32_t Code(char c)
{
    return static_cast<unsigned char>(c);
}

// Scans one number from a sequence of characters; Char is char or QChar.
template <typename Seq> double Scan(const Seq& s, qsizetype n)
{
    auto at = [&](qsizetype i) -> char32_t { return i < n ? Code(s[i]) : 0; };
    qsizetype i = 0;
    while (at(i) == ' ' || at(i) == '\t') ++i;

    bool negative = false;
    if (at(i) == '+' || at(i) == '-') {
        negative = at(i) == '-';
        ++i;
    }
    char buf[128];
    qsizetype len = 0;
    auto put = [&](char c) {
        if (len < qsizetype(sizeof buf) - 1) buf[len++] = c;
    };
    bool digits = false;
    int skippedIntDigits = 0; // integer digits beyond the buffer still scale the value
    while (IsDigit(at(i))) {
        if (len == 0 && at(i) == '0') {
            // leading zeros carry no value
        } else if (len < 100) {
            put(char(at(i)));
        } else {
            ++skippedIntDigits;
        }
        digits = true;
        ++i;
    }
    if (at(i) == '.') {
        if (skippedIntDigits == 0) put('.');
        ++i;
        while (IsDigit(at(i))) {
            if (skippedIntDigits == 0 && len < 110) put(char(at(i)));
            digits = true;
            ++i;
        }
    }
    if (!digits) return 0.0;
    const char32_t e = at(i);
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        qsizetype j = i + 1;
        bool expNegative = false;
        if (at(j) == '+' || at(j) == '-') {
            expNegative = at(j) == '-';
            ++j;
        }
        if (IsDigit(at(j))) {
            long exp = 0;
            while (IsDigit(at(j))) {
                if (exp < 100000) exp = exp * 10 + long(at(j) - '0');
                ++j;
            }
            exp += skippedIntDigits * (expNegative ? -1 : 1);
            put('e');
            if (expNegative) put('-');
            char tmp[16];
            auto r = std::to_chars(tmp, tmp + sizeof tmp, exp);
            for (char* p = tmp; p < r.ptr; ++p) put(*p);
            skippedIntDigits = 0;
        }
    }
    if (skippedIntDigits > 0) {
        put('e');
        char tmp[16];
        auto r = std::to_chars(tmp, tmp + sizeof tmp, skippedIntDigits);
        for (char* p = tmp; p < r.ptr; ++p) put(*p);
    }
    double value = 0.0;
    if (len == 0 || (len == 1 && buf[0] == '.')) return 0.0;
    const auto res = std::from_chars(buf, buf + len, value);
    if (res.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: decide between overflow and underflow ourselves.
        const char* epos = std::char_traits<char>::find(buf, std::size_t(len), 'e');
        const bool tiny = epos && epos[1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

} // namespace

double ReadNumber(QStringView text)
{
    return Scan(text, text.size());
}

double ReadNumber(std::string_view latin1)
{
    return Scan(latin1, qsizetype(latin1.size()));
}

qint64 RoundHalfEven(double value, qint64 lo, qint64 hi)
{
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);
    if (r <= double(lo)) return lo;
    if (r >= double(hi)) return hi;
    return qint64(r);
}

std::optional<qint16> ToInteger(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
    return qint16(r);
}

std::optional<qint32> ToLong(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
    return qint32(r);
}

qint32 ParseColourLiteral(QStringView literal)
{
    QStringView s = literal;
    if (s.startsWith(u"&H", Qt::CaseInsensitive)) s = s.mid(2);
    if (s.endsWith(u'&')) s.chop(1);
    bool ok = false;
    const quint32 v = s.toString().toUInt(&ok, 16);
    return ok ? qint32(v) : 0;
}
