#pragma once

#include "treportleaf.h"

#include <QMap>
#include <QString>

#include <memory>
#include <vector>

class QDomDocument;
class QDomNode;
class QTextStream;

namespace PosLib {

class TTable;
class TTableEntry;

// A named set of leaves keyed by a text the node derives from each entry.
// Entries with the same key are summed in one leaf. Order, void and pay
// nodes also keep a total over everything they took.
class TReportNode
{
public:
    using Leaves = QMap<QString, TReportLeaf *>;

    explicit TReportNode(const QString &name);
    virtual ~TReportNode();
    TReportNode(const TReportNode &) = delete;
    TReportNode &operator=(const TReportNode &) = delete;

    QString nodeName() const { return m_name; }
    const Leaves &leaves() const { return m_leaves; }
    TReportLeaf *leaf(const QString &key) const { return m_leaves.value(key); }
    int count() const { return int(m_leaves.size()); }
    // The node's own total; null for cash and balance nodes.
    virtual const TReportLeaf *total() const { return nullptr; }

    // Adds one entry to the total and to the leaf of its key.
    virtual void addEntry(TTableEntry *entry, const TTable *table) = 0;
    // The leaf for a new key; null when the node keeps no leaves.
    virtual TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table);
    // The key of an entry; empty: not counted here. Default: a new leaf
    // per entry.
    virtual QString keyOf(TTableEntry *entry, const TTable *table) const;

    virtual void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                           QStringList &columns) const;
    // Writes prefix + "rep_" + name + ".txt": a column line, then one line
    // per leaf.
    virtual void writeFile(const QString &prefix, const Basics::TValue &record) const;
    virtual void writeXml(QDomDocument &doc, QDomNode &parent) const;

protected:
    // The leaf of `key`, created when missing; null when none can be made.
    TReportLeaf *leafFor(const QString &key, TTableEntry *entry, const TTable *table);

    Leaves m_leaves;
    QString m_name;
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
    void addEntry(TTableEntry *entry, const TTable *table) override;
    void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                   QStringList &columns) const override;
    void writeXml(QDomDocument &doc, QDomNode &parent) const override;

protected:
    TRepOrderNode(const QString &name, TRepOrderLeaf *total);
    // Adds to the total; true when it took the entry.
    virtual bool addToTotal(TTableEntry *entry, const TTable *table);
    // Total and leaf, without the component rule.
    void addKeyed(TTableEntry *entry, const TTable *table);
    static bool hasComponents(const TTableEntry *entry);
    void addComponents(TTableEntry *entry, const TTable *table);

    std::unique_ptr<TRepOrderLeaf> m_total;
};

// "orders": article number x 1000 + the table's pay form.
class TRepOrders : public TRepOrderNode
{
public:
    TRepOrders();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;

protected:
    bool addToTotal(TTableEntry *entry, const TTable *table) override;
};

// The pay form an order of this table falls under: the table's own
// "payform", else the only pay that is not voided, else 0; -1 when the
// table has no pays at all.
int orderPayform(const TTable *table);

// "negorders": articles booked with a count of 0 or less.
class TRepNegOrders : public TRepOrderNode
{
public:
    TRepNegOrders();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

class TRepFamilies : public TRepOrderNode
{
public:
    TRepFamilies();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

class TRepFamGroups : public TRepOrderNode
{
public:
    TRepFamGroups();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

class TRepDiscounts : public TRepOrderNode
{
public:
    TRepDiscounts();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

// "articles": "0000000101:950:Pizza Margherita" (number, unit price, text).
class TRepArticles : public TRepOrderNode
{
public:
    TRepArticles();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};
QString articleKey(const TTableEntry *entry);

class TRepVatRates : public TRepOrderNode
{
public:
    TRepVatRates();
    void addEntry(TTableEntry *entry, const TTable *table) override;
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
    // Adds a tax group of a table (key: the tax id).
    void addTaxGroup(const Basics::TValue &group, const TTable *table);
    bool hasTaxGroups() const { return m_taxGroups; }

protected:
    bool addToTotal(TTableEntry *entry, const TTable *table) override;

private:
    bool m_taxGroups = false;
};

class TRepHours : public TRepOrderNode
{
public:
    TRepHours();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

// "departments": an entry counts in every department that covers its
// article or family (departments of the installation at `dataPath`).
class TRepDepartments : public TRepOrderNode
{
public:
    explicit TRepDepartments(const QString &dataPath);
    ~TRepDepartments() override;
    void addEntry(TTableEntry *entry, const TTable *table) override;
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;

private:
    struct Department;
    void addMatching(TTableEntry *entry, const TTable *table);
    std::vector<Department> m_departments;
};

// ---- void nodes -----------------------------------------------------------

class TRepVoidNode : public TReportNode
{
public:
    explicit TRepVoidNode(const QString &name);
    const TReportLeaf *total() const override { return m_total.get(); }
    // The total takes every void, whatever its key.
    void addEntry(TTableEntry *entry, const TTable *table) override;
    void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                   QStringList &columns) const override;
    void writeXml(QDomDocument &doc, QDomNode &parent) const override;

protected:
    virtual bool addToTotal(TTableEntry *entry);
    std::unique_ptr<TRepVoidLeaf> m_total;
};

class TRepVoids : public TRepVoidNode
{
public:
    TRepVoids();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;

protected:
    bool addToTotal(TTableEntry *entry) override;
};

class TRepVArticles : public TRepVoidNode
{
public:
    TRepVArticles();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

class TRepAllVoids : public TRepVoidNode
{
public:
    TRepAllVoids();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

// ---- pay nodes ------------------------------------------------------------

class TRepPayNode : public TReportNode
{
public:
    explicit TRepPayNode(const QString &name);
    const TReportLeaf *total() const override { return m_total.get(); }
    void addEntry(TTableEntry *entry, const TTable *table) override;
    void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                   QStringList &columns) const override;
    void writeXml(QDomDocument &doc, QDomNode &parent) const override;

protected:
    virtual bool addToTotal(TTableEntry *entry);
    std::unique_ptr<TRepPayLeaf> m_total;
};

class TRepPays : public TRepPayNode
{
public:
    TRepPays();

protected:
    bool addToTotal(TTableEntry *entry) override;
};

class TRepTables : public TRepPayNode
{
public:
    TRepTables();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

class TRepPayforms : public TRepPayNode
{
public:
    TRepPayforms();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;

protected:
    explicit TRepPayforms(const QString &name);
};

class TRepSubvents : public TRepPayNode
{
public:
    TRepSubvents();
    void addEntry(TTableEntry *entry, const TTable *table) override;
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
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
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
};

// "currreturns": one leaf per pay, in the currency of its change.
class TRepCurrReturns : public TRepPayforms
{
public:
    TRepCurrReturns();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

class TRepHotelRooms : public TRepPayNode
{
public:
    TRepHotelRooms();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

// ---- cash and balance nodes -----------------------------------------------

class TRepCashNode : public TReportNode
{
public:
    explicit TRepCashNode(const QString &name);
    void addEntry(TTableEntry *entry, const TTable *table) override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

class TRepCashIns : public TRepCashNode
{
public:
    TRepCashIns();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
};

class TRepCashOuts : public TRepCashNode
{
public:
    TRepCashOuts();
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
};

class TRepBalanceNode : public TReportNode
{
public:
    TRepBalanceNode();
    void addEntry(TTableEntry *entry, const TTable *table) override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
};

} // namespace PosLib
