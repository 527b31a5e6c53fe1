#include "ttextnumbers.h"

#include <algorithm>

namespace PosLib {

namespace {

// the power of two at or above `n`, at least 1
size_t slotsFor(size_t n)
{
    size_t power = 1;
    while (power < n)
        power <<= 1;
    return power;
}

} // namespace

TTextNumbers::TTextNumbers(size_t recent)
    : m_recent(slotsFor(recent))
    , m_mask(m_recent.size() - 1)
{ }

quint32 TTextNumbers::lookUp(const QString &text)
{
    auto it = m_numbers.constFind(text);
    if (it == m_numbers.cend()) {
        it = m_numbers.insert(text, quint32(m_texts.size()));
        m_texts.append(text);
    }
    const quint32 number = it.value();
    const void *data = text.constData();
    Recent &recent = m_recent[(quintptr(data) >> 4) & m_mask];
    recent.data = data;
    recent.size = text.size();
    recent.number = number;
    recent.held = text;
    return number;
}

void TTextNumbers::trim(quint32 limit)
{
    if (count() <= limit)
        return;
    std::fill(m_recent.begin(), m_recent.end(), Recent());
    m_numbers.clear();
    m_texts.clear();
}

} // namespace PosLib
