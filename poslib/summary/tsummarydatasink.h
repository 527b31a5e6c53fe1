#pragma once

#include "tsummaryitem.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <functional>

class QIODevice;

namespace PosLib {

// Takes the data of a summary piece by piece while TSummaryExport makes
// them, for outputs too large to be held whole (a year's waiter report
// lists every pay). The calls nest as the document does: sections hold
// periods, periods hold groups, groups hold items.
class TSummaryDataSink
{
public:
    virtual ~TSummaryDataSink() = default;
    // A section's fields but "periods".
    virtual void beginSection(const QJsonObject &section) = 0;
    // A period's fields but "groups".
    virtual void beginPeriod(const QJsonObject &period) = 0;
    // A group's fields known before its items: all but "items" and "sums".
    virtual void beginGroup(const QJsonObject &group) = 0;
    virtual void item(const QJsonObject &item) = 0;
    // An item as TSummaryExport makes it of a leaf: by default item() of
    // its JSON object; a sink that writes the item's bytes or a few of its
    // fields takes it from here without the object.
    virtual void leafItem(const TSummaryItem &item);
    // An item given as its compact JSON (as QJsonDocument writes it): by
    // default item() of the object it holds; a sink that writes JSON
    // takes the bytes as they are.
    virtual void itemJson(const QByteArray &compact);
    // The fields known after the items ("sums", when there are any).
    virtual void endGroup(const QJsonObject &rest) = 0;
    virtual void endPeriod() = 0;
    virtual void endSection() = 0;
};

// A number as the CSV shows it: whole numbers without decimals.
QString csvNumber(const QJsonValue &value);

// Passes the sections of a whole document to a sink as they were made.
void replaySections(const QJsonObject &document, TSummaryDataSink &sink);

// The compact JSON of an object whose array `arrayKey` is written apart:
// `open` ends with the array's "[", `close` starts with its "]". The
// object's other fields are given, the array is not.
struct TJsonFrame
{
    QByteArray open;
    QByteArray close;
};
TJsonFrame jsonFrame(QJsonObject fields, const QString &arrayKey);

// Writes the sections as compact JSON into `spool`: with
// jsonFrame(head, "sections") around them, the same bytes QJsonDocument
// makes of the whole document. A device that fails makes ok() false.
class TSummaryJsonWriter : public TSummaryDataSink
{
public:
    explicit TSummaryJsonWriter(QIODevice *spool);
    void beginSection(const QJsonObject &section) override;
    void beginPeriod(const QJsonObject &period) override;
    void beginGroup(const QJsonObject &group) override;
    void item(const QJsonObject &item) override;
    void leafItem(const TSummaryItem &item) override;
    void itemJson(const QByteArray &compact) override;
    void endGroup(const QJsonObject &rest) override;
    void endPeriod() override;
    void endSection() override;

    // Writes what is still held to the spool (at the end of each section
    // as well).
    void flush();
    bool ok() const { return m_ok; }

private:
    void put(const QByteArray &bytes);
    // a "," before every element of an array but its first
    void element();
    // an object with an array whose elements follow, and its end
    void open(const QJsonObject &fields, const QString &arrayKey);
    void close(const QJsonObject &fields, const QString &arrayKey);

    QIODevice *m_spool;
    // the bytes of items not yet written to the spool
    QByteArray m_pending;
    TSummaryItemJson m_items;
    QList<int> m_counts; // the elements so far of each open array
    // the fields of the open section, period and group
    QJsonObject m_section;
    QJsonObject m_period;
    QJsonObject m_group;
    bool m_ok = true;
};

// The CSV rows of the items, sums and figures of each group, as
// TSummaryExport::csvRows() lists them, handed on one at a time.
class TSummaryCsvRows : public TSummaryDataSink
{
public:
    using Row = std::function<void(const QStringList &row)>;
    explicit TSummaryCsvRows(Row row);
    // The header row: kind, from, to, grouping, number, name, node, key,
    // text, count, amount.
    static QStringList header();

    void beginSection(const QJsonObject &section) override;
    void beginPeriod(const QJsonObject &period) override;
    void beginGroup(const QJsonObject &group) override;
    void item(const QJsonObject &item) override;
    void leafItem(const TSummaryItem &item) override;
    void endGroup(const QJsonObject &rest) override;
    void endPeriod() override { }
    void endSection() override { }

private:
    void itemRow(const QString &node, const QString &key, const QString &text,
                 const QJsonValue &count, const QJsonValue &amount);
    Row m_row;
    QString m_kind;
    QString m_from;
    QString m_to;
    QStringList m_head; // of the group's rows
    QJsonObject m_figures;
};

} // namespace PosLib
