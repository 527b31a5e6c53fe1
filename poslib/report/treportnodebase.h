#pragma once

#include "tleafspool.h"
#include "treportleaf.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QDomDocument;
class QDomNode;
class QTextStream;

namespace PosLib {

class TAggregateReader;
class TAggregateWriter;
class TEntryFacts;
class TTable;
class TTableEntry;
class TTableFacts;

// A named set of leaves keyed by a text the node derives from each entry.
// Entries with the same key are summed in one leaf. Order, void and pay
// nodes also keep a total over everything they took.
//
// A node takes an entry of a table in memory (addEntry) or the facts of
// one (add, what the report generator uses); both count alike. The nodes
// that many entries reach find their leaf by a number (or a few) before
// they spell out the key, so an entry costs a hash lookup, not a text.
class TReportNode
{
public:
    using Leaves = QMap<QString, TReportLeaf *>;

    explicit TReportNode(const QString &name);
    virtual ~TReportNode();
    TReportNode(const TReportNode &) = delete;
    TReportNode &operator=(const TReportNode &) = delete;

    QString nodeName() const { return m_name; }
    // The leaves by key. A node that holds its records as compact rows
    // makes them leaves now, and holds leaves from then on.
    const Leaves &leaves() const
    {
        materialize();
        return m_leaves;
    }
    TReportLeaf *leaf(const QString &key) const { return leaves().value(key); }
    // Calls `visit(key, leaf)` for every leaf in the order of leaves(). A
    // node that holds compact rows makes a leaf of each row for the call
    // only and stays compact: what reads a year of pays once needs.
    using LeafVisitor = std::function<void(const QString &key, const TReportLeaf &leaf)>;
    virtual void visitLeaves(const LeafVisitor &visit) const;
    // The number of leaves; for a node that keeps no record leaves, the
    // number of records it took.
    int count() const { return leafCount(); }
    // No leaf and no record taken; cheaper than count() for a node that
    // has to read its spool to count.
    bool isEmpty() const { return !holdsLeaves(); }

    // The leaves a node with a leaf per void or hotel room pay holds before
    // it writes them to a temporary file (TLeafSpool; 0: never), for the
    // nodes made from then on; 64 unless set (tests set a few).
    static void setSpoolLeaves(int leaves);
    static int spoolLeaves();

    // The record nodes ("tables", "currencies", "currreturns", "hotrooms",
    // "allvoids"; "cashins", "cashouts", "balances") keep a leaf for every
    // pay, void, cash or balance record (by default). Told not to, before
    // anything is added, they keep their total and the sums per currency
    // only: leaves() is empty then and count() counts the records taken.
    // What the summary writer does when it reads no more.
    void setKeepRecords(bool keep) { m_keepRecords = keep; }
    bool keepsRecords() const { return m_keepRecords; }
    // The node's own total; null for cash and balance nodes.
    virtual const TReportLeaf *total() const { return nullptr; }

    // Adds one entry to the total and to the leaf of its key.
    virtual void addEntry(TTableEntry *entry, const TTable *table);
    virtual void add(const TEntryFacts &entry, const TTableFacts &table) = 0;
    // The leaf for a new key; null when the node keeps no leaves.
    virtual TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table);
    virtual TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table);
    // The key of an entry; empty: not counted here. Default: a new leaf
    // per entry.
    virtual QString keyOf(TTableEntry *entry, const TTable *table) const;
    virtual QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const;

    virtual void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                           QStringList &columns) const;
    // Writes prefix + "rep_" + name + ".txt": a column line, then one line
    // per leaf.
    virtual void writeFile(const QString &prefix, const Basics::TValue &record) const;
    virtual void writeXml(QDomDocument &doc, QDomNode &parent) const;

    // A day aggregate: writes what the node took (its total, its leaves or
    // rows); false when it cannot, because its record leaves were asked
    // for already. mergeDay() adds what a node of the same kind wrote, as
    // if those entries came after the ones this node took.
    virtual bool writeDay(TAggregateWriter &out) const;
    virtual void mergeDay(TAggregateReader &in);

    // Empties the node for another day's entries, as when it was made, but
    // keeps its leaves and their indexes: a leaf a later day's entry finds
    // is filled anew by that entry (refill()), and a day aggregate holds
    // the leaves of its day only. False for a node that cannot (it is made
    // anew then). What the day groups of the cache do from day to day.
    virtual bool restart() { return false; }

protected:
    // The total and the records taken without leaves, of a day aggregate.
    void writeTotal(TAggregateWriter &out) const;
    void mergeTotal(TAggregateReader &in);
    // A new leaf of the node's kind without values, which a day aggregate
    // fills; null for a node without leaves.
    virtual TReportLeaf *newLeaf() const { return nullptr; }
    // The key here of a leaf a later day keyed `key`: the same, but for
    // nodes that number their leaves, which go on from the `offset` leaves
    // this node held before that day.
    virtual QString mergedKey(const QString &key, int offset) const;
    // The leaf of `key`, created when missing; null when none can be made.
    TReportLeaf *leafFor(const QString &key, const TEntryFacts &entry, const TTableFacts &table);
    // `leaf` (of this node, or null) as the day's entries find it: one kept
    // from an earlier day is filled by `entry` first, as a new one would be.
    TReportLeaf *current(TReportLeaf *leaf, const TEntryFacts &entry, const TTableFacts &table)
    {
        if (leaf && leaf->day() != m_day) {
            refill(*leaf, entry, table);
            leaf->setDay(m_day);
        }
        return leaf;
    }
    // Fills a kept leaf as createLeaf() fills a new one (by default through
    // a new one).
    virtual void refill(TReportLeaf &leaf, const TEntryFacts &entry, const TTableFacts &table);
    // Whether a leaf belongs to the day the node holds.
    bool ofToday(const TReportLeaf &leaf) const { return leaf.day() == m_day; }
    // Starts another day (restart()): the leaves held are of earlier days
    // from now on.
    void nextDay();
    // Makes leaves of compact rows, for nodes that keep rows; reads the
    // spooled leaves back, for nodes that spool them.
    virtual void materialize() const { unspool(); }
    virtual int leafCount() const { return int(m_leaves.size()); }
    virtual bool holdsLeaves() const { return leafCount() > 0; }

    // A node with a leaf per record writes its leaves to a spool once it
    // holds spoolLeaves() of them (called by its constructor; `order`: the
    // second order a spool keeps, see visitSpoolOrder()). The spool is read
    // back by visitLeaves() a leaf at a time, by leaves() and a day
    // aggregate whole, and holds no more from then on.
    void spoolLeavesBeyond(const TLeafSpool::Order &order = TLeafSpool::Order());
    // After adding: spools the leaves held when they are many.
    void spoolWhenFull();
    // False when the leaves held cannot be spooled in their order: what was
    // spooled is read back then and the node holds its leaves from then on.
    virtual bool spoolable() const { return true; }
    bool spooled() const { return m_spool && !m_spool->isEmpty(); }
    // The leaves held and spooled (a key spooled twice counted twice).
    int leavesTaken() const { return int(m_leaves.size()) + (m_spool ? m_spool->written() : 0); }
    // The number of keys, held and spooled.
    int recordLeafCount() const;
    // Calls `visit` for every leaf in the spool's second order (a node that
    // holds its leaves has none: in key order then).
    void visitSpoolOrder(const LeafVisitor &visit) const;
    void unspool() const;

    mutable Leaves m_leaves;
    // the leaves by key for adding later days (mergeDay), once one is added
    mutable QHash<QString, TReportLeaf *> m_merged;
    QString m_name;
    bool m_keepRecords = true;
    // records taken without leaves
    int m_taken = 0;
    // the day of restart() (0: never restarted, every leaf is of today)
    quint32 m_day = 0;

private:
    std::vector<TLeafSpool::Held> heldLeaves() const;

    mutable std::unique_ptr<TLeafSpool> m_spool;
    TLeafSpool::Order m_spoolOrder;
    mutable int m_spoolAt = 0; // leaves held before spooling, 0: never
    mutable int m_keyCount = -1; // recordLeafCount() once spooled, -1: not counted
};

} // namespace PosLib
