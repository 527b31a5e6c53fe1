#include "ttextpool.h"

#include "taggregatestream.h"

#include <algorithm>

namespace PosLib {

TTextPool::TTextPool()
{
    m_texts << QString() << QString();
}

quint32 TTextPool::id(const QString &text)
{
    // a null and an empty text are equal keys of a hash: the null one has
    // its own number
    if (text.isNull())
        return Null;
    auto it = m_ids.constFind(text);
    if (it != m_ids.cend())
        return it.value();
    const quint32 id = quint32(m_texts.size());
    m_texts.append(text);
    m_ids.insert(text, id);
    return id;
}

quint32 TTextPool::id(TAggregateReader &in)
{
    const quint32 number = in.textNumber();
    if (!in.ok())
        return Absent;
    if (in.serial() != m_reader) {
        m_reader = in.serial();
        if (++m_turn == 0) {
            // the turns start anew: every entry is of an old one
            std::fill(m_read.begin(), m_read.end(), Read());
            m_turn = 1;
        }
        if (m_read.size() < size_t(in.textCount()))
            m_read.resize(size_t(in.textCount()));
    }
    Read &known = m_read[number];
    if (known.turn != m_turn) {
        known.turn = m_turn;
        known.id = id(in.textAt(number));
    }
    return known.id;
}

// Kept with the pool, so that the writer needs to know no more of it than
// its name.
void TAggregateWriter::pooled(const TTextPool &pool, quint32 id)
{
    if (&pool != m_pool) {
        m_pool = &pool;
        m_poolIds = &m_pools[&pool];
    }
    if (m_poolIds->size() <= size_t(id))
        m_poolIds->resize(size_t(pool.size()) > size_t(id) ? size_t(pool.size()) : size_t(id) + 1);
    quint32 &known = (*m_poolIds)[size_t(id)];
    if (known == 0)
        known = numberOf(pool.text(id)) + 1;
    u32(known - 1);
}

} // namespace PosLib
