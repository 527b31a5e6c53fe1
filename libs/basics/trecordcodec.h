#pragma once

#include <QByteArray>
#include <QString>

namespace Basics {

class TValue;

// The binary record of ".dat" and table files: a big-endian unsigned 32-bit
// field count, then (name, text) string pairs in ascending name order. A
// string is a 32-bit byte length and UTF-16 code units, most significant
// byte first; 0xFFFFFFFF stands for a null string.
void appendRecord(QByteArray &out, const TValue &value);
void appendString(QByteArray &out, const QString &text);

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
    bool atEnd() const { return m_pos >= m_size; }
    qsizetype position() const { return m_pos; }

private:
    bool readU32(quint32 &v);
    bool readString(QString &s);

    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

} // namespace Basics
