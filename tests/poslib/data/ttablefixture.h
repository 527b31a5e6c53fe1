#pragma once

// What the table file tests share: the records of a table file made in one
// line each, the file of an archived table written from them, and a fixture
// with its own installation directory.

#include "testdir.h"
#include "trecordcodec.h"
#include "ttable.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <gtest/gtest.h>

namespace TableTestSupport {

using Basics::TValue;
using PosLib::TTable;
using PosLib::TTableEntry;
using PosLib::TTableInfo;

inline TValue header(long table, int party)
{
    TValue v;
    v.setInt(QStringLiteral("table"), table);
    v.setInt(QStringLiteral("party"), party);
    v.setInt(QStringLiteral("round"), 1);
    v.setDouble(QStringLiteral("amount"), 0);
    return v;
}

inline TValue creation(int waiter, int type = PosLib::EntryCreate)
{
    TValue v;
    v.setId(0);
    v.setInt(QStringLiteral("type"), type);
    v.setInt(QStringLiteral("waiter"), waiter);
    v.setString(QStringLiteral("waitername"), QStringLiteral("Waiter %1").arg(waiter));
    return v;
}

inline TValue orderRecord(int id, qint64 price, double count)
{
    TValue v;
    v.setId(id);
    v.setInt(QStringLiteral("type"), PosLib::EntryOrder);
    v.setInt(QStringLiteral("price"), price);
    v.setDouble(QStringLiteral("count"), count);
    return v;
}

inline TValue payRecord(int id, qint64 amount, bool voided = false)
{
    TValue v;
    v.setId(id);
    v.setInt(QStringLiteral("type"), PosLib::EntryPay);
    v.setInt(QStringLiteral("amount"), amount);
    v.setBool(QStringLiteral("voided"), voided);
    return v;
}

inline QByteArray tableBytes(const TValue &head, const TValue &create,
                             const QList<TValue> &entries = {})
{
    QByteArray data;
    Basics::appendRecord(data, head);
    Basics::appendRecord(data, create);
    for (const TValue &e : entries)
        Basics::appendRecord(data, e);
    return data;
}

inline TTableEntry *newOrder(qint64 price, double count)
{
    auto *e = new TTableEntry;
    static_cast<TValue &>(*e) = orderRecord(0, price, count);
    return e;
}

inline TTableEntry *newPay(qint64 amount, bool voided = false)
{
    auto *e = new TTableEntry;
    static_cast<TValue &>(*e) = payRecord(0, amount, voided);
    return e;
}

class TableTest : public ::testing::Test
{
protected:
    QString root() const { return dir.path(); }
    void writeArchive(long archive, const QByteArray &data)
    {
        dir.write(QStringLiteral("var/archives/a%1").arg(archive), data);
    }
    QByteArray archiveBytes(long archive) const
    {
        return dir.read(QStringLiteral("var/archives/a%1").arg(archive));
    }

    TestDir dir;
};

} // namespace TableTestSupport
