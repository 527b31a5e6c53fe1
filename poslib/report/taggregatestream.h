#pragma once

#include "texactsum.h"
#include "ttextnumbers.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace PosLib {

class TTextPool;

// Writes the figures of a day aggregate: numbers little-endian, each
// text once in a pool at the front and referred to by its number.
class TAggregateWriter
{
public:
    TAggregateWriter()
        : TAggregateWriter(nullptr)
    { }
    // With the text numbers of a worker that writes day after day (see
    // TTextNumbers), or null for numbers of this writer's own. `numbers`
    // must outlive the writer, and is neither trimmed nor used on another
    // thread meanwhile (other writers may number with it in turn).
    explicit TAggregateWriter(TTextNumbers *numbers);
    ~TAggregateWriter();
    TAggregateWriter(const TAggregateWriter &) = delete;
    TAggregateWriter &operator=(const TAggregateWriter &) = delete;

    void u8(quint8 v) { *room(1) = char(v); }
    // Whole numbers take as many bytes as they need, 7 bits each (small
    // counts and text numbers one byte); signed ones zigzag first.
    void u32(quint32 v) { varint(v); }
    void i32(qint32 v) { i64(v); }
    void i64(qint64 v) { varint((quint64(v) << 1) ^ quint64(v >> 63)); }
    void f64(double v) { raw(&v, sizeof v); }
    void boolean(bool v) { u8(v ? 1 : 0); }
    // A text by its pool number (null and empty texts stay apart).
    void text(const QString &text) { u32(numberOf(text)); }
    // Text `id` of `pool`, as text(): each number of a pool is looked up
    // once per writer. The pool must not change while the writer is used.
    void pooled(const TTextPool &pool, quint32 id);
    void date(const QDate &d)
    {
        i64(d.isValid() ? d.toJulianDay() : std::numeric_limits<qint64>::min());
    }
    void time(const QTime &t) { i32(t.isValid() ? t.msecsSinceStartOfDay() : -1); }
    void exact(const TExactSum &sum)
    {
        // most sums are one double
        if (sum.partCount() != 1)
            return exactParts(sum);
        char *at = room(1 + sizeof(double));
        *at = char(1);
        const double v = sum.part(0);
        std::memcpy(at + 1, &v, sizeof v);
    }

    // A number written now and set later: where it is, and setting it.
    qsizetype mark()
    {
        const quint32 zero = 0;
        raw(&zero, sizeof zero);
        return size() - qsizetype(sizeof(quint32));
    }
    qsizetype size() const { return qsizetype(m_size); }
    void patch(qsizetype at, quint32 v) { std::memcpy(m_data.get() + at, &v, sizeof v); }

    // Room for `texts` texts in the pool (what a writer of a like day took).
    void reserveTexts(qsizetype texts) { m_order.reserve(size_t(texts)); }
    // Room for `bytes` of figures (what a writer of a like day wrote).
    void reserveBytes(qsizetype bytes) { reserve(size_t(std::max<qsizetype>(bytes, 0))); }
    qsizetype textCount() const { return qsizetype(m_order.size()); }

    // The pool, then the figures.
    QByteArray bytes() const;
    // The same appended to `out`.
    void appendTo(QByteArray &out) const;

private:
    // The text's number in the pool, added when new.
    quint32 numberOf(const QString &text)
    {
        if (!text.isNull()) {
            const quint32 number = m_numbers->number(text);
            if (number < m_inPool.size() && m_inPool[number] != 0)
                return m_inPool[number] - 1;
        }
        return addToPool(text);
    }
    // numberOf() of a text not in the pool yet
    quint32 addToPool(const QString &text);
    void exactParts(const TExactSum &sum);
    void raw(const void *p, size_t n) { std::memcpy(room(n), p, n); }
    void varint(quint64 v)
    {
        // written in place: most numbers take one byte
        if (m_capacity - m_size < 10)
            reserve(m_size + 10);
        char *at = m_data.get() + m_size;
        char *const start = at;
        while (v >= 0x80) {
            *at++ = char(quint8(v) | 0x80);
            v >>= 7;
        }
        *at++ = char(v);
        m_size += size_t(at - start);
    }
    // `n` bytes more, to be written
    char *room(size_t n)
    {
        if (m_capacity - m_size < n)
            reserve(m_size + n);
        char *at = m_data.get() + m_size;
        m_size += n;
        return at;
    }
    // room for `size` bytes in all (growing by half at least)
    void reserve(size_t size);
    // the figures written (m_size of m_capacity bytes)
    std::unique_ptr<char[]> m_data;
    size_t m_size = 0;
    size_t m_capacity = 0;
    // the texts' numbers in m_numbers, of its own when none is given
    std::unique_ptr<TTextNumbers> m_own;
    TTextNumbers *m_numbers;
    // the pool: the numbers there of its texts (NullText for a null text),
    // in the order they came; and by those numbers, their numbers in the
    // pool + 1 (0: not in the pool yet)
    static constexpr quint32 NullText = 0xffffffffu;
    std::vector<quint32> m_order;
    std::vector<quint32> m_inPool;
    bool m_hasNull = false;
    quint32 m_null = 0;
    // the numbers here of the texts of pools, by their numbers there
    // (0: not looked up yet, else the number + 1)
    const TTextPool *m_pool = nullptr;
    std::vector<quint32> *m_poolIds = nullptr;
    std::unordered_map<const TTextPool *, std::vector<quint32>> m_pools;
};

// Reads what TAggregateWriter wrote, checking every read against the bytes
// that are left: a damaged aggregate sets failed() and reads zeros, empty
// texts and invalid dates from then on; it never reads past the end.
class TAggregateReader
{
public:
    // `bytes` must outlive the reader.
    explicit TAggregateReader(const QByteArray &bytes);

    bool ok() const { return !m_failed; }
    void fail() { m_failed = true; }

    quint8 u8() { return read<quint8>(); }
    quint32 u32()
    {
        const quint64 v = varint();
        if (v > 0xffffffffu)
            m_failed = true;
        return m_failed ? 0 : quint32(v);
    }
    qint32 i32()
    {
        const qint64 v = i64();
        if (v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
            m_failed = true;
        return m_failed ? 0 : qint32(v);
    }
    qint64 i64()
    {
        const quint64 v = varint();
        return qint64(v >> 1) ^ -qint64(v & 1);
    }
    // A number of mark(): four bytes as written.
    quint32 fixed32() { return read<quint32>(); }
    double f64() { return read<double>(); }
    bool boolean() { return u8() != 0; }
    const QString &text();
    // A text as its number in the blob's table of texts, for a reader that
    // looks each text up once (textAt()); 0 (and failed) when out of range.
    quint32 textNumber();
    const QString &textAt(quint32 number) const
    {
        Text &t = m_texts[size_t(number)];
        if (!t.decoded)
            decode(t);
        return t.text;
    }
    qsizetype textCount() const { return qsizetype(m_texts.size()); }
    // Tells this reader from every other one made before or after it, also
    // one made where an earlier one was.
    quint64 serial() const { return m_serial; }
    QDate date();
    QTime time();
    TExactSum exact();
    // Adds the next exact() to `into`, as into.add(exact()) does.
    void addExact(TExactSum &into)
    {
        // a sum of one double (finite: what the sum of it alone holds) is
        // added straight
        if (Q_LIKELY(!m_failed && m_end - m_pos >= 1 + qsizetype(sizeof(double))
                     && quint8(*m_pos) == 1)) {
            double v;
            std::memcpy(&v, m_pos + 1, sizeof v);
            if (std::isfinite(v)) {
                m_pos += 1 + sizeof v;
                // 0.0 + v: a sum made of -0.0 holds 0.0
                into.add(0.0 + v);
                return;
            }
        }
        into.add(exact());
    }
    // A count of things each at least `size` bytes long; 0 (and failed)
    // when the bytes left could not hold them.
    quint32 count(int size);
    bool atEnd() const { return m_pos == m_end; }
    // Passes over `n` bytes.
    void skip(quint32 n)
    {
        if (m_failed || size_t(m_end - m_pos) < n)
            m_failed = true;
        else
            m_pos += n;
    }

private:
    quint64 varint()
    {
        // most numbers take one byte
        if (Q_LIKELY(!m_failed && m_pos != m_end && !(quint8(*m_pos) & 0x80)))
            return quint8(*m_pos++);
        quint64 v = 0;
        for (int shift = 0; shift < 64 && !m_failed && m_pos != m_end; shift += 7) {
            const quint8 byte = quint8(*m_pos++);
            v |= quint64(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return v;
        }
        m_failed = true;
        return 0;
    }
    template<typename T>
    T read()
    {
        T v;
        if (Q_LIKELY(!m_failed && size_t(m_end - m_pos) >= sizeof v)) {
            std::memcpy(&v, m_pos, sizeof v);
            m_pos += sizeof v;
            return v;
        }
        m_failed = true;
        return T();
    }

    // The table of texts, each made a QString when it is first read: the
    // texts of the fields a later day's leaf passes over are never made.
    struct Text
    {
        const char *at = nullptr; // the characters in the bytes, null for a null text
        quint32 length = 0;
        bool decoded = false;
        QString text;
    };
    static void decode(Text &t);

    const char *m_pos;
    const char *m_end;
    mutable std::vector<Text> m_texts;
    quint64 m_serial;
    bool m_failed = false;
};

} // namespace PosLib
