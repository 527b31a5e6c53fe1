#include "trepvoidleaves.h"

#include "taggregatestream.h"
#include "tfactsof.h"
#include "ttable.h"
#include "ttableentry.h"

using namespace Basics;

namespace PosLib {

// ---- void leaves ----------------------------------------------------------

bool TRepVoidLeaf::addEntry(TTableEntry *entry)
{
    return add(TFactsOf(entry, nullptr).entry());
}

bool TRepVoidLeaf::add(const TEntryFacts &entry)
{
    const double count = entry.count();
    if (count == 0)
        return false;
    TReportLeaf::add(count, entry.getDouble(FAmount));
    return true;
}

TRepVoid::TRepVoid(const TTableEntry *entry, const TTable *table)
    : TRepVoid(TFactsOf(entry, nullptr).entry(), TFactsOf(nullptr, table).table())
{ }

TRepVoid::TRepVoid(const TEntryFacts &entry, const TTableFacts &table)
{
    entry.copyTo(*this, {FArticle, FPlu, FPrice, FVWaiter, FVWaiterName, FReason});
    if (!table.isNull())
        table.header().copyTo(*this, {FTable, FParty});
}

bool TRepVoid::add(const TEntryFacts &entry)
{
    if (!TRepVoidLeaf::add(entry))
        return false;
    m_date = entry.date();
    m_time = entry.time();
    m_dated = true;
    return true;
}

void TRepVoid::writeState(TAggregateWriter &out) const
{
    TRepVoidLeaf::writeState(out);
    out.boolean(m_dated);
    out.date(m_date);
    out.time(m_time);
}

void TRepVoid::readState(TAggregateReader &in, bool fresh)
{
    TRepVoidLeaf::readState(in, fresh);
    const bool dated = in.boolean();
    const QDate date = in.date();
    const QTime time = in.time();
    // the last void taken sets them
    if (dated) {
        m_dated = true;
        m_date = date;
        m_time = time;
    }
}

TRepVArticle::TRepVArticle(const TTableEntry *entry)
    : TRepVArticle(TFactsOf(entry, nullptr).entry())
{ }

TRepVArticle::TRepVArticle(const TEntryFacts &entry)
{
    entry.copyTo(*this, {FArticle, FPrice});
}

} // namespace PosLib
