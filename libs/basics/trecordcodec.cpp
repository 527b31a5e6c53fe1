#include "trecordcodec.h"

#include "tvalue.h"

#include <QtEndian>

#include <cstring>
#include <memory>

namespace Basics {

static void appendU32(QByteArray &out, quint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    out.append(b, 4);
}

void appendString(QByteArray &out, const QString &text)
{
    if (text.isNull()) {
        appendU32(out, 0xFFFFFFFFu);
        return;
    }
    const qsizetype n = text.size();
    appendU32(out, quint32(n * 2));
    const qsizetype at = out.size();
    out.resize(at + n * 2);
    qToBigEndian<quint16>(text.utf16(), n, out.data() + at);
}

void appendRecord(QByteArray &out, const TValue &value)
{
    const TValue::Fields &f = value.fields();
    appendU32(out, quint32(f.size()));
    for (auto it = f.cbegin(); it != f.cend(); ++it) {
        appendString(out, it.key());
        appendString(out, it.value().text);
    }
}

TRecordReader::TRecordReader(const QByteArray &data)
    : TRecordReader(data.constData(), data.size())
{ }

TRecordReader::TRecordReader(const char *data, qsizetype size)
    : m_data(reinterpret_cast<const uchar *>(data))
    , m_size(size)
{ }

namespace {

// Field names repeat in every record, and so do short values ("0", "yes",
// "1.00000"): decoded once, they are shared by every record that holds
// them, which saves an allocation per field and the memory of the copies.
// Two texts share a set, and the one met last is kept when a third comes,
// so that two frequent texts of the same set do not push each other out.
// The bytes are kept in the slot itself: a text met once and pushed out
// again costs no allocation of its own, and a look-up reads no other memory.
constexpr int CacheSets = 512;
constexpr quint32 CacheableBytes = 40;
struct TCachedString
{
    quint32 len = CacheableBytes + 1; // matches no text while empty
    uchar raw[CacheableBytes];
    QString text;
};
struct TCacheSet
{
    TCachedString slot[2];
    int last = 0; // the slot met last
};

TCacheSet *stringCache()
{
    thread_local std::unique_ptr<TCacheSet[]> cache(new TCacheSet[CacheSets]);
    return cache.get();
}

// The set of a text of at most CacheableBytes: eight bytes at a time,
// multiplied in, the last word overlapping the one before, and the length
// too (a general hash costs several times this for such short keys, and
// the cache is asked for every field).
quint32 setOf(const uchar *data, quint32 len)
{
    constexpr quint64 Mul = 0x9E3779B97F4A7C15ull;
    const auto load = [data](quint32 at, auto word) {
        std::memcpy(&word, data + at, sizeof word);
        return quint64(word);
    };
    quint64 h = len * Mul;
    if (len >= 8) {
        for (quint32 i = 0; i + 8 < len; i += 8)
            h = (h ^ load(i, quint64())) * Mul;
        h = (h ^ load(len - 8, quint64())) * Mul;
    } else if (len >= 4) {
        h = (h ^ (load(0, quint32()) << 32 | load(len - 4, quint32()))) * Mul;
    } else if (len >= 2) {
        h = (h ^ (load(0, quint16()) << 16 | load(len - 2, quint16()))) * Mul;
    } else if (len == 1) {
        h = (h ^ data[0]) * Mul;
    }
    return quint32(h >> 40) & (CacheSets - 1);
}

bool holds(const TCachedString &slot, const uchar *data, quint32 len)
{
    return slot.len == len && sameBytes(slot.raw, data, qint32(len));
}

} // namespace

QString decodeString(TRawString raw)
{
    if (raw.isNull())
        return QString();
    const qsizetype n = raw.size / 2;
    if (n == 0)
        return QLatin1String(""); // empty, not null
    const quint32 len = quint32(raw.size);
    TCacheSet *set = nullptr;
    if (len <= CacheableBytes) {
        set = stringCache() + setOf(raw.data, len);
        if (holds(set->slot[set->last], raw.data, len))
            return set->slot[set->last].text;
        if (holds(set->slot[1 - set->last], raw.data, len)) {
            set->last = 1 - set->last;
            return set->slot[set->last].text;
        }
    }
    QString s(n, Qt::Uninitialized);
    qFromBigEndian<quint16>(raw.data, n, reinterpret_cast<quint16 *>(s.data()));
    if (set) {
        // in place of the one met before the last
        set->last = 1 - set->last;
        TCachedString &slot = set->slot[set->last];
        slot.len = len;
        std::memcpy(slot.raw, raw.data, len);
        slot.text = s;
    }
    return s;
}

bool TRawString::equals(const char *latin1, qsizetype length) const
{
    if (size != length * 2)
        return false;
    for (qsizetype i = 0; i < length; ++i) {
        if (data[2 * i] != 0 || data[2 * i + 1] != uchar(latin1[i]))
            return false;
    }
    return true;
}

namespace {

// The code unit at `i` of a raw string.
inline char16_t unitAt(TRawString raw, qsizetype i)
{
    return char16_t(raw.data[2 * i] << 8 | raw.data[2 * i + 1]);
}

inline bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// "-12", "+7", "0042": a sign and at most 18 digits, nothing else.
bool plainInteger(TRawString raw, qint64 &value)
{
    const qsizetype n = raw.size / 2;
    qsizetype i = 0;
    bool negative = false;
    if (n > 0 && (unitAt(raw, 0) == u'-' || unitAt(raw, 0) == u'+')) {
        negative = unitAt(raw, 0) == u'-';
        i = 1;
    }
    if (i == n || n - i > 18)
        return false;
    qint64 v = 0;
    for (; i < n; ++i) {
        const char16_t c = unitAt(raw, i);
        if (!isDigit(c))
            return false;
        v = v * 10 + (c - u'0');
    }
    value = negative ? -v : v;
    return true;
}

// A parsed number of up to two digits at `i`.
inline int twoDigits(TRawString raw, qsizetype i)
{
    const char16_t a = unitAt(raw, i);
    const char16_t b = unitAt(raw, i + 1);
    return isDigit(a) && isDigit(b) ? (a - u'0') * 10 + (b - u'0') : -1;
}

} // namespace

qint64 rawInteger(TRawString raw)
{
    qint64 value;
    if (raw.size > 0 && plainInteger(raw, value))
        return value;
    // "0.00000": a decimal is no whole number, for the text conversion too
    const qsizetype n = raw.size / 2;
    bool point = false;
    qsizetype i = 0;
    for (; i < n; ++i) {
        const char16_t c = unitAt(raw, i);
        if (c == u'.')
            point = true;
        else if (!isDigit(c) && c != u'-' && c != u'+')
            break;
    }
    if (point && i == n)
        return 0;
    return parseInteger(decodeString(raw));
}

double rawDecimal(TRawString raw)
{
    // "-12.50000": digits with an optional sign and fraction, at most 15
    // digits in all, so that the digits are exact as a double and one
    // division by an exact power of ten rounds as the text conversion does
    static const double Powers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const qsizetype n = raw.size / 2;
    if (n > 0 && n <= 17) {
        qsizetype i = 0;
        bool negative = false;
        if (unitAt(raw, 0) == u'-' || unitAt(raw, 0) == u'+') {
            negative = unitAt(raw, 0) == u'-';
            i = 1;
        }
        qint64 digits = 0;
        int count = 0;
        int fraction = -1;
        bool plain = i < n;
        for (; plain && i < n; ++i) {
            const char16_t c = unitAt(raw, i);
            if (isDigit(c)) {
                digits = digits * 10 + (c - u'0');
                ++count;
                if (fraction >= 0)
                    ++fraction;
            } else if (c == u'.' && fraction < 0 && count > 0) {
                fraction = 0;
            } else {
                plain = false;
            }
        }
        if (plain && count <= 15 && fraction != 0) {
            const double v = fraction > 0 ? double(digits) / Powers[fraction] : double(digits);
            return negative ? -v : v;
        }
    }
    return parseDecimal(decodeString(raw));
}

bool rawBoolean(TRawString raw)
{
    if (raw.equals("yes", 3))
        return true;
    if (raw.equals("no", 2))
        return false;
    return parseBoolean(decodeString(raw));
}

QDate rawDate(TRawString raw)
{
    // "2014-03-05"; days past the 28th and other forms go the long way
    if (raw.size == 20 && unitAt(raw, 4) == u'-' && unitAt(raw, 7) == u'-') {
        const int hi = twoDigits(raw, 0);
        const int lo = twoDigits(raw, 2);
        const int month = twoDigits(raw, 5);
        const int day = twoDigits(raw, 8);
        if (hi >= 10 && lo >= 0 && month >= 1 && month <= 12 && day >= 1 && day <= 28)
            return QDate(hi * 100 + lo, month, day);
    }
    if (raw.isNull())
        return QDate::fromString(QString(), Qt::ISODate);
    return QDate::fromString(decodeString(raw), Qt::ISODate);
}

QTime rawTime(TRawString raw)
{
    // "11:09:15"
    if (raw.size == 16 && unitAt(raw, 2) == u':' && unitAt(raw, 5) == u':') {
        const int h = twoDigits(raw, 0);
        const int m = twoDigits(raw, 3);
        const int s = twoDigits(raw, 6);
        // what QTime(h, m, s) makes, without its call
        if (h >= 0 && h <= 23 && m >= 0 && m <= 59 && s >= 0 && s <= 59)
            return QTime::fromMSecsSinceStartOfDay(((h * 60 + m) * 60 + s) * 1000);
    }
    return QTime::fromString(decodeString(raw), Qt::ISODate);
}

TRecordReader::Status TRecordReader::read(TValue &value)
{
    value.clear();
    const Status status = scan(
            [&value](TRawString name, TRawString text) {
                value.append(decodeString(name), decodeString(text));
            },
            [&value](quint32 count) { value.reserve(int(count)); });
    if (status != Ok)
        value.clear();
    return status;
}

} // namespace Basics
