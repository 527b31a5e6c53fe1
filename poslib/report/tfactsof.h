#pragma once

#include "tentryfacts.h"
#include "ttablefacts.h"

namespace PosLib {

class TTable;
class TTableEntry;

// The facts of an entry and of its table in memory, for the leaves' and
// nodes' operations that take entries and tables (the generator hands them
// facts directly). Either pointer may be null: no entry, no table.
class TFactsOf
{
public:
    TFactsOf(const TTableEntry *entry, const TTable *table);

    const TEntryFacts &entry() const { return m_entry; }
    const TTableFacts &table() const { return m_table; }

private:
    TEntryFacts m_entry;
    TTableFacts m_table;
};

} // namespace PosLib
