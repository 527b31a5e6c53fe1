#pragma once

#include "tentryfacts.h"
#include "trecordcodec.h"
#include "treportleaf.h"
#include "ttextpool.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>

#include <cstring>
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
struct TTaxGroupFacts;

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
    // Makes leaves of compact rows, for nodes that keep rows.
    virtual void materialize() const { }
    virtual int leafCount() const { return int(m_leaves.size()); }

    mutable Leaves m_leaves;
    // the leaves by key for adding later days (mergeDay), once one is added
    QHash<QString, TReportLeaf *> m_merged;
    QString m_name;
    bool m_keepRecords = true;
    // records taken without leaves
    int m_taken = 0;
};

// The leaves of a node by a key of numbers that spells out the node's key:
// a cache in front of the node's leaves by text.
template<typename Key>
class TLeafIndex
{
public:
    TReportLeaf *find(const Key &key) const { return m_leaves.value(key, nullptr); }
    void insert(const Key &key, TReportLeaf *leaf)
    {
        if (leaf)
            m_leaves.insert(key, leaf);
    }

private:
    QHash<Key, TReportLeaf *> m_leaves;
};

// The leaves of a node by a number, in one flat table: what every order
// looks up several times per group, so a probe is a multiplication and a
// compare rather than a general hash.
class TNumberLeafIndex
{
public:
    TReportLeaf *find(qint64 key) const
    {
        if (m_slots.empty())
            return nullptr;
        for (size_t i = slotOf(key);; i = (i + 1) & (m_slots.size() - 1)) {
            const Slot &slot = m_slots[i];
            if (!slot.leaf || slot.key == key)
                return slot.leaf;
        }
    }
    // `key` must not be in the index yet; a null leaf is not kept.
    void insert(qint64 key, TReportLeaf *leaf);

private:
    struct Slot
    {
        qint64 key = 0;
        TReportLeaf *leaf = nullptr;
    };
    size_t slotOf(qint64 key) const
    {
        return size_t((quint64(key) * 0x9E3779B97F4A7C15ull) >> m_shift);
    }
    void place(qint64 key, TReportLeaf *leaf);

    std::vector<Slot> m_slots;
    size_t m_used = 0;
    int m_shift = 64;
};

// The leaves of a node by numbers and a text as a file holds its bytes, in
// front of the node's own lookup: most entries of a file find their leaf
// without decoding the text. Texts that spell the same key differently
// (line breaks the key leaves out) are told apart here and share the leaf.
template<typename Key>
class TRawLeafIndex
{
public:
    TReportLeaf *find(const Key &key, Basics::TRawString text) const
    {
        auto it = m_texts.constFind(key);
        if (it == m_texts.cend())
            return nullptr;
        for (const Text &t : it.value()) {
            if (t.bytes.size() == text.size
                && std::memcmp(t.bytes.constData(), text.data, size_t(text.size)) == 0)
                return t.leaf;
        }
        return nullptr;
    }
    void insert(const Key &key, Basics::TRawString text, TReportLeaf *leaf)
    {
        if (leaf && !text.isNull())
            m_texts[key].push_back(
                    {QByteArray(reinterpret_cast<const char *>(text.data), text.size), leaf});
    }

private:
    struct Text
    {
        QByteArray bytes;
        TReportLeaf *leaf;
    };
    QHash<Key, std::vector<Text>> m_texts;
};

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

protected:
    bool addToTotal(const TEntryFacts &entry, const TTableFacts &table) override;
    bool numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                   bool &counted) const override;

private:
    void addTaxGroup(int id, const QString &name, const Basics::TValueField &rate, qint64 amount,
                     const TTableFacts &table);

    bool m_taxGroups = false;
};

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

// One department as the "departments" node counts in it: its number, its
// name and the article numbers (n >= 0) and families (as -n) it covers.
struct TDepartmentCover
{
    int id;
    QString name;
    QSet<int> covered;
};
using TDepartmentCovers = std::vector<TDepartmentCover>;
// The departments of the installation at `dataPath`; none when it has no
// list that can be read (nothing counts in the node then).
std::shared_ptr<const TDepartmentCovers> departmentCovers(const QString &dataPath);

// "departments": an entry counts in every department that covers its
// article or family (departments of the installation at `dataPath`, or
// the ones given, read once for many groups).
class TRepDepartments : public TRepOrderNode
{
public:
    explicit TRepDepartments(const QString &dataPath);
    explicit TRepDepartments(std::shared_ptr<const TDepartmentCovers> departments);
    TReportLeaf *newLeaf() const override;
    ~TRepDepartments() override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    // The entry's "department".
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
    using TRepOrderNode::createLeaf;

private:
    void addMatching(const TEntryFacts &entry, const TTableFacts &table);
    // The departments covering an article number and family.
    const std::vector<int> &matching(qint64 plu, int family);
    std::shared_ptr<const TDepartmentCovers> m_departments;
    QHash<std::pair<qint64, int>, std::vector<int>> m_matching;
    TNumberLeafIndex m_index;
};

// ---- void nodes -----------------------------------------------------------

class TRepVoidNode : public TReportNode
{
public:
    explicit TRepVoidNode(const QString &name);
    const TReportLeaf *total() const override { return m_total.get(); }
    // The total takes every void, whatever its key.
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                   QStringList &columns) const override;
    void writeXml(QDomDocument &doc, QDomNode &parent) const override;

protected:
    virtual bool addToTotal(const TEntryFacts &entry);
    std::unique_ptr<TRepVoidLeaf> m_total;
};

class TRepVoids : public TRepVoidNode
{
public:
    TRepVoids();
    using TRepVoidNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;

protected:
    bool addToTotal(const TEntryFacts &entry) override;
};

class TRepVArticles : public TRepVoidNode
{
public:
    TRepVArticles();
    TReportLeaf *newLeaf() const override;
    using TRepVoidNode::createLeaf;
    using TRepVoidNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;
};

class TRepAllVoids : public TRepVoidNode
{
public:
    TRepAllVoids();
    TReportLeaf *newLeaf() const override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    using TRepVoidNode::createLeaf;
    using TRepVoidNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    int leafCount() const override;
};

// ---- pay nodes ------------------------------------------------------------

class TRepPayNode : public TReportNode
{
public:
    explicit TRepPayNode(const QString &name);
    const TReportLeaf *total() const override { return m_total.get(); }
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                   QStringList &columns) const override;
    void writeXml(QDomDocument &doc, QDomNode &parent) const override;

protected:
    virtual bool addToTotal(const TEntryFacts &entry);
    std::unique_ptr<TRepPayLeaf> m_total;
};

class TRepPays : public TRepPayNode
{
public:
    TRepPays();
    // Every pay counts in the total; the node has no leaves.
    void add(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    bool addToTotal(const TEntryFacts &entry) override;
};

// "tables": one leaf per table and pay day. The leaves are held as compact
// rows (the table's texts by number, its pays' figures) until asked for.
class TRepTables : public TRepPayNode
{
public:
    TRepTables();
    bool writeDay(TAggregateWriter &out) const override;
    void mergeDay(TAggregateReader &in) override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    using TRepPayNode::createLeaf;
    using TRepPayNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;
    void visitLeaves(const LeafVisitor &visit) const override;
    // Calls `visit` for every table in the order of the table report: by
    // the date and time (to the second) of the pay that made it, tables of
    // the same second in the order of their keys. Rows are made leaves for
    // the call only.
    void visitByTime(const std::function<void(const TRepTable &leaf)> &visit) const;

protected:
    void materialize() const override;
    int leafCount() const override;

private:
    // a leaf as a row
    struct Row
    {
        qint64 archive;
        QDate payDate;
        QDate tableDate;
        QTime payTime;
        QTime tableTime;
        quint32 table; // text numbers, TTextPool::Absent when missing
        quint32 party;
        quint32 name;
        bool hasTable;
        bool inHouse;
        int firstPay; // into m_pays, -1 for none
        int lastPay;
    };
    TReportLeaf *leafOf(const Row &row) const;
    static QString keyOf(const Row &row);
    // a pay the leaf took
    struct Pay
    {
        qint64 amount;
        qint64 tip;
        qint64 guests;
        qint64 net; // given - return
        QDate date;
        QTime time;
        quint32 payform; // the pay form's name
        int next;
    };
    // the key's parts: the pay's day and the table's archive number
    struct Key
    {
        int year;
        int month;
        int day;
        qint64 archive;
        bool operator==(const Key &o) const
        {
            return year == o.year && month == o.month && day == o.day && archive == o.archive;
        }
        friend size_t qHash(const Key &k, size_t seed = 0)
        {
            return qHashMulti(seed, k.year, k.month, k.day, k.archive);
        }
    };
    int rowOf(const TEntryFacts &entry, const TTableFacts &table);

    mutable std::vector<Row> m_rows;
    mutable std::vector<Pay> m_pays;
    mutable bool m_compact = true;
    QHash<Key, int> m_rowOf;
    QHash<QString, int> m_rowOfText; // keys whose year is not four places wide
    TTextPool m_texts;
};

// The pays of one currency (the number in their "curr") as the cash and
// currency parts of a summary read them. Kept by "currencies" and
// "currreturns" whether or not they keep a leaf per pay.
struct TCurrencySums
{
    // One pay's currency as its leaf holds it.
    struct Pay
    {
        int number = 0; // the pay's leaf key; 0: there is no such pay
        QString name; // "currname"
        QString shortName; // "currshort"
        bool hasDecPos = false; // "currdecpos"
        int decPos = 0;
    };

    qint64 given = 0;
    qint64 returned = 0;
    // given - return of tables that do not count in the turnover
    qint64 notInSummary = 0;
    qint64 orgGiven = 0;
    // of the pays that count in the cash summary ("intermsum")
    qint64 cashReturned = 0;
    qint64 cashRetAmount = 0;
    // The pays whose leaves come first in key order: of all, and of those
    // in the cash summary with a return, and with a return amount.
    Pay first;
    Pay firstReturn;
    Pay firstRetAmount;
};

// True when the leaf key of pay `a` sorts before that of pay `b`: their
// keys are their numbers, in the order of the texts ("10" before "9").
bool numberKeyBefore(int a, int b);

class TRepPayforms : public TRepPayNode
{
public:
    TRepPayforms();
    TReportLeaf *newLeaf() const override;
    bool writeDay(TAggregateWriter &out) const override;
    void mergeDay(TAggregateReader &in) override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    using TRepPayNode::createLeaf;
    using TRepPayNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

    // By currency number; empty but for the nodes with a leaf per pay.
    const QMap<int, TCurrencySums> &currencySums() const { return m_currencySums; }
    // Whether the node keeps a note of each pay, so that it can be written
    // as a day aggregate (by default; TRepDatas::setKeepDayNotes()).
    void setKeepDayNotes(bool keep) { m_dayNotes = keep; }

protected:
    // A node with a leaf per pay ("currencies", "currreturns"), in the
    // currency of the pay or of its change: compact rows until asked for,
    // sums per currency always.
    TRepPayforms(const QString &name, bool returnMode);
    // Whether a pay gets a leaf of its own here.
    virtual bool takesPay(const TEntryFacts &entry) const;
    void visitLeaves(const LeafVisitor &visit) const override;
    void materialize() const override;
    int leafCount() const override;

private:
    // the fields a pay's leaf copies, by text numbers
    struct Copied
    {
        enum {
            Payform,
            PayformName,
            InTermSum,
            Waiter,
            WaiterName,
            Curr,
            CurrName,
            CurrShort,
            CurrRate,
            CurrDecPos,
            Count
        };
        quint32 text[Count];
        bool hasTable;
        bool vatOh;
        bool inSum;
        quint32 billNum;
        bool operator==(const Copied &o) const;
        friend size_t qHash(const Copied &c, size_t seed = 0)
        {
            return qHashMulti(seed, qHashRange(std::begin(c.text), std::end(c.text)), c.hasTable,
                              c.vatOh, c.inSum, c.billNum);
        }
    };
    // a leaf as a row
    struct Row
    {
        TPayValues pay;
        quint32 copied; // into m_copied
        bool taken;
    };
    // What the first pays of a currency are picked by: a pay's number,
    // its currency and whether it counts as a return in the cash summary.
    struct Note
    {
        int number;
        int currency;
        quint32 name; // text numbers
        quint32 shortName;
        int decPos;
        bool hasDecPos;
        bool cashReturn;
        bool cashRetAmount;
    };
    void notePay(const Note &note);
    TReportLeaf *leafOf(const Row &row) const;
    // The copied fields by the texts of this node.
    quint32 internCopied(const Copied &c);
    void countCurrency(const TEntryFacts &entry, const TTableFacts &table, int number, bool taken);
    quint32 copiedOf(const TEntryFacts &entry, const TTableFacts &table);

    bool m_perPay = false;
    bool m_returnMode = false;
    mutable std::vector<Row> m_rows;
    mutable bool m_compact = true;
    TTextPool m_texts;
    std::vector<Copied> m_copied;
    QHash<Copied, quint32> m_copiedIds;
    QMap<int, TCurrencySums> m_currencySums;
    std::vector<Note> m_notes;
    bool m_dayNotes = true;
    // by the pay form's number and the table's and pay's summary flags
    TRawLeafIndex<quint64> m_raw;
};

class TRepSubvents : public TRepPayNode
{
public:
    TRepSubvents();
    TReportLeaf *newLeaf() const override;
    bool writeDay(TAggregateWriter &out) const override;
    void mergeDay(TAggregateReader &in) override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    using TRepPayNode::createLeaf;
    using TRepPayNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;
    // Pays that carried a subvention.
    int subventionCount() const { return m_subventions; }

private:
    int m_subventions = 0;
};

// "currencies": one leaf per pay that counts in the cash summary.
class TRepCurrencies : public TRepPayforms
{
public:
    TRepCurrencies();
    using TRepPayforms::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;

protected:
    bool takesPay(const TEntryFacts &entry) const override;
};

// "currreturns": one leaf per pay, in the currency of its change.
class TRepCurrReturns : public TRepPayforms
{
public:
    TRepCurrReturns();
    using TRepPayforms::createLeaf;
    using TRepPayforms::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    bool takesPay(const TEntryFacts &entry) const override;
};

class TRepHotelRooms : public TRepPayNode
{
public:
    TRepHotelRooms();
    TReportLeaf *newLeaf() const override;
    QString mergedKey(const QString &key, int offset) const override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    using TRepPayNode::createLeaf;
    using TRepPayNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    int leafCount() const override;
};

// ---- cash and balance nodes -----------------------------------------------

// A node with a leaf per record, numbered "1", "2", … in the order taken:
// the cash records ("cashins", "cashouts") and the balance records
// ("balances"). The records are held as compact rows of the fields their
// leaves read (texts kept once) and made leaves when something asks for the
// leaves; visitRecords() reads them one at a time without that. Told to keep
// no records (setKeepRecords()), the node counts the records it takes: what
// a report that does not list them reads.
class TRepRecordNode : public TReportNode
{
public:
    // How a row keeps a field of the record: its value as getLong() reads
    // it, its text with its type, or whether the record has it.
    enum Cell : quint8 { Number, Text, Flag };
    struct Column
    {
        TField field;
        Cell cell;
    };

    TRepRecordNode(const QString &name, std::initializer_list<Column> columns);
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    // The next number for a record the node takes; empty when it does not.
    using TReportNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    // Calls `visit(number, leaf)` for every record, in the order of their
    // numbers: the leaves, or a leaf made of each row for the call only.
    void visitRecords(const std::function<void(int number, const TReportLeaf &leaf)> &visit) const;
    void visitLeaves(const LeafVisitor &visit) const override;
    // A day aggregate holds the rows, or the leaves once they were asked
    // for; the records of a later day are numbered on after these.
    bool writeDay(TAggregateWriter &out) const override;
    void mergeDay(TAggregateReader &in) override;

protected:
    // Whether the node takes the record.
    virtual bool takes(const TEntryFacts &entry) const;
    // The leaf of one record, filled from it.
    virtual TReportLeaf *leafOf(const TEntryFacts &entry) const = 0;
    void materialize() const override;
    int leafCount() const override;

private:
    // The record of a row, with the fields its leaf reads.
    void rowRecord(int row, Basics::TValue &record) const;
    // The leaf of a row, made now; null when the record makes none.
    TReportLeaf *rowLeaf(int row) const;
    std::vector<Column> m_columns;
    int m_numbers = 0; // columns of each kind
    int m_texts = 0;
    mutable std::vector<qint64> m_numberCells;
    mutable std::vector<quint32> m_textCells; // text numbers, TTextPool::Absent when missing
    mutable std::vector<quint8> m_types;
    mutable std::vector<quint32> m_flagCells; // a bit per flag column
    mutable int m_rows = 0;
    mutable bool m_compact = true;
    TTextPool m_pool;
};

class TRepCashNode : public TRepRecordNode
{
public:
    explicit TRepCashNode(const QString &name);
    TReportLeaf *newLeaf() const override;
    QString mergedKey(const QString &key, int offset) const override;
    using TReportNode::createLeaf;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    TReportLeaf *leafOf(const TEntryFacts &entry) const override;
};

// Cash in: records with an amount of 0 or more.
class TRepCashIns : public TRepCashNode
{
public:
    TRepCashIns();

protected:
    bool takes(const TEntryFacts &entry) const override;
};

// Cash out: records with an amount of 0 or less.
class TRepCashOuts : public TRepCashNode
{
public:
    TRepCashOuts();

protected:
    bool takes(const TEntryFacts &entry) const override;
};

class TRepBalanceNode : public TRepRecordNode
{
public:
    TRepBalanceNode();
    TReportLeaf *newLeaf() const override;
    QString mergedKey(const QString &key, int offset) const override;
    using TReportNode::createLeaf;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    TReportLeaf *leafOf(const TEntryFacts &entry) const override;
};

} // namespace PosLib
