#pragma once

#include "trepordernodes.h"

namespace PosLib {

struct TTaxGroupFacts;

class TRepVatRates : public TRepOrderNode
{
public:
    TRepVatRates();
    TReportLeaf *newLeaf() const override;
    bool writeDay(TAggregateWriter &out) const override;
    void mergeDay(TAggregateReader &in) override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    using TRepOrderNode::createLeaf;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;
    // Adds a tax group of a table (key: the tax id).
    void addTaxGroup(const Basics::TValue &group, const TTable *table);
    void addTaxGroup(const TTaxGroupFacts &group, const TTableFacts &table);
    bool hasTaxGroups() const { return m_taxGroups; }
    bool restart() override;

protected:
    bool addToTotal(const TEntryFacts &entry, const TTableFacts &table) override;
    bool numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                   bool &counted) const override;

private:
    void addTaxGroup(int id, const QString &name, const Basics::TValueField &rate, qint64 amount,
                     const TTableFacts &table);

    bool m_taxGroups = false;
};

} // namespace PosLib
