#pragma once

// What the report data tests share: a paid table of the day made of entries
// in memory, the groups it feeds and the nodes and leaves they hold.

#include "testdir.h"
#include "trepdata.h"
#include "ttable.h"

#include <QDate>
#include <QDomDocument>
#include <QString>

#include <gtest/gtest.h>

namespace RepDataTest {

using namespace PosLib;

inline const QDate Day(2014, 3, 5);

inline TTableEntry *entry(int type, int waiter)
{
    auto *e = new TTableEntry;
    e->setType(type);
    e->setInt(QStringLiteral("waiter"), waiter);
    e->setString(QStringLiteral("waitername"), QStringLiteral("Waiter %1").arg(waiter));
    e->setDate(QStringLiteral("date"), Day);
    e->setTime(QStringLiteral("time"), QTime(19, 30));
    return e;
}

inline TTableEntry *order(int waiter, qint64 plu, qint64 price, double count, int family = 1)
{
    TTableEntry *e = entry(EntryOrder, waiter);
    e->setInt(QStringLiteral("plu"), plu);
    e->setString(QStringLiteral("article"), QStringLiteral("Article %1").arg(plu));
    e->setInt(QStringLiteral("price"), price);
    e->setDouble(QStringLiteral("count"), count);
    e->setInt(QStringLiteral("family"), family);
    e->setInt(QStringLiteral("famgroup"), 1);
    return e;
}

inline TTableEntry *child(int type, qint64 plu, qint64 price, double count = 1, int family = 1)
{
    auto *e = new TTableEntry;
    e->setType(type);
    e->setInt(QStringLiteral("plu"), plu);
    e->setString(QStringLiteral("article"), QStringLiteral("Article %1").arg(plu));
    e->setInt(QStringLiteral("price"), price);
    e->setDouble(QStringLiteral("count"), count);
    e->setInt(QStringLiteral("family"), family);
    return e;
}

inline TTableEntry *pay(int waiter, qint64 amount, int payform = 1, bool voided = false)
{
    TTableEntry *e = entry(EntryPay, waiter);
    e->setInt(QStringLiteral("amount"), amount);
    e->setInt(QStringLiteral("payform"), payform);
    e->setString(QStringLiteral("payformname"),
                 payform == 1 ? QStringLiteral("Cash") : QStringLiteral("Card"));
    e->setBool(QStringLiteral("voided"), voided);
    return e;
}

// A paid table of the day, archive 17, in the turnover, opened by waiter 3.
struct Table
{
    Table()
        : t(nullptr)
    {
        t.setTable(5);
        t.setParty(1);
        t.setArchive(17);
        t.setInSum(true);
        t.create().setInt(QStringLiteral("waiter"), 3);
        t.create().setString(QStringLiteral("waitername"), QStringLiteral("Waiter 3"));
    }
    TTableEntry *add(TTableEntry *e)
    {
        t.entries().append(e);
        return e;
    }
    // Hands every entry to the groups, as a report does with accepted ones.
    void feed(TRepDatas &groups)
    {
        t.entries().forEach([&](TTableEntry *e) { groups.addEntry(e, &t); });
    }

    TTable t;
};

inline const TReportNode *node(const TRepDatas &groups, const char *group, const char *key)
{
    const TRepData *g = groups.group(QString::fromLatin1(group));
    return g ? g->node(QString::fromLatin1(key)) : nullptr;
}

inline const TReportLeaf *leaf(const TRepDatas &groups, const char *group, const char *key,
                               const QString &leafKey)
{
    const TReportNode *n = node(groups, group, key);
    return n ? n->leaf(leafKey) : nullptr;
}

// The groups as XML, to hold two ways of filling them against each other.
inline QString groupsXml(const TRepDatas &groups)
{
    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("report"));
    doc.appendChild(root);
    groups.writeXml(doc, root);
    return doc.toString();
}

class RepData : public ::testing::Test
{
protected:
    TestDir dir;
};

} // namespace RepDataTest
