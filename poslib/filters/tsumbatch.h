#pragma once

#include "tvalue.h"

#include <QStringList>

namespace PosLib {

// A stored list of reports produced together: "name", "descr", "filter"
// (summary filter number, absent for none), "fiscal", "reports" (report
// kind ids in run order, ";"-separated), "key" (sort key of the sections:
// "amount", "count", "name" or empty) and "desc".
class TSumBatch : public Basics::TValue
{
public:
    QString descr() const { return getString(QStringLiteral("descr")); }
    void setDescr(const QString &text) { setString(QStringLiteral("descr"), text); }
    int filter() const { return getInt(QStringLiteral("filter")); }
    // 0 removes the field: no filter.
    void setFilter(int filter);
    bool fiscal() const { return getBool(QStringLiteral("fiscal")); }
    void setFiscal(bool fiscal) { setBool(QStringLiteral("fiscal"), fiscal); }
    // The ids of "reports", empty parts dropped.
    QStringList reports() const;
    void setReports(const QStringList &ids);
    QList<int> reportIds() const;
    QString key() const { return getString(QStringLiteral("key")); }
    void setKey(const QString &key) { setString(QStringLiteral("key"), key); }
    bool desc() const { return getBool(QStringLiteral("desc")); }
    void setDesc(bool desc) { setBool(QStringLiteral("desc"), desc); }
};

class TSumBatches : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TSumBatches(bool autoDelete = true, QObject *parent = nullptr);
    QString listName() const override;
    QString fileName() const override;
    QString elementName() const override;
    Basics::TValue *newValue() override;

    TSumBatch *batch(int id) const { return static_cast<TSumBatch *>(find(id)); }
};

} // namespace PosLib
