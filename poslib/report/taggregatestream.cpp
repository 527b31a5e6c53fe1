#include "taggregatestream.h"

#include "ttextnumbers.h"

#include <algorithm>
#include <atomic>

#include <cstring>
#include <limits>

namespace PosLib {

namespace {

// a null text in the pool: its length
constexpr quint32 NullLength = 0xffffffffu;

} // namespace

TAggregateWriter::TAggregateWriter(TTextNumbers *numbers)
    : m_numbers(numbers)
{
    if (!m_numbers) {
        m_own = std::make_unique<TTextNumbers>();
        m_numbers = m_own.get();
    }
    reserve(16 * 1024);
}

TAggregateWriter::~TAggregateWriter() = default;

quint32 TAggregateWriter::addToPool(const QString &text)
{
    if (text.isNull()) {
        if (!m_hasNull) {
            m_hasNull = true;
            m_null = quint32(m_order.size());
            m_order.push_back(NullText);
        }
        return m_null;
    }
    const quint32 number = m_numbers->number(text);
    if (number >= m_inPool.size())
        m_inPool.resize(std::max(size_t(m_numbers->count()), size_t(number) + 1));
    quint32 &inPool = m_inPool[number];
    if (inPool == 0) {
        m_order.push_back(number);
        inPool = quint32(m_order.size());
    }
    return inPool - 1;
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

void TAggregateWriter::exactParts(const TExactSum &sum)
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
    // the pool's size first: it is written straight into `out`
    const auto varintSize = [](quint64 v) {
        qsizetype n = 1;
        while (v >= 0x80) {
            v >>= 7;
            ++n;
        }
        return n;
    };
    qsizetype poolSize = varintSize(m_order.size());
    for (const quint32 number : m_order) {
        if (number == NullText) {
            poolSize += varintSize(NullLength);
            continue;
        }
        const qsizetype length = m_numbers->text(number).size();
        poolSize += varintSize(quint64(length)) + length * 2;
    }
    const qsizetype start = out.size();
    out.resize(start + poolSize + size());
    char *at = out.data() + start;
    const auto put = [&at](quint64 v) {
        while (v >= 0x80) {
            *at++ = char(quint8(v) | 0x80);
            v >>= 7;
        }
        *at++ = char(v);
    };
    put(m_order.size());
    for (const quint32 number : m_order) {
        if (number == NullText) {
            put(NullLength);
            continue;
        }
        const QString &t = m_numbers->text(number);
        put(quint64(t.size()));
        if (t.size() > 0)
            std::memcpy(at, t.constData(), size_t(t.size()) * 2);
        at += t.size() * 2;
    }
    if (m_size > 0)
        std::memcpy(at, m_data.get(), m_size);
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
