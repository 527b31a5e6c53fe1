#pragma once

#include "treportleaf.h"
#include "tvalue.h"

namespace PosLib {

class TAggregateReader;
class TAggregateWriter;
class TEntryFacts;
class TTableEntry;

// ---- cash and balance ----------------------------------------------------

class TRepCashLeaf : public TReportLeaf
{
public:
    TRepCashLeaf() = default;
    explicit TRepCashLeaf(const TTableEntry *entry);
    explicit TRepCashLeaf(const TEntryFacts &entry);
    bool addEntry(TTableEntry *entry);
    bool add(const TEntryFacts &entry);
    // The currency of the cash record, from its return-currency values.
    const Basics::TValue &currency() const { return m_currency; }
    qint64 retAmount() const { return sum(SumRetAmount); }
    QString reason() const { return getString(QStringLiteral("reason")); }
    void writeState(TAggregateWriter &out) const override;
    void readState(TAggregateReader &in, bool fresh) override;

private:
    Basics::TValue m_currency;
};

class TRepBalanceLeaf : public TReportLeaf
{
public:
    bool addEntry(TTableEntry *entry);
    bool add(const TEntryFacts &entry);
};

} // namespace PosLib
