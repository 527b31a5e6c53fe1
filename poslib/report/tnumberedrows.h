#pragma once

#include "tnodeparts.h"
#include "tnumberrowspool.h"

#include <cstring>
#include <deque>
#include <memory>
#include <type_traits>

namespace PosLib {

// The compact rows of a node with a leaf per record, numbered 1, 2, … in
// the order they are added: held in memory up to a number of rows, beyond
// it written to a temporary file a run at a time (TNumberRowSpool), so that
// a year's rows need no more memory than a day's. Read in the order of the
// numbers' texts (the leaves' keys) or of the numbers (a day aggregate).
// When the file cannot be written the rows stay in memory.
template<typename Row>
class TNumberedRows
{
    static_assert(std::is_trivially_copyable_v<Row>, "rows are spooled as their bytes");

public:
    // `spoolAt`: the rows held before they are written (0: never).
    explicit TNumberedRows(int spoolAt = 0)
        : m_spoolAt(spoolAt)
    { }

    int size() const { return written() + int(m_held.size()); }
    bool spooled() const { return m_spool && !m_spool->isEmpty(); }

    void push_back(const Row &row)
    {
        m_held.push_back(row);
        if (m_spoolAt > 0 && int(m_held.size()) >= m_spoolAt)
            spoolHeld();
    }
    // No rows, none held and none written, from now on.
    void clear()
    {
        std::deque<Row>().swap(m_held);
        m_spool.reset();
    }

    // Calls `visit(number, row)` for each row in the order of the numbers'
    // texts ("1", "10", "100", "11", …, "2"), as a map by them holds them.
    template<typename Visit>
    void forEachByText(Visit visit) const
    {
        if (!spooled()) {
            NodeParts::forNumbersAsTexts(int(m_held.size()), [&](int number) {
                visit(number, m_held[size_t(number - 1)]);
            });
            return;
        }
        TNumberRowSpool::ByText rows(*m_spool, int(m_held.size()));
        const int written = this->written();
        int number = 0;
        const void *bytes = nullptr;
        while (rows.next(number, bytes))
            visit(number, bytes ? asRow(bytes) : m_held[size_t(number - written - 1)]);
    }
    // Calls `visit(row)` for each row in the order of the numbers.
    template<typename Visit>
    void forEachByNumber(Visit visit) const
    {
        if (spooled())
            m_spool->forEachByNumber([&visit](int, const void *row) { visit(asRow(row)); });
        for (const Row &row : m_held)
            visit(row);
    }

private:
    int written() const { return m_spool ? m_spool->written() : 0; }
    static Row asRow(const void *bytes)
    {
        Row row;
        std::memcpy(&row, bytes, sizeof row);
        return row;
    }
    void spoolHeld()
    {
        if (!m_spool)
            m_spool = std::make_unique<TNumberRowSpool>(int(sizeof(Row)));
        if (!m_spool->add(int(m_held.size()),
                          [this](int index) -> const void * { return &m_held[size_t(index)]; })) {
            // held in memory from now on
            m_spoolAt = 0;
            return;
        }
        m_held.clear();
    }

    int m_spoolAt;
    // in blocks: no copy of them all as they grow
    std::deque<Row> m_held;
    std::unique_ptr<TNumberRowSpool> m_spool;
};

} // namespace PosLib
