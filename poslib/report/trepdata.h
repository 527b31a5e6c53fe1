#pragma once

#include "treportleaf.h"
#include "treportnode.h"

#include <QHash>
#include <QMap>

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

// What a report reads of its groups: the nodes it prints and which groups
// it prints: the overall group only, the groups but the overall one, or
// both. Groups filled for printing walk only those nodes and fill only
// those groups; by default groups fill everything (exports, day aggregates
// others read).
class TRepScope
{
public:
    // Which groups a report prints.
    enum Groups {
        AllGroups,
        OverallOnly, // a report over all waiters
        GroupsOnly, // a report per waiter: the overall group is not read
        NoGroups, // nothing: what a side no report reads is filled with
    };
    // everything
    TRepScope() = default;
    // the nodes by their dictionary keys ("articles", "vatrates", …)
    TRepScope(const QStringList &nodes, Groups groups);
    TRepScope(const QStringList &nodes, bool overallOnly)
        : TRepScope(nodes, overallOnly ? OverallOnly : AllGroups)
    { }

    bool isAll() const { return m_all; }
    bool walks(const QString &node) const { return m_all || m_nodes.contains(node); }
    // (a scope of nothing fills the overall group with nothing)
    bool overallOnly() const { return !m_all && (m_groups == OverallOnly || m_groups == NoGroups); }
    bool groupsOnly() const { return !m_all && m_groups == GroupsOnly; }
    // What both read.
    TRepScope united(const TRepScope &other) const;
    // A short text naming the scope, empty for everything.
    QString key() const;
    bool operator==(const TRepScope &other) const { return key() == other.key(); }

private:
    bool m_all = true;
    Groups m_groups = AllGroups;
    // sorted, without doubles
    QStringList m_nodes;
};

// What the groups of one installation read of its files: the group
// settings in section "Settings" of "etc/reports.ini" ("SimpleRep",
// "VWaiter") and the departments. Read once for a run and shared by every
// group made with it, the day groups of the cache among them.
struct TRepSettings
{
    bool simpleRep = false;
    bool voidWaiter = false;
    std::shared_ptr<const TDepartmentCovers> departments;

    static std::shared_ptr<const TRepSettings> read(const QString &dataPath);
};
using TRepSettingsPtr = std::shared_ptr<const TRepSettings>;

// Every aggregate of one group of tables (one waiter, one cost center or
// the whole report): 22 nodes in five dictionaries, and the group values
// "waiter", "waitername", "center", "centername", "descr", "tablecount",
// "tableamount", "credits", "tip", "cash", "voids" in its own record.
class TRepData : public TReportLeaf
{
public:
    using Nodes = QMap<QString, TReportNode *>;

    // `source` names the group (its waiter and cost center are copied);
    // null for the overall group. `dataPath` locates the departments.
    TRepData(const Basics::TValue *source, const QString &dataPath);
    TRepData(const TEntryFacts &source, const QString &dataPath);
    // The same with the departments read before.
    TRepData(const Basics::TValue *source,
             const std::shared_ptr<const TDepartmentCovers> &departments);
    ~TRepData() override;
    TRepData(const TRepData &) = delete;
    TRepData &operator=(const TRepData &) = delete;

    const Nodes &orderNodes() const { return m_orders; }
    const Nodes &voidNodes() const { return m_voids; }
    const Nodes &payNodes() const { return m_pays; }
    const Nodes &cashNodes() const { return m_cash; }
    const Nodes &balanceNodes() const { return m_balances; }
    // A node by its dictionary key ("orders", "deps", "payforms", …).
    TReportNode *node(const QString &key) const;
    // Whether the record nodes keep a leaf per pay or void (see
    // TReportNode::setKeepRecords()); `only`, when not empty: of these
    // nodes only, the others count their records.
    void setKeepRecords(bool keep, const QStringList &only = QStringList());
    // The same for the cash and balance nodes: a leaf per cash or balance
    // record.
    void setKeepCashRecords(bool keep);
    // Whether the currency nodes keep what a day aggregate needs to pick
    // the first pays of a later day (see TRepDatas::setKeepDayNotes()).
    void setKeepDayNotes(bool keep);
    // Walks only the nodes of `scope` from now on; the others stay empty.
    void setScope(const TRepScope &scope);
    TRepVatRates *vatRates() const;

    void addOrder(TTableEntry *entry, const TTable *table);
    void addVoid(TTableEntry *entry, const TTable *table);
    void addPay(TTableEntry *entry, const TTable *table);
    void addCash(TTableEntry *entry, const TTable *table);
    void addBalance(TTableEntry *entry, const TTable *table);
    // Dispatches by entry type; other types are ignored.
    void add(TTableEntry *entry, const TTable *table);
    void countTable(const TTable *table);
    // The same for the facts of an entry and its table.
    void addOrder(const TEntryFacts &entry, const TTableFacts &table);
    void addVoid(const TEntryFacts &entry, const TTableFacts &table);
    void addPay(const TEntryFacts &entry, const TTableFacts &table);
    void addCash(const TEntryFacts &entry, const TTableFacts &table);
    void addBalance(const TEntryFacts &entry, const TTableFacts &table);
    void add(const TEntryFacts &entry, const TTableFacts &table);
    void countTable(const TTableFacts &table);

    virtual void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                           QStringList &columns) const;
    virtual void writeXml(QDomDocument &doc, QDomNode &parent) const;

    // A day aggregate of the group: its own values and every node (see
    // TReportNode::writeDay()); into a new group (`fresh`) or added to
    // this one as a later day's.
    bool writeDay(TAggregateWriter &out) const;
    void mergeDay(TAggregateReader &in, bool fresh);

    // Back to a group just made from `source`, for another day's tables:
    // the nodes entries walk are emptied (TReportNode::restart()) or made
    // anew with the options of the node they replace, the others took
    // nothing.
    void restartDay(const Basics::TValue *source);

private:
    void createNodes(const std::shared_ptr<const TDepartmentCovers> &departments);
    // A new node of a dictionary key ("articles", "deps", …).
    TReportNode *makeNode(const QString &key) const;
    bool walks(const TReportNode *node) const;
    // `made` in place of `old` in the walks, keeping what `old` kept.
    void replaceNode(TReportNode *old, TReportNode *made);
    // Sets "descr" when it changes.
    friend class TRepWaiters;
    void setDescription(const QString &descr);

    Nodes m_orders;
    Nodes m_voids;
    Nodes m_pays;
    Nodes m_cash;
    Nodes m_balances;
    // the order nodes in dictionary order, the VAT node marked: what an
    // order entry walks
    std::vector<std::pair<TReportNode *, bool>> m_orderWalk;
    std::vector<TReportNode *> m_voidWalk;
    std::vector<TReportNode *> m_payWalk;
    std::vector<TReportNode *> m_cashWalk;
    std::vector<TReportNode *> m_balanceWalk;
    QString m_descr;
    std::shared_ptr<const TDepartmentCovers> m_departments;
};

// The groups of one report, keyed by waiter or cost-center number; "0"
// holds the overall group.
class TRepDatas
{
public:
    using Groups = QMap<QString, TRepData *>;

    // `settings` as read from the installation at `dataPath` (read now when
    // null).
    TRepDatas(const QString &name, Basics::TValue *reportWaiter, const QString &dataPath,
              TRepSettingsPtr settings = nullptr);
    virtual ~TRepDatas();
    TRepDatas(const TRepDatas &) = delete;
    TRepDatas &operator=(const TRepDatas &) = delete;

    QString nodeName() const { return m_name; }
    const Groups &groups() const { return m_groups; }
    TRepData *group(const QString &key) const { return m_groups.value(key); }
    TRepData *overall() const { return group(QStringLiteral("0")); }
    int highest() const { return m_highest; }
    bool simpleRep() const { return m_simpleRep; }
    Basics::TValue *reportWaiter() const { return m_reportWaiter; }
    QString dataPath() const { return m_dataPath; }
    const TRepSettingsPtr &settings() const { return m_settings; }
    bool isEmpty() const { return m_groups.isEmpty(); }
    // Whether the groups' record nodes keep a leaf per pay or void (by
    // default); set before anything is added.
    void setKeepRecords(bool keep);
    bool keepsRecords() const { return m_keepRecords; }
    // Of the record nodes, those that keep their leaves when records are
    // kept; empty, as at first: all of them. Set before anything is added;
    // a day aggregate of some of them is one of its own (dayName()).
    void setRecordNodes(const QStringList &nodes);
    // The same for the leaves per cash and balance record.
    void setKeepCashRecords(bool keep);
    bool keepsCashRecords() const { return m_keepCashRecords; }
    // Whether the groups can be written as a day aggregate (by default):
    // the currency nodes keep a note of every pay for it. Groups that are
    // printed only, and groups later days are added to, go without
    // (writeDay() is false then); set before anything is added.
    void setKeepDayNotes(bool keep);
    // What the groups are filled for (everything by default); set before
    // anything is added. Day aggregates of groups with a scope are merged
    // only into groups of the same scope; those of groups with everything
    // into any.
    void setScope(const TRepScope &scope);
    const TRepScope &scope() const { return m_scope; }
    // Whether the groups take the tax groups of tables (their scope walks
    // the VAT rates): the generator works them out only then.
    bool takesTaxGroups() const { return m_taxGroups; }
    // The name a day aggregate of the groups carries: nodeName() and the
    // scope's key.
    QString dayName() const;
    // Whether a day aggregate of that name and kind of records can be
    // added here.
    bool takesDay(const QString &dayName, bool records, bool cashRecords) const;

    virtual void addEntry(TTableEntry *entry, const TTable *table);
    void addTable(const TTable *table);
    void addTaxGroups(const TTable *table, const Basics::TValueList &taxGroups);
    // The group key of an entry of a table; "0" without an entry.
    virtual QString keyOf(const Basics::TValue *entry, const TTable *table) const = 0;

    // The same for the facts of entries and tables (what the generator
    // hands over).
    virtual void add(const TEntryFacts &entry, const TTableFacts &table) = 0;
    void addTable(const TTableFacts &table);
    void addTaxGroups(const TTableFacts &table, const std::vector<TTaxGroupFacts> &taxGroups);
    // The group number of an entry (`entry` null: of the table itself).
    virtual int keyNumber(const TEntryFacts *entry, const TTableFacts &table) const = 0;

    virtual void writeXml(QDomDocument &doc, QDomNode &parent) const;

    // A day aggregate of every group (TDayAggregate reads and writes them):
    // false when the groups cannot be written (a record node's leaves were
    // asked for). mergeDay() adds groups written by groups of the same kind
    // and options as if their tables came after the ones taken here; it
    // stops at the first damaged value (the reader tells).
    bool writeDay(TAggregateWriter &out) const;
    void mergeDay(TAggregateReader &in);

    // Empties the groups for another day's tables, as if just made: what
    // the day groups of the cache do from one day to the next. The groups
    // held are kept aside, and a group of the same key the day needs again
    // is restarted (TRepData::restartDay()) instead of made: its nodes keep
    // their leaves, indexes and pools.
    void restartDay();

protected:
    // The group of `key`, created from `source` when missing.
    TRepData *groupFor(const QString &key, const Basics::TValue *source);
    // A new group from `source` that keeps what these groups keep; not yet
    // inserted.
    TRepData *newGroup(const Basics::TValue *source) const;
    // Sets what these groups keep on `g`.
    void configure(TRepData *g) const;
    // The group of `key` kept aside by restartDay(), restarted from
    // `source`; null when there is none.
    TRepData *spareGroup(const QString &key, const Basics::TValue *source);
    void noteKey(const QString &key);
    // The group of a number, when there is one.
    TRepData *groupOf(int key) const;
    // The group of a number, created from `source` when missing.
    TRepData *groupFor(int key, const Basics::TValue *source);
    TRepData *overallGroup();
    void noteKey(int key);
    // Whether entries, table counts and tax groups of a group other than
    // "0" go into "0" only (a report over all waiters).
    virtual bool fillsOverallOnly() const { return false; }
    // Whether they go into their group only and the overall group "0" is
    // not filled (a report per waiter, which never prints it).
    virtual bool fillsGroupsOnly() const { return false; }

    Groups m_groups;
    QHash<int, TRepData *> m_byNumber;
    QHash<QString, TRepData *> m_spare; // restartDay()
    QString m_name;
    Basics::TValue *m_reportWaiter;
    QString m_dataPath;
    TRepSettingsPtr m_settings;
    int m_highest = 0;
    bool m_simpleRep = false;
    bool m_keepRecords = true;
    QStringList m_recordNodes; // sorted; empty: all
    bool m_keepCashRecords = true;
    bool m_keepDayNotes = true;
    TRepScope m_scope;
    bool m_taxGroups = true;
};

// One group per waiter plus the overall group.
class TRepWaiters : public TRepDatas
{
public:
    TRepWaiters(Basics::TValue *reportWaiter, const QString &dataPath,
                TRepSettingsPtr settings = nullptr);
    using TRepDatas::addEntry;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    QString keyOf(const Basics::TValue *entry, const TTable *table) const override;
    int keyNumber(const TEntryFacts *entry, const TTableFacts &table) const override;
    bool voidWaiter() const { return m_voidWaiter; }

protected:
    bool fillsOverallOnly() const override { return m_scope.overallOnly(); }
    bool fillsGroupsOnly() const override { return m_scope.groupsOnly(); }

private:
    bool m_voidWaiter = false;
};

// One group per cost center; entries without one, and the table counts
// and tax groups of every table, land in "0".
class TRepCenters : public TRepDatas
{
public:
    TRepCenters(Basics::TValue *reportWaiter, const QString &dataPath,
                TRepSettingsPtr settings = nullptr);
    using TRepDatas::addEntry;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    QString keyOf(const Basics::TValue *entry, const TTable *table) const override;
    int keyNumber(const TEntryFacts *entry, const TTableFacts &table) const override;
};

// Waiter and cost center of a table: the header's value, else the
// creation record's.
int tableWaiter(const TTable *table);
int tableCenter(const TTable *table);

// "etc/reports.ini" of an installation (the working directory's when the
// path is empty).
QString reportsIniPath(const QString &dataPath);

} // namespace PosLib
