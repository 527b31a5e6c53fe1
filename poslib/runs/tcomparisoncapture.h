#pragma once

#include "tsummarydatasink.h"
#include "tsummaryitem.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QTemporaryFile>

#include <functional>

namespace PosLib {

// The items of record nodes (a table's pay, a void, a cash record) of the
// two documents of a comparison, kept in a temporary file: they are never
// paired, and a year's waiter report lists hundreds of thousands of them.
class TComparisonRecords
{
public:
    TComparisonRecords();

    // False when no temporary file could be made.
    bool isOpen() const { return m_file.isOpen(); }
    // Keeps an item given as its compact JSON; returns where it starts.
    qint64 add(const QByteArray &compact);
    // Where the next item added will start.
    qint64 end() const { return m_end; }
    // Hands the `count` items from `at` on, in the order added, as their
    // compact JSON; false when they cannot be read back (or were not all
    // written).
    bool read(qint64 at, int count, const std::function<void(const QByteArray &compact)> &take);
    bool ok() const { return m_ok; }
    QString fileName() const { return m_file.fileName(); }
    // The system's error number of the write or read that failed.
    int osError() const { return m_osError; }

private:
    bool failed();

    QTemporaryFile m_file;
    qint64 m_end = 0;
    QByteArray m_bytes; // of the item read last
    bool m_ok = true;
    int m_osError = 0;
};

// Builds a report's data document (TSummaryExport::document()) from the
// sections handed to it, with the items of record nodes kept in `records`:
// in their place each group lists, per run of one node's records, an item
// with the node and "@records" (where the run starts) and "@count".
class TComparisonCapture : public TSummaryDataSink
{
public:
    explicit TComparisonCapture(TComparisonRecords &records);

    void beginSection(const QJsonObject &section) override;
    void beginPeriod(const QJsonObject &period) override;
    void beginGroup(const QJsonObject &group) override;
    void item(const QJsonObject &item) override;
    // A record's item is kept as the JSON writer writes it, without its
    // object.
    void leafItem(const TSummaryItem &item) override;
    void endGroup(const QJsonObject &rest) override;
    void endPeriod() override;
    void endSection() override;

    // The document of `head` (the document without its sections) with the
    // sections handed so far.
    QJsonObject document(QJsonObject head) const;

private:
    // `compact` (a record of `node`) into the records and the group's run
    void addRecord(const QString &node, const QByteArray &compact);
    // the run of records the group lists last into the items
    void endRun();

    TComparisonRecords &m_records;
    QJsonArray m_sections;
    QJsonObject m_section;
    QJsonArray m_periods;
    QJsonObject m_period;
    QJsonArray m_groups;
    QJsonObject m_group;
    QJsonArray m_items;
    TSummaryItemJson m_json;
    QByteArray m_bytes; // of the record kept last
    QString m_runNode;
    qint64 m_runStart = -1;
    int m_runCount = 0;
};

// Hands the sections of a comparison document joined of two captured ones
// to `sink`, each run of records put back in its place as the items
// comparisonDocument() makes of them; false when the records cannot be
// read back.
bool replayComparison(const QJsonObject &document, TComparisonRecords &records,
                      TSummaryDataSink &sink);

} // namespace PosLib
