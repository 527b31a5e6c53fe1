#include "taggregatestream.h"

#include <algorithm>
#include <atomic>

#include <cstring>
#include <limits>

namespace PosLib {

namespace {

// a null text in the pool: its length
constexpr quint32 NullLength = 0xffffffffu;

} // namespace

quint32 TAggregateWriter::numberOf(const QString &text)
{
    if (text.isNull()) {
        if (!m_hasNull) {
            m_hasNull = true;
            m_null = quint32(m_texts.size());
            m_texts.append(QString());
        }
        return m_null;
    }
    const void *data = text.constData();
    Recent &recent = m_recent[(quintptr(data) >> 4) % RecentSize];
    if (recent.data == data && recent.size == text.size())
        return recent.id;
    auto it = m_ids.constFind(text);
    if (it == m_ids.cend()) {
        it = m_ids.insert(text, quint32(m_texts.size()));
        m_texts.append(text);
    }
    // only for the data the pool holds a copy of
    if (m_texts.at(qsizetype(it.value())).constData() == data)
        recent = Recent {data, text.size(), it.value()};
    return it.value();
}

void TAggregateWriter::reserve(size_t size)
{
    if (size <= m_capacity)
        return;
    const size_t capacity = std::max(size, m_capacity + m_capacity / 2);
    std::unique_ptr<char[]> data(new char[capacity]);
    if (m_size > 0)
        std::memcpy(data.get(), m_data.get(), m_size);
    m_data = std::move(data);
    m_capacity = capacity;
}

void TAggregateWriter::exact(const TExactSum &sum)
{
    const int parts = sum.partCount();
    u8(quint8(parts));
    for (int i = 0; i < parts; ++i)
        f64(sum.part(i));
}

QByteArray TAggregateWriter::bytes() const
{
    QByteArray out;
    appendTo(out);
    return out;
}

void TAggregateWriter::appendTo(QByteArray &out) const
{
    TAggregateWriter pool;
    pool.u32(quint32(m_texts.size()));
    qsizetype characters = 0;
    for (const QString &t : m_texts)
        characters += t.size();
    pool.reserve(pool.m_size + size_t(m_texts.size()) * 3 + size_t(characters) * 2);
    for (const QString &t : m_texts) {
        if (t.isNull()) {
            pool.u32(NullLength);
            continue;
        }
        pool.u32(quint32(t.size()));
        pool.raw(t.constData(), size_t(t.size()) * 2);
    }
    out.reserve(out.size() + pool.size() + size());
    out.append(pool.m_data.get(), pool.size());
    out.append(m_data.get(), size());
}

TAggregateReader::TAggregateReader(const QByteArray &bytes)
    : m_pos(bytes.constData())
    , m_end(bytes.constData() + bytes.size())
{
    static std::atomic<quint64> readers {0};
    m_serial = ++readers;
    const quint32 texts = count(1);
    m_texts.resize(texts);
    for (quint32 i = 0; i < texts && ok(); ++i) {
        const quint32 length = u32();
        if (!ok()) {
            m_texts.resize(i);
            break;
        }
        Text &t = m_texts[i];
        if (length == NullLength) {
            t.decoded = true;
            continue;
        }
        if (length > quint32(m_end - m_pos) / 2) {
            fail();
            // the texts read before, as a damaged table leaves them
            m_texts.resize(i);
            break;
        }
        t.at = m_pos;
        t.length = length;
        m_pos += size_t(length) * 2;
    }
}

void TAggregateReader::decode(Text &t)
{
    QString text(qsizetype(t.length), Qt::Uninitialized);
    if (t.length > 0)
        std::memcpy(text.data(), t.at, size_t(t.length) * 2);
    t.text = std::move(text);
    t.decoded = true;
}

quint32 TAggregateReader::textNumber()
{
    const quint32 number = u32();
    if (number >= quint32(m_texts.size())) {
        fail();
        return 0;
    }
    return number;
}

const QString &TAggregateReader::text()
{
    static const QString none;
    const quint32 number = textNumber();
    return ok() ? textAt(number) : none;
}

QDate TAggregateReader::date()
{
    const qint64 day = i64();
    if (day == std::numeric_limits<qint64>::min())
        return QDate();
    const QDate d = QDate::fromJulianDay(day);
    if (!d.isValid())
        fail();
    return d;
}

QTime TAggregateReader::time()
{
    const qint32 ms = i32();
    if (ms == -1)
        return QTime();
    if (ms < 0 || ms >= 86400000) {
        fail();
        return QTime();
    }
    return QTime::fromMSecsSinceStartOfDay(ms);
}

TExactSum TAggregateReader::exact()
{
    const quint8 n = u8();
    if (n == 0 || n > 64) {
        fail();
        return TExactSum();
    }
    if (n == 1)
        return TExactSum(f64());
    QList<double> parts;
    parts.reserve(n);
    for (quint8 i = 0; i < n; ++i)
        parts.append(f64());
    return ok() ? TExactSum::ofParts(parts) : TExactSum();
}

quint32 TAggregateReader::count(int size)
{
    const quint32 n = u32();
    if (size < 1 || n > quint32(m_end - m_pos) / quint32(size)) {
        fail();
        return 0;
    }
    return n;
}

} // namespace PosLib
