#include "tleafindex.h"

using namespace Basics;

namespace PosLib {

// ---- TNumberLeafIndex -----------------------------------------------------

void TNumberLeafIndex::place(qint64 key, TReportLeaf *leaf)
{
    for (size_t i = slotOf(key);; i = (i + 1) & (m_slots.size() - 1)) {
        Slot &slot = m_slots[i];
        if (!slot.leaf) {
            slot = {key, leaf};
            ++m_used;
            return;
        }
        if (slot.key == key) {
            slot.leaf = leaf;
            return;
        }
    }
}

void TNumberLeafIndex::insert(qint64 key, TReportLeaf *leaf)
{
    if (!leaf)
        return;
    // at most half full, so that a probe ends soon
    if ((m_used + 1) * 2 > m_slots.size()) {
        std::vector<Slot> old;
        old.swap(m_slots);
        const size_t size = old.empty() ? 16 : old.size() * 2;
        m_slots.resize(size);
        m_shift = 64;
        for (size_t n = size; n > 1; n >>= 1)
            --m_shift;
        m_used = 0;
        for (const Slot &slot : old) {
            if (slot.leaf)
                place(slot.key, slot.leaf);
        }
    }
    place(key, leaf);
}

} // namespace PosLib
