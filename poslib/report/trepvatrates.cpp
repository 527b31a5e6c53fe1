#include "trepvatrates.h"

#include "taggregatestream.h"
#include "tfactsof.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

#include <cstring>

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

TTaxRateTexts::Rate TTaxRateTexts::of(const TEntryFacts &entry, TField field)
{
    TRawString raw;
    if (!entry.rawText(field, raw) || raw.size < 0 || raw.size > TextBytes)
        return {entry.getLong(field), entry.getDouble(field)};
    for (const Known &k : m_known) {
        if (k.field == field && k.size == raw.size
            && std::memcmp(k.bytes, raw.data, size_t(raw.size)) == 0)
            return k.rate;
    }
    const Rate rate = {entry.getLong(field), entry.getDouble(field)};
    // texts that do not repeat are read as they come
    if (m_known.size() >= MaxKnown)
        return rate;
    Known k;
    k.field = field;
    k.size = raw.size;
    std::memcpy(k.bytes, raw.data, size_t(raw.size));
    k.rate = rate;
    m_known.push_back(k);
    return k.rate;
}

void TRepVatRates::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.getBool(FCredit) || entry.has(FRoundingArt))
        return;
    // the VAT belongs to whoever took the money, the first pay's waiter; no
    // figure of the node depends on the waiter, so only a table without
    // pays (nobody took money) matters here
    if (!entry.hasChildren() && !table.hasPays())
        return;
    if (entry.hasComponents())
        addComponents(entry, table);
    else
        addLine(entry, table);
}

void TRepVatRates::addLine(const TEntryFacts &entry, const TTableFacts &table)
{
    // what numberKey(), addToTotal() and the leaf's add() read, read once
    const bool oh = outOfHouse(entry, table);
    const TTaxRateTexts::Rate rate = m_rates.of(entry, oh ? FRateOh : FRateIh);
    TReportLeaf *leaf = m_numbers.find(rate.key);
    if (leaf) {
        leaf = current(leaf, entry, table);
    } else {
        leaf = leafFor(QString::number(rate.key), entry, table);
        m_numbers.insert(rate.key, leaf);
    }
    const double count = entry.count();
    const qint64 price = entry.price();
    const bool hasTable = !table.isNull();
    if (count != 0 && hasTable && table.hasPays()) {
        m_total->TReportLeaf::add(count, double(price) * count);
        m_total->addSum(oh ? SumSumOh : SumSumIh, lineAmount(price, count));
    }
    if (leaf && count != 0 && !(hasTable && !table.inSum()))
        static_cast<TRepVatRate *>(leaf)->addLine(count, price, rate.value);
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
