#pragma once

#include "texactsum.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QTime>

#include <limits>

namespace PosLib {

// Writes the figures of a day aggregate: numbers little-endian, each
// text once in a pool at the front and referred to by its number.
class TAggregateWriter
{
public:
    void u8(quint8 v) { m_data.append(char(v)); }
    void u32(quint32 v) { raw(&v, sizeof v); }
    void i32(qint32 v) { raw(&v, sizeof v); }
    void i64(qint64 v) { raw(&v, sizeof v); }
    void f64(double v) { raw(&v, sizeof v); }
    void boolean(bool v) { u8(v ? 1 : 0); }
    // A text by its pool number (null and empty texts stay apart).
    void text(const QString &text);
    void date(const QDate &d)
    {
        i64(d.isValid() ? d.toJulianDay() : std::numeric_limits<qint64>::min());
    }
    void time(const QTime &t) { i32(t.isValid() ? t.msecsSinceStartOfDay() : -1); }
    void exact(const TExactSum &sum);

    // The pool, then the figures.
    QByteArray bytes() const;

private:
    void raw(const void *p, size_t n) { m_data.append(static_cast<const char *>(p), qsizetype(n)); }
    QByteArray m_data;
    QHash<QString, quint32> m_ids;
    QList<QString> m_texts;
    bool m_hasNull = false;
    quint32 m_null = 0;
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

    quint8 u8();
    quint32 u32();
    qint32 i32() { return qint32(u32()); }
    qint64 i64();
    double f64();
    bool boolean() { return u8() != 0; }
    const QString &text();
    QDate date();
    QTime time();
    TExactSum exact();
    // A count of things each at least `size` bytes long; 0 (and failed)
    // when the bytes left could not hold them.
    quint32 count(int size);
    bool atEnd() const { return m_pos == m_end; }

private:
    bool take(void *p, size_t n);

    const char *m_pos;
    const char *m_end;
    QList<QString> m_texts;
    bool m_failed = false;
};

} // namespace PosLib
