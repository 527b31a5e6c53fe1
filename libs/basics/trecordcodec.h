#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <QtEndian>

#include <cstring>

namespace Basics {

class TValue;

// The binary record of ".dat" and table files: a big-endian unsigned 32-bit
// field count, then (name, text) string pairs in ascending name order. A
// string is a 32-bit byte length and UTF-16 code units, most significant
// byte first; 0xFFFFFFFF stands for a null string.
void appendRecord(QByteArray &out, const TValue &value);
void appendString(QByteArray &out, const QString &text);

// A string of a record as it lies in the buffer: UTF-16 code units, most
// significant byte first.
struct TRawString
{
    const uchar *data = nullptr;
    qint32 size = -1; // bytes; -1 for a null string

    bool isNull() const { return size < 0; }
    // Equal to the Latin-1 text `latin1` (of `length` characters).
    bool equals(const char *latin1, qsizetype length) const;
};

// Whether the `n` bytes at `a` and `b` are the same. For the short texts of
// records, compared in place in words, the last one overlapping the one
// before, rather than through a call of memcmp.
inline bool sameBytes(const uchar *a, const uchar *b, qint32 n)
{
    const auto same = [a, b](qint32 at, auto word) {
        decltype(word) x;
        decltype(word) y;
        std::memcpy(&x, a + at, sizeof x);
        std::memcpy(&y, b + at, sizeof y);
        return x == y;
    };
    if (n >= 8) {
        for (qint32 i = 0; i + 8 < n; i += 8) {
            if (!same(i, quint64()))
                return false;
        }
        return same(n - 8, quint64());
    }
    if (n >= 4)
        return same(0, quint32()) && same(n - 4, quint32());
    if (n >= 2)
        return same(0, quint16()) && same(n - 2, quint16());
    return n < 1 || *a == *b;
}

// The text of a raw string, as TRecordReader::read() decodes it: short
// texts that repeat share one copy.
QString decodeString(TRawString raw);

// The value forms of TValue (tvalue.h) read straight from a raw string,
// with the same results as parseInteger(), parseDecimal(), parseBoolean()
// and the ISO date and time forms of TValue::getDate() and getTime() on
// the decoded text. Plain digits take a short path; anything else is
// decoded and parsed as text.
qint64 rawInteger(TRawString raw);
double rawDecimal(TRawString raw);
bool rawBoolean(TRawString raw);
QDate rawDate(TRawString raw);
QTime rawTime(TRawString raw);

// Reads records from a byte buffer without copying it; every length is
// checked against the bytes that are left.
class TRecordReader
{
public:
    enum Status {
        Ok, // a record was read
        End, // no bytes left before the record
        Truncated, // the data ended inside the record, or a length is odd
        CorruptCount, // field count of 0x1000000 or more
    };

    static constexpr quint32 MaxFieldCount = 0x1000000;

    explicit TRecordReader(const QByteArray &data);
    TRecordReader(const char *data, qsizetype size);

    // Clears `value` and fills it with the next record's fields (tag text).
    Status read(TValue &value);
    // Walks the next record as read() does, without decoding it: calls
    // `field(TRawString name, TRawString value)` for each field, in file
    // order. The status and the position afterwards are those of read();
    // when the status is not Ok, the fields passed so far belong to no
    // record.
    template<typename Field>
    Status scan(Field &&field)
    {
        return scan(field, [](quint32) {});
    }
    // The same, telling `begin(count)` the number of fields first.
    template<typename Field, typename Begin>
    Status scan(Field &&field, Begin &&begin);
    bool atEnd() const { return m_pos >= m_size; }
    qsizetype position() const { return m_pos; }
    // Continues reading at `position` (a position this reader returned).
    void seek(qsizetype position) { m_pos = position; }
    const uchar *data() const { return m_data; }
    // The bytes read from, in all.
    qsizetype size() const { return m_size; }

private:
    bool readU32(quint32 &v);
    bool readRaw(TRawString &s);
    // The string at `pos` of `data`, moving `pos` past it (past its length
    // at least, when it is cut off).
    static bool rawAt(const uchar *data, qsizetype size, qsizetype &pos, TRawString &s);

    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

template<typename Field, typename Begin>
TRecordReader::Status TRecordReader::scan(Field &&field, Begin &&begin)
{
    if (atEnd())
        return End;
    quint32 count;
    if (!readU32(count))
        return Truncated;
    if (count >= MaxFieldCount)
        return CorruptCount;
    // Each pair needs at least two lengths.
    if (qsizetype(count) * 8 > m_size - m_pos)
        return Truncated;
    begin(count);
    // the walk over the fields keeps its place in a register: a year of
    // day summaries has some forty million fields
    const uchar *const data = m_data;
    const qsizetype size = m_size;
    qsizetype pos = m_pos;
    TRawString name;
    TRawString text;
    for (quint32 i = 0; i < count; ++i) {
        if (!rawAt(data, size, pos, name) || !rawAt(data, size, pos, text)) {
            m_pos = pos;
            return Truncated;
        }
        field(name, text);
    }
    m_pos = pos;
    return Ok;
}

inline bool TRecordReader::rawAt(const uchar *data, qsizetype size, qsizetype &pos, TRawString &s)
{
    if (size - pos < 4)
        return false;
    const quint32 len = qFromBigEndian<quint32>(data + pos);
    pos += 4;
    if (len == 0xFFFFFFFFu) {
        s = TRawString();
        return true;
    }
    if ((len & 1) || qsizetype(len) > size - pos)
        return false;
    s.data = data + pos;
    s.size = qint32(len);
    pos += len;
    return true;
}

inline bool TRecordReader::readU32(quint32 &v)
{
    if (m_size - m_pos < 4)
        return false;
    v = qFromBigEndian<quint32>(m_data + m_pos);
    m_pos += 4;
    return true;
}

inline bool TRecordReader::readRaw(TRawString &s)
{
    if (m_size - m_pos < 4)
        return false;
    const quint32 len = qFromBigEndian<quint32>(m_data + m_pos);
    m_pos += 4;
    if (len == 0xFFFFFFFFu) {
        s = TRawString();
        return true;
    }
    if ((len & 1) || qsizetype(len) > m_size - m_pos)
        return false;
    s.data = m_data + m_pos;
    s.size = qint32(len);
    m_pos += len;
    return true;
}

} // namespace Basics
