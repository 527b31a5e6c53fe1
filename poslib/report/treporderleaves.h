#pragma once

#include "tamountcounts.h"
#include "treportleaf.h"

#include <memory>

namespace PosLib {

class TEntryFacts;
class TKeptFill;
class TTable;
class TTableEntry;
class TTableFacts;

// ---- order leaves: fed by article orders --------------------------------

// Every leaf takes an entry of a table in memory (addEntry) or the facts
// of one (add, what the report generator uses); both count alike. The
// constructors likewise.

class TRepOrderLeaf : public TReportLeaf
{
public:
    // count 0: not taken; else count += count, amount += price x count.
    virtual bool addEntry(TTableEntry *entry, const TTable *table);
    virtual bool add(const TEntryFacts &entry, const TTableFacts &table);
};

class TRepOrder : public TRepOrderLeaf
{
public:
    // A leaf without values yet, which a day aggregate fills.
    TRepOrder() = default;
    TRepOrder(const TTableEntry *entry, const TTable *table);
    TRepOrder(const TEntryFacts &entry, const TTableFacts &table);
};

class TRepFamily : public TRepOrderLeaf
{
public:
    TRepFamily() = default;
    explicit TRepFamily(const TTableEntry *entry);
    explicit TRepFamily(const TEntryFacts &entry);
};

class TRepFamGroup : public TRepOrderLeaf
{
public:
    TRepFamGroup() = default;
    explicit TRepFamGroup(const TTableEntry *entry);
    explicit TRepFamGroup(const TEntryFacts &entry);
};

class TRepArticle : public TRepOrderLeaf
{
public:
    TRepArticle();
    explicit TRepArticle(const TTableEntry *entry);
    explicit TRepArticle(const TEntryFacts &entry);
    ~TRepArticle() override;
    // Sets the fields the constructor sets (on a leaf without fields).
    void fill(const TEntryFacts &entry);
    // Empties the leaf and fills it as fill() does, setting again only the
    // fields that changed since the last refill (TKeptFill).
    void refill(const TEntryFacts &entry);

private:
    std::unique_ptr<TKeptFill> m_kept;
};

class TRepDiscount : public TRepArticle
{
public:
    TRepDiscount() = default;
    explicit TRepDiscount(const TTableEntry *entry);
    explicit TRepDiscount(const TEntryFacts &entry);
    using TRepArticle::addEntry;
    bool add(const TEntryFacts &entry, const TTableFacts &table) override;
};

class TRepDepartment : public TRepArticle
{
public:
    // The entry's "department" and "depname".
    TRepDepartment() = default;
    explicit TRepDepartment(const TTableEntry *entry);
    // Of the department the entry counts in.
    TRepDepartment(const TEntryFacts &entry, int department, const QString &name);
};

class TRepHour : public TRepOrderLeaf
{
public:
    TRepHour() = default;
    explicit TRepHour(int hour);
    int hour() const { return getInt(QStringLiteral("hour")); }
};

// VAT of one rate: net and VAT doubles besides count and amount. The net
// and VAT of an order depend on its gross amount and rate alone, and a
// rate's orders repeat a few amounts: the leaf counts its orders by amount
// and adds each amount's net and VAT once, times its count, when the sums
// are read (exactly, as the orders one by one would have added up).
class TRepVatRate : public TRepOrderLeaf
{
public:
    TRepVatRate() = default;
    TRepVatRate(const TTableEntry *entry, const TTable *table);
    TRepVatRate(const TEntryFacts &entry, const TTableFacts &table);
    using TRepOrderLeaf::addEntry;
    bool add(const TEntryFacts &entry, const TTableFacts &table) override;

    // An order taken: `count` at the unit `price`, at the VAT `rate`
    // (1900: 19.00 %).
    void addLine(double count, qint64 price, double rate);

    double net() const { return doubleSum(SumNet); }
    double vat() const { return doubleSum(SumVat); }
    void addVat(double vat);

protected:
    void settle() const override;

private:
    // `times` orders of `value` each to the named sum.
    void addTimes(TSumName name, double value, qint64 times);

    // the orders not in the sums yet: their number by gross amount, all
    // at `m_heldRate`
    TAmountCounts m_held;
    double m_heldRate = 0.0;
};

} // namespace PosLib
