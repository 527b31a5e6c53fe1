#include "tjsontext.h"

#include <cstring>

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace PosLib {

namespace TJsonText {

namespace {

char hexDigit(unsigned v)
{
    return char(v < 10 ? '0' + v : 'a' + v - 10);
}

// The four hex digits of an escaped code unit, as "\u00e4" has them.
void appendEscaped(QByteArray &out, char16_t c)
{
    const char escaped[6] = {'\\',
                             'u',
                             hexDigit((c >> 12) & 0xf),
                             hexDigit((c >> 8) & 0xf),
                             hexDigit((c >> 4) & 0xf),
                             hexDigit(c & 0xf)};
    out.append(escaped, 6);
}

} // namespace

void appendString(QByteArray &out, QStringView text)
{
    out.append('"');
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    while (p != end) {
        const char16_t c = *p++;
        if (c < 0x80) {
            if (c >= 0x20 && c != '"' && c != '\\') {
                out.append(char(c));
                continue;
            }
            out.append('\\');
            switch (c) {
            case '"':
                out.append('"');
                break;
            case '\\':
                out.append('\\');
                break;
            case '\b':
                out.append('b');
                break;
            case '\f':
                out.append('f');
                break;
            case '\n':
                out.append('n');
                break;
            case '\r':
                out.append('r');
                break;
            case '\t':
                out.append('t');
                break;
            default:
                out.chop(1);
                appendEscaped(out, c);
            }
        } else if (c < 0x800) {
            const char bytes[2] = {char(0xc0 | (c >> 6)), char(0x80 | (c & 0x3f))};
            out.append(bytes, 2);
        } else if (c < 0xd800 || c > 0xdfff) {
            const char bytes[3] = {char(0xe0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3f)),
                                   char(0x80 | (c & 0x3f))};
            out.append(bytes, 3);
        } else if (c < 0xdc00 && p != end && *p >= 0xdc00 && *p <= 0xdfff) {
            // a surrogate pair: one character of four bytes
            const char32_t u = 0x10000 + ((char32_t(c) - 0xd800) << 10) + (char32_t(*p++) - 0xdc00);
            const char bytes[4] = {char(0xf0 | (u >> 18)), char(0x80 | ((u >> 12) & 0x3f)),
                                   char(0x80 | ((u >> 6) & 0x3f)), char(0x80 | (u & 0x3f))};
            out.append(bytes, 4);
        } else {
            // a surrogate without its other half
            appendEscaped(out, c);
        }
    }
    out.append('"');
}

char *putInteger(char *at, qint64 value)
{
    char digits[24];
    char *d = digits + sizeof digits;
    // the magnitude as unsigned: the smallest value has no positive twin
    quint64 v = value < 0 ? 0 - quint64(value) : quint64(value);
    do {
        *--d = char('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (value < 0)
        *--d = '-';
    const size_t n = size_t(digits + sizeof digits - d);
    std::memcpy(at, d, n);
    return at + n;
}

void appendInteger(QByteArray &out, qint64 value)
{
    char digits[24];
    out.append(digits, qsizetype(putInteger(digits, value) - digits));
}

void appendDouble(QByteArray &out, double value)
{
    if (!std::isfinite(value)) {
        out.append("null");
        return;
    }
    // whole numbers a double holds exactly are written with all digits
    constexpr double Exact = 9007199254740992.0; // 2^53
    if (value >= -Exact && value <= Exact && std::floor(value) == value) {
        appendInteger(out, qint64(value));
        return;
    }
    out.append(QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
}

void appendBool(QByteArray &out, bool value)
{
    out.append(value ? "true" : "false");
}

void appendValue(QByteArray &out, const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray {value}).toJson(QJsonDocument::Compact);
    out.append(array.constData() + 1, array.size() - 2);
}

namespace {

// The end of the value starting at `at`; -1 when it does not end.
qsizetype valueEnd(QByteArrayView json, qsizetype at)
{
    int depth = 0;
    for (qsizetype i = at; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '"') {
            for (++i; i < json.size() && json.at(i) != '"'; ++i) {
                if (json.at(i) == '\\')
                    ++i;
            }
            if (i >= json.size())
                return -1;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth == 0)
                return i;
            --depth;
        } else if (c == ',' && depth == 0) {
            return i;
        }
    }
    return -1;
}

} // namespace

void members(QByteArrayView json, std::initializer_list<QLatin1String> names,
             QByteArrayView *values)
{
    std::fill(values, values + names.size(), QByteArrayView());
    if (json.isEmpty() || json.front() != '{')
        return;
    qsizetype at = 1;
    while (at < json.size() && json.at(at) == '"') {
        // the name, then its value
        qsizetype close = at + 1;
        for (; close < json.size() && json.at(close) != '"'; ++close) {
            if (json.at(close) == '\\')
                ++close;
        }
        if (close + 1 >= json.size() || json.at(close + 1) != ':')
            return;
        const QByteArrayView key = json.sliced(at + 1, close - at - 1);
        const qsizetype from = close + 2;
        const qsizetype end = valueEnd(json, from);
        if (end < 0 || end == from)
            return;
        QByteArrayView *value = values;
        for (const QLatin1String &name : names) {
            if (key == QByteArrayView(name.data(), name.size()))
                *value = json.sliced(from, end - from);
            ++value;
        }
        if (json.at(end) != ',')
            return;
        at = end + 1;
    }
}

QJsonValue value(QByteArrayView text)
{
    const QByteArray array = '[' + text.toByteArray() + ']';
    return QJsonDocument::fromJson(array).array().at(0);
}

} // namespace TJsonText

} // namespace PosLib
