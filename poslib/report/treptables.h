#pragma once

#include "treppayleaves.h"
#include "treppaynodes.h"
#include "ttablerowspool.h"
#include "ttextpool.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QTime>

#include <functional>
#include <memory>
#include <vector>

namespace PosLib {

// "tables": one leaf per table and pay day. The leaves are held as compact
// rows (the table's texts by number, its pays' figures) until asked for.
// Beyond a number of rows they go to a temporary file (TTableRowSpool), so
// that a year's tables need no more memory than a month's: the table
// report's lines, the leaves visited and the count come from there a pay
// day at a time; leaves(), a day aggregate and a node asked for leaves
// read them back whole.
class TRepTables : public TRepPayNode
{
public:
    TRepTables();
    ~TRepTables() override;
    // The rows a node holds in memory before it spools them (0: never), for
    // the nodes made from then on; 1024 unless set (tests set a few).
    static void setSpoolRows(int rows);
    static int spoolRows();
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

    // A table as the table report prints it, straight from a kept row: what
    // the leaf visitByTime() makes of the row would read the same.
    struct Line
    {
        QDate payDate;
        QTime payTime;
        QString table; // empty when the row has none
        QString party;
        double amount = 0; // the pays' amounts added in order, as amount()
        struct Pay
        {
            QString payform;
            qint64 net; // given - return
            qint64 tip;
        };
        std::vector<Pay> pays;
    };
    // The same order as visitByTime(): `line` for each table while the node
    // holds rows, `leaf` for each leaf once it holds leaves.
    void visitLinesByTime(const std::function<void(const Line &line)> &line,
                          const std::function<void(const TRepTable &leaf)> &leaf) const;

protected:
    void materialize() const override;
    int leafCount() const override;
    bool holdsLeaves() const override;

private:
    using Row = TTableRow;
    using Pay = TTableRowPay;
    TReportLeaf *leafOf(const Row &row, const std::vector<Pay> &pays) const;
    Line lineOf(const Row &row, const std::vector<Pay> &pays) const;
    // the rows in the order of the table report
    std::vector<int> rowsByTime() const;
    static QString keyOf(const Row &row);
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
    // Before the row of a pay day and archive number is looked up: a year
    // or archive number whose order by number is not its key's ends the
    // spooling (what was spooled is read back).
    void noteOrder(int payYear, qint64 archive);
    // A new row, in the order rows are taken.
    void newRow(Row &row);
    // Writes the rows held to the spool when they are many.
    void spoolWhenFull();
    // Reads the spool back into the rows held.
    void unspool() const;
    bool spooled() const { return m_spool && !m_spool->isEmpty(); }
    // The rows of each pay day, spooled and held, in date order.
    void forEachDay(const TTableRowSpool::Day &day) const;
    static bool lineOrder(const Row &x, const Row &y);

    mutable std::vector<Row> m_rows;
    mutable std::vector<Pay> m_pays;
    mutable bool m_compact = true;
    mutable QHash<Key, int> m_rowOf;
    QHash<QString, int> m_rowOfText; // keys whose year is not four places wide
    TTextPool m_texts;
    mutable std::unique_ptr<TTableRowSpool> m_spool;
    int m_spoolRows;
    // false once a row's order by number differs from its key's
    bool m_plain = true;
    bool m_spoolFailed = false;
    qint64 m_nextSeq = 0;
    mutable int m_spooledCount = -1; // counted once spooled, -1: not yet
};

} // namespace PosLib
