#pragma once

#include "tfield.h"
#include "trepordernodes.h"

#include <vector>

namespace PosLib {

struct TTaxGroupFacts;

// The tax rates of orders by the bytes their files hold them in: a rate's
// leaf key (getLong()) and value (getDouble()) read once per text and
// field instead of once per order. The few rates of an installation
// repeat from order to order.
class TTaxRateTexts
{
public:
    struct Rate
    {
        qint64 key = 0;
        double value = 0.0;
    };
    // The rate in `field` of `entry` (0 when it has none), as its getters
    // give it.
    Rate of(const TEntryFacts &entry, TField field);

private:
    // texts of up to this many bytes are kept
    static constexpr int TextBytes = 32;
    // and at most this many texts
    static constexpr size_t MaxKnown = 16;
    struct Known
    {
        TField field;
        qint32 size;
        uchar bytes[TextBytes];
        Rate rate;
    };
    std::vector<Known> m_known;
};

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
    // An order without components: the total and the leaf of its rate,
    // each of its fields read once.
    void addLine(const TEntryFacts &entry, const TTableFacts &table);

    bool m_taxGroups = false;
    TTaxRateTexts m_rates;
};

} // namespace PosLib
