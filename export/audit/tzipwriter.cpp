#include "tzipwriter.h"

#include "terror.h"
#include "tfile.h"

#include <array>
#include <cerrno>

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

quint32 crcUpdate(quint32 crc, const char *data, qint64 size)
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
    for (qint64 i = 0; i < size; ++i)
        crc = table[(crc ^ quint8(data[i])) & 0xff] ^ (crc >> 8);
    return crc;
}

// Reads the file `path` in blocks, handing each to `take`; returns the
// count of bytes read. Throws the file's TFileError.
template<typename Take>
qint64 readBlocks(const QString &path, Take take)
{
    Basics::TFile file(path);
    file.open(QIODevice::ReadOnly);
    QByteArray block(1 << 20, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = file.read(block.data(), block.size());
        if (got <= 0)
            break;
        take(block.constData(), got);
        total += got;
    }
    return total;
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
    return crcUpdate(0xFFFFFFFFu, bytes.constData(), bytes.size()) ^ 0xFFFFFFFFu;
}

void TZipWriter::add(const QString &name, const QByteArray &content)
{
    m_entries.append({name.toUtf8(), content, QString(), content.size(), crc32(content)});
}

void TZipWriter::addFile(const QString &name, const QString &path)
{
    quint32 crc = 0xFFFFFFFFu;
    const qint64 size = readBlocks(
            path, [&crc](const char *data, qint64 count) { crc = crcUpdate(crc, data, count); });
    m_entries.append({name.toUtf8(), QByteArray(), path, size, crc ^ 0xFFFFFFFFu});
}

qint64 TZipWriter::contentSize() const
{
    qint64 size = 0;
    for (const Entry &e : m_entries)
        size += e.size;
    return size;
}

QByteArray TZipWriter::bytes() const
{
    QByteArray out;
    write([&out](const char *data, qint64 size) { out.append(data, size); });
    return out;
}

void TZipWriter::putEntryFields(QByteArray &out, const Entry &e) const
{
    put16(out, 20); // version needed: 2.0
    put16(out, 1 << 11); // names in UTF-8
    put16(out, 0); // stored
    put16(out, m_time);
    put16(out, m_date);
    put32(out, e.crc);
    put32(out, quint32(e.size)); // compressed
    put32(out, quint32(e.size));
    put16(out, quint32(e.name.size()));
}

void TZipWriter::write(const Sink &sink) const
{
    QByteArray head;
    QByteArray central;
    quint32 offset = 0;
    for (const Entry &e : m_entries) {
        head.clear();
        put32(head, 0x04034b50);
        putEntryFields(head, e);
        put16(head, 0); // extra
        head += e.name;
        sink(head.constData(), head.size());
        if (e.path.isEmpty()) {
            sink(e.content.constData(), e.content.size());
        } else {
            quint32 crc = 0xFFFFFFFFu;
            const qint64 size = readBlocks(e.path, [&](const char *data, qint64 count) {
                crc = crcUpdate(crc, data, count);
                sink(data, count);
            });
            if (size != e.size || (crc ^ 0xFFFFFFFFu) != e.crc)
                throw Basics::TFileError(T_SOURCE, 304, 310, EIO, e.path);
        }

        put32(central, 0x02014b50);
        put16(central, 0x0314); // made by: Unix, 2.0
        putEntryFields(central, e);
        put16(central, 0); // extra
        put16(central, 0); // comment
        put16(central, 0); // disk
        put16(central, 0); // internal attributes
        put32(central, 0100644u << 16); // a plain file, rw-r--r--
        put32(central, offset);
        central += e.name;
        offset += quint32(head.size() + e.size);
    }
    const quint32 centralOffset = offset;
    QByteArray end = central;
    put32(end, 0x06054b50);
    put16(end, 0);
    put16(end, 0);
    put16(end, quint32(m_entries.size()));
    put16(end, quint32(m_entries.size()));
    put32(end, quint32(central.size()));
    put32(end, centralOffset);
    put16(end, 0);
    sink(end.constData(), end.size());
}

} // namespace PosLib
