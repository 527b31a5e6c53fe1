#pragma once

#include "treportleaf.h"

#include <QDate>
#include <QTime>

namespace PosLib {

class TAggregateReader;
class TAggregateWriter;
class TEntryFacts;
class TTable;
class TTableEntry;
class TTableFacts;

// ---- void leaves ---------------------------------------------------------

class TRepVoidLeaf : public TReportLeaf
{
public:
    // count 0: not taken; else count += count, amount += the void's amount.
    virtual bool addEntry(TTableEntry *entry);
    virtual bool add(const TEntryFacts &entry);
};

class TRepVoid : public TRepVoidLeaf
{
public:
    TRepVoid() = default;
    explicit TRepVoid(const TTableEntry *entry, const TTable *table);
    TRepVoid(const TEntryFacts &entry, const TTableFacts &table);
    using TRepVoidLeaf::addEntry;
    bool add(const TEntryFacts &entry) override;
    QDate date() const { return m_date; }
    QTime time() const { return m_time; }
    void writeState(TAggregateWriter &out) const override;
    void readState(TAggregateReader &in, bool fresh) override;

private:
    QDate m_date;
    QTime m_time;
    bool m_dated = false; // date and time come from a void taken
};

class TRepVArticle : public TRepVoidLeaf
{
public:
    TRepVArticle() = default;
    explicit TRepVArticle(const TTableEntry *entry);
    explicit TRepVArticle(const TEntryFacts &entry);
};

} // namespace PosLib
