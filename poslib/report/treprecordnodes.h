#pragma once

#include "tentryfacts.h"
#include "treportnodebase.h"
#include "treprecordleaves.h"
#include "ttextpool.h"

#include <functional>
#include <initializer_list>
#include <vector>

namespace PosLib {

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
    // One record as its row holds it, by the node's columns of each kind
    // in their order.
    class Row
    {
    public:
        qint64 number(int i) const { return m_numbers[i]; }
        // null where the record has not the field
        const QString *text(int i) const
        {
            return m_texts[i] == TTextPool::Absent ? nullptr : &m_pool->text(m_texts[i]);
        }
        bool flag(int i) const { return (m_flags >> i) & 1; }

    private:
        friend class TRepRecordNode;
        const qint64 *m_numbers = nullptr;
        const quint32 *m_texts = nullptr;
        quint32 m_flags = 0;
        const TTextPool *m_pool = nullptr;
    };
    // Calls `visit` for every record in the order of their numbers without
    // making leaves; false (nothing visited) when the node holds leaves.
    bool visitRows(const std::function<void(const Row &row)> &visit) const;
    void visitLeaves(const LeafVisitor &visit) const override;
    // A day aggregate holds the rows, or the leaves once they were asked
    // for; the records of a later day are numbered on after these.
    bool writeDay(TAggregateWriter &out) const override;
    void mergeDay(TAggregateReader &in) override;
    // Empties the rows, keeping the text pool; a node that made leaves of
    // its rows cannot.
    bool restart() override;

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

// A balance record as the balancing part of a summary prints it.
struct TBalanceRecord
{
    bool terminal = false; // "ccdterminal"
    bool costCenter = false; // "ccdcostcenter"
    QString waiter;
    QString waiterName;
    QString terminalNumber; // "terminal"
    QString termName;
    QString center;
    QString centerName;
    qint64 amount = 0; // "ccdamount"
    qint64 balance = 0; // "ccdbalance"
    qint64 differences = 0; // "ccddifferences"
};

class TRepBalanceNode : public TRepRecordNode
{
public:
    TRepBalanceNode();
    // Calls `visit` for every balance record in the order of their numbers,
    // as its leaf holds it (a leaf is made of none).
    void visitBalances(const std::function<void(const TBalanceRecord &record)> &visit) const;
    TReportLeaf *newLeaf() const override;
    QString mergedKey(const QString &key, int offset) const override;
    using TReportNode::createLeaf;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    TReportLeaf *leafOf(const TEntryFacts &entry) const override;
};

} // namespace PosLib
