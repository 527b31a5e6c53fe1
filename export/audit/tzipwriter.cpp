#include "tzipwriter.h"

#include <array>

namespace PosLib {

namespace {

void put16(QByteArray &out, quint32 value)
{
    out += char(value & 0xff);
    out += char((value >> 8) & 0xff);
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

} // namespace

TZipWriter::TZipWriter(const QDateTime &modified)
{
    const QDate d = modified.date();
    const QTime t = modified.time();
    if (d.isValid() && d.year() >= 1980) {
        m_date = quint16(((d.year() - 1980) << 9) | (d.month() << 5) | d.day());
        m_time = quint16((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
    } else {
        m_date = (1 << 5) | 1; // 1980-01-01
    }
}

quint32 TZipWriter::crc32(const QByteArray &bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t {};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ quint8(byte)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void TZipWriter::add(const QString &name, const QByteArray &content)
{
    m_entries.append({name.toUtf8(), content, crc32(content)});
}

QByteArray TZipWriter::bytes() const
{
    QByteArray out;
    QByteArray central;
    const quint16 utf8 = 1 << 11; // names in UTF-8
    for (const Entry &e : m_entries) {
        const quint32 offset = quint32(out.size());
        put32(out, 0x04034b50);
        put16(out, 20); // version needed: 2.0
        put16(out, utf8);
        put16(out, 0); // stored
        put16(out, m_time);
        put16(out, m_date);
        put32(out, e.crc);
        put32(out, quint32(e.content.size()));
        put32(out, quint32(e.content.size()));
        put16(out, quint32(e.name.size()));
        put16(out, 0);
        out += e.name;
        out += e.content;

        put32(central, 0x02014b50);
        put16(central, 0x0314); // made by: Unix, 2.0
        put16(central, 20);
        put16(central, utf8);
        put16(central, 0);
        put16(central, m_time);
        put16(central, m_date);
        put32(central, e.crc);
        put32(central, quint32(e.content.size()));
        put32(central, quint32(e.content.size()));
        put16(central, quint32(e.name.size()));
        put16(central, 0); // extra
        put16(central, 0); // comment
        put16(central, 0); // disk
        put16(central, 0); // internal attributes
        put32(central, 0100644u << 16); // a plain file, rw-r--r--
        put32(central, offset);
        central += e.name;
    }
    const quint32 centralOffset = quint32(out.size());
    out += central;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint32(m_entries.size()));
    put16(out, quint32(m_entries.size()));
    put32(out, quint32(central.size()));
    put32(out, centralOffset);
    put16(out, 0);
    return out;
}

} // namespace PosLib
