#pragma once

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <functional>

namespace PosLib {

class TRepData;
class TRepDatas;
class TSummary;
class TSummaryDataSink;
struct TSummaryItem;

// The data that the lines of a summary come from, for spreadsheets and
// scripts: per period the groups the text shows, each with the report
// tree's leaves of the nodes its report code reads (counts, amounts in
// cents and every named value of the leaf), the sum lines of the item
// reports and the figures of the full summary. Built from the groups while
// the writer writes them, never from the text. The JSON form is
// documented in docs/report-json.md; "format" 1 names that form.
class TSummaryExport
{
public:
    enum Grouping { AllGroups, PerWaiter, PerCenter };

    explicit TSummaryExport(const TSummary &writer);

    // Hands the sections to `sink` while they are made instead of keeping
    // them: document() then gives the head alone. Set before the first
    // section; finish() ends the last one.
    void setSink(TSummaryDataSink *sink) { m_sink = sink; }
    void finish();

    // A report of the batch or the single report: the groups of the
    // periods that follow belong to it.
    void beginSection(int kind, const QString &title, int code, Grouping grouping);
    // The groups of one period (or of the current data) of the section
    // begun last, as the text writes them: groups without lines are left
    // out.
    void addPeriod(const QDate &from, const QDate &to, const TRepDatas &groups);

    // The whole document: the report's head (`kind`, `caption`) and every
    // section (none with a sink).
    QJsonObject document(int kind, const QString &caption) const;

    // The nodes whose leaves the report code's lines come from: all of
    // them among those the lines read (TSummary::scopeOf()), so that the
    // groups of a section need no more than the text does.
    static QStringList nodesOf(int code);
    // Takes only the leaves of these nodes (of those the lines come from);
    // empty, as at first: all of them.
    void setOnlyNodes(const QStringList &nodes) { m_onlyNodes = nodes; }
    // Of the nodes it takes, these are counted instead of listed: their
    // groups get "records" with the number of leaves per node beside the
    // sums, and no items of them (what a comparison's text shows of a list
    // of records).
    void setCountedNodes(const QStringList &nodes) { m_countedNodes = nodes; }
    // The nodes it takes the leaves of for a report code.
    QStringList takenNodes(int code) const;
    // Whether it takes the leaves of a node with a leaf per pay or void
    // for a report code: only then must the groups keep those leaves.
    bool readsRecords(int code) const { return !recordNodes(code).isEmpty(); }
    // Those nodes.
    QStringList recordNodes(int code) const;
    // The same for the nodes with a leaf per cash or balance record.
    bool readsCashRecords(int code) const;

    // The CSV rows of a document: a header row, then one row per item,
    // figure and sum. Columns: kind, from, to, grouping, number, name,
    // node, key, text, count, amount.
    static QList<QStringList> csvRows(const QJsonObject &document);

private:
    // A group's fields but its items and sums.
    QJsonObject groupHead(const TRepData *group, const QString &grouping, int number,
                          const QString &name, bool currentData) const;
    // Hands each item of the group to `take`; returns the fields that
    // follow them ("sums"). `rows`: the pays of a node with a leaf per pay
    // as rows (what a sink writes straight from them), else as leaves.
    QJsonObject groupItems(const TRepData *group,
                           const std::function<void(const TSummaryItem &)> &take, bool rows) const;

    const TSummary &m_writer;
    QJsonArray m_sections;
    int m_code = 0;
    Grouping m_grouping = AllGroups;
    QStringList m_onlyNodes;
    QStringList m_countedNodes;
    TSummaryDataSink *m_sink = nullptr;
    bool m_hasSection = false;
    bool m_sectionOpen = false;
};

} // namespace PosLib
