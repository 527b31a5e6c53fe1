#pragma once

#include "tleafindex.h"
#include "treporderleaves.h"
#include "treportnodebase.h"

#include <QHash>
#include <QString>

#include <memory>

namespace PosLib {

// ---- order nodes ----------------------------------------------------------

class TRepOrderNode : public TReportNode
{
public:
    explicit TRepOrderNode(const QString &name);
    const TReportLeaf *total() const override { return m_total.get(); }
    TRepOrderLeaf *orderTotal() const { return m_total.get(); }

    // A component child counts in place of its order; else the total and
    // the leaf of the key take the entry.
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    // The number key spelled out, when the node has number keys.
    using TReportNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                   QStringList &columns) const override;
    void writeXml(QDomDocument &doc, QDomNode &parent) const override;
    // The total emptied, the leaves and their indexes kept.
    bool restart() override;

protected:
    TRepOrderNode(const QString &name, TRepOrderLeaf *total);
    // Adds to the total; true when it took the entry.
    virtual bool addToTotal(const TEntryFacts &entry, const TTableFacts &table);
    // The key as a number, for the nodes whose keys are numbers: sets `key`,
    // or `counted` to false for an entry this node does not count, and
    // returns true. False for a node whose keys are other texts.
    virtual bool numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                           bool &counted) const;
    // The leaf of the entry's key (created when missing); `counted` false
    // when the key is empty. Number keys find it through an index, other
    // keys through keyOf() and leafFor().
    virtual TReportLeaf *keyedLeaf(const TEntryFacts &entry, const TTableFacts &table,
                                   bool &counted);
    // Total and leaf, without the component rule.
    void addKeyed(const TEntryFacts &entry, const TTableFacts &table);
    void addComponents(const TEntryFacts &entry, const TTableFacts &table);

    std::unique_ptr<TRepOrderLeaf> m_total;
    TNumberLeafIndex m_numbers;
};

// "orders": article number x 1000 + the table's pay form.
class TRepOrders : public TRepOrderNode
{
public:
    TRepOrders();
    TReportLeaf *newLeaf() const override;
    using TRepOrderNode::createLeaf;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    bool addToTotal(const TEntryFacts &entry, const TTableFacts &table) override;
    bool numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                   bool &counted) const override;
};

// The pay form an order of this table falls under: the table's own
// "payform", else the only pay that is not voided, else 0; -1 when the
// table has no pays at all.
int orderPayform(const TTable *table);
int orderPayform(const TTableFacts &table);

// "negorders": articles booked with a count of 0 or less.
class TRepNegOrders : public TRepOrderNode
{
public:
    TRepNegOrders();
    TReportLeaf *newLeaf() const override;
    using TRepOrderNode::createLeaf;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    bool numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                   bool &counted) const override;
};

class TRepFamilies : public TRepOrderNode
{
public:
    TRepFamilies();
    TReportLeaf *newLeaf() const override;
    using TRepOrderNode::createLeaf;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    bool numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                   bool &counted) const override;
};

class TRepFamGroups : public TRepOrderNode
{
public:
    TRepFamGroups();
    TReportLeaf *newLeaf() const override;
    using TRepOrderNode::createLeaf;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    bool numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                   bool &counted) const override;
};

class TRepDiscounts : public TRepOrderNode
{
public:
    TRepDiscounts();
    TReportLeaf *newLeaf() const override;
    using TRepOrderNode::createLeaf;
    using TRepOrderNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    TReportLeaf *keyedLeaf(const TEntryFacts &entry, const TTableFacts &table,
                           bool &counted) override;

private:
    TLeafIndex<QString> m_index;
};

// "articles": "0000000101:950:Pizza Margherita" (number, unit price, text).
class TRepArticles : public TRepOrderNode
{
public:
    TRepArticles();
    TReportLeaf *newLeaf() const override;
    using TRepOrderNode::createLeaf;
    using TRepOrderNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    TReportLeaf *keyedLeaf(const TEntryFacts &entry, const TTableFacts &table,
                           bool &counted) override;
    void refill(TReportLeaf &leaf, const TEntryFacts &entry, const TTableFacts &table) override;

private:
    // article number, unit price and the text without line breaks
    struct Key
    {
        qint64 plu;
        qint64 price;
        QString text;
        bool operator==(const Key &o) const
        {
            return plu == o.plu && price == o.price && text == o.text;
        }
        friend size_t qHash(const Key &k, size_t seed = 0)
        {
            return qHashMulti(seed, k.plu, k.price, k.text);
        }
    };
    TLeafIndex<Key> m_index;
    TRawLeafIndex<std::pair<qint64, qint64>> m_raw; // by number and unit price
};
QString articleKey(const TTableEntry *entry);
QString articleKey(const TEntryFacts &entry);

class TRepHours : public TRepOrderNode
{
public:
    TRepHours();
    TReportLeaf *newLeaf() const override;
    using TRepOrderNode::createLeaf;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    bool numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                   bool &counted) const override;
};

} // namespace PosLib
