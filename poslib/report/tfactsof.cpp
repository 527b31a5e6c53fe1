#include "tfactsof.h"

#include "ttable.h"

namespace PosLib {

TFactsOf::TFactsOf(const TTableEntry *entry, const TTable *table)
{
    if (entry)
        m_entry.takeEntry(*entry);
    if (table)
        m_table.take(*table);
}

} // namespace PosLib
