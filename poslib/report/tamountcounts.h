#pragma once

#include <QtGlobal>

#include <vector>

namespace PosLib {

// How often each amount (in cents) came, in one flat table: what a VAT
// rate leaf holds back per order, so an order costs a multiplication and a
// compare. The amounts come back in no particular order.
class TAmountCounts
{
public:
    bool isEmpty() const { return m_used == 0; }
    void add(qint64 amount)
    {
        if ((m_used + 1) * 2 > m_slots.size())
            grow();
        for (size_t i = slotOf(amount);; i = (i + 1) & (m_slots.size() - 1)) {
            Slot &slot = m_slots[i];
            if (slot.count == 0) {
                slot = {amount, 1};
                ++m_used;
                return;
            }
            if (slot.amount == amount) {
                ++slot.count;
                return;
            }
        }
    }
    // Calls `visit(amount, count)` for each amount, then forgets them all
    // (the table's room kept).
    template<typename Visit>
    void take(Visit visit)
    {
        for (Slot &slot : m_slots) {
            if (slot.count != 0)
                visit(slot.amount, slot.count);
            slot = Slot();
        }
        m_used = 0;
    }

private:
    struct Slot
    {
        qint64 amount = 0;
        qint64 count = 0; // 0: an empty slot
    };
    size_t slotOf(qint64 amount) const
    {
        return size_t((quint64(amount) * 0x9E3779B97F4A7C15ull) >> m_shift);
    }
    // Twice the slots, at most half of them full.
    void grow()
    {
        std::vector<Slot> old;
        old.swap(m_slots);
        const size_t size = old.empty() ? 16 : old.size() * 2;
        m_slots.assign(size, Slot());
        m_shift = 64;
        for (size_t n = size; n > 1; n >>= 1)
            --m_shift;
        m_used = 0;
        for (const Slot &slot : old) {
            if (slot.count == 0)
                continue;
            for (size_t i = slotOf(slot.amount);; i = (i + 1) & (m_slots.size() - 1)) {
                if (m_slots[i].count == 0) {
                    m_slots[i] = slot;
                    ++m_used;
                    break;
                }
            }
        }
    }

    std::vector<Slot> m_slots;
    size_t m_used = 0;
    int m_shift = 64;
};

} // namespace PosLib
