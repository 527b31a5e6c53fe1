#include "trecordcodec.h"

#include "tvalue.h"

#include <QHash>
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

bool TRecordReader::readU32(quint32 &v)
{
    if (m_size - m_pos < 4)
        return false;
    v = qFromBigEndian<quint32>(m_data + m_pos);
    m_pos += 4;
    return true;
}

namespace {

// Field names repeat in every record, and so do short values ("0", "yes",
// "1.00000"): decoded once, they are shared by every record that holds
// them, which saves an allocation per field and the memory of the copies.
struct TCachedString
{
    QByteArray raw;
    QString text;
};
constexpr int CacheSlots = 1024;
constexpr quint32 CacheableBytes = 40;

TCachedString *stringCache()
{
    thread_local std::unique_ptr<TCachedString[]> cache(new TCachedString[CacheSlots]);
    return cache.get();
}

} // namespace

bool TRecordReader::readString(QString &s)
{
    quint32 len;
    if (!readU32(len))
        return false;
    if (len == 0xFFFFFFFFu) {
        s = QString();
        return true;
    }
    if ((len & 1) || qsizetype(len) > m_size - m_pos)
        return false;
    const qsizetype n = len / 2;
    if (n == 0) {
        s = QLatin1String(""); // empty, not null
        return true;
    }
    const uchar *raw = m_data + m_pos;
    m_pos += len;
    TCachedString *slot = nullptr;
    if (len <= CacheableBytes) {
        slot = stringCache() + (qHashBits(raw, len) & (CacheSlots - 1));
        if (slot->raw.size() == qsizetype(len)
            && std::memcmp(slot->raw.constData(), raw, len) == 0) {
            s = slot->text;
            return true;
        }
    }
    s = QString(n, Qt::Uninitialized);
    qFromBigEndian<quint16>(raw, n, reinterpret_cast<quint16 *>(s.data()));
    if (slot) {
        slot->raw = QByteArray(reinterpret_cast<const char *>(raw), len);
        slot->text = s;
    }
    return true;
}

TRecordReader::Status TRecordReader::read(TValue &value)
{
    value.clear();
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
    value.reserve(int(count));
    QString name;
    QString text;
    for (quint32 i = 0; i < count; ++i) {
        if (!readString(name) || !readString(text)) {
            value.clear();
            return Truncated;
        }
        value.append(name, text);
    }
    return Ok;
}

} // namespace Basics
