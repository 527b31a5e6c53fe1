#include "trepvatrates.h"

#include "taggregatestream.h"
#include "tfactsof.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

using namespace Basics;

namespace PosLib {

namespace {

bool outOfHouse(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.has(FIsVatOh))
        return entry.getBool(FIsVatOh);
    return !table.isNull() && table.vatOh();
}

} // namespace

TRepVatRates::TRepVatRates()
    : TRepOrderNode(QStringLiteral("vatrates"))
{ }

void TRepVatRates::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.getBool(FCredit) || entry.has(FRoundingArt))
        return;
    // the VAT belongs to whoever took the money, the first pay's waiter; no
    // figure of the node depends on the waiter, so only a table without
    // pays (nobody took money) matters here
    if (!entry.hasChildren() && !table.hasPays())
        return;
    TRepOrderNode::add(entry, table);
}

bool TRepVatRates::numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                             bool &) const
{
    key = entry.getLong(outOfHouse(entry, table) ? FRateOh : FRateIh);
    return true;
}

TReportLeaf *TRepVatRates::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepVatRate(entry, table);
}

TReportLeaf *TRepVatRates::newLeaf() const
{
    return new TRepVatRate;
}

bool TRepVatRates::writeDay(TAggregateWriter &out) const
{
    out.boolean(m_taxGroups);
    return TRepOrderNode::writeDay(out);
}

bool TRepVatRates::restart()
{
    m_taxGroups = false;
    return TRepOrderNode::restart();
}

void TRepVatRates::mergeDay(TAggregateReader &in)
{
    m_taxGroups = in.boolean() || m_taxGroups;
    TRepOrderNode::mergeDay(in);
}

bool TRepVatRates::addToTotal(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.getBool(FCredit) || entry.has(FRoundingArt) || table.isNull() || !table.hasPays())
        return false;
    if (!TRepOrderNode::addToTotal(entry, table))
        return false;
    const qint64 gross = lineAmount(entry.price(), entry.count());
    m_total->addSum(outOfHouse(entry, table) ? SumSumOh : SumSumIh, gross);
    return true;
}

void TRepVatRates::addTaxGroup(const TValue &group, const TTable *table)
{
    const TFactsOf facts(nullptr, table);
    addTaxGroup(group.id(), group.name(), group.get(QStringLiteral("rate")),
                group.getLong(QStringLiteral("amount")), facts.table());
}

void TRepVatRates::addTaxGroup(const TTaxGroupFacts &group, const TTableFacts &table)
{
    addTaxGroup(group.id, group.name, TValueField(TypeDecimal, group.rate), group.amount, table);
}

void TRepVatRates::addTaxGroup(int id, const QString &name, const TValueField &rate, qint64 amount,
                               const TTableFacts &table)
{
    const QString key = QString::number(id);
    auto *leaf = static_cast<TRepVatRate *>(m_leaves.value(key));
    // a leaf kept from an earlier day (restart()) is filled as a new one
    if (!leaf || !ofToday(*leaf)) {
        if (leaf) {
            leaf->restart();
        } else {
            leaf = new TRepVatRate;
            m_leaves.insert(key, leaf);
        }
        leaf->setDay(m_day);
        leaf->setName(name);
        if (!table.isNull()) {
            leaf->setBool(QStringLiteral("vatoh"), table.vatOh());
            leaf->setBool(QStringLiteral("insum"), table.inSum());
        }
        leaf->set(QStringLiteral("rate"), rate);
        leaf->set(QStringLiteral("vatrate"), TypeInteger, key);
    }
    if (!table.isNull() && table.inSum())
        leaf->addVat(double(amount));
    m_taxGroups = true;
}

} // namespace PosLib
