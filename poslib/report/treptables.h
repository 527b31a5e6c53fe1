#pragma once

#include "treppayleaves.h"
#include "treppaynodes.h"
#include "ttextpool.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QTime>

#include <functional>
#include <vector>

namespace PosLib {

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
    // the rows in the order of the table report
    std::vector<int> rowsByTime() const;
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

} // namespace PosLib
