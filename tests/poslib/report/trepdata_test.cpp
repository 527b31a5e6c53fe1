#include "tdayaggregate.h"
#include "tdepartments.h"
#include "testdir.h"
#include "trecordcodec.h"
#include "trepdata.h"
#include "ttable.h"
#include "ttablefacts.h"
#include "ttaxgroups.h"

#include <QDomDocument>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Day(2014, 3, 5);

TTableEntry *entry(int type, int waiter)
{
    auto *e = new TTableEntry;
    e->setType(type);
    e->setInt(QStringLiteral("waiter"), waiter);
    e->setString(QStringLiteral("waitername"), QStringLiteral("Waiter %1").arg(waiter));
    e->setDate(QStringLiteral("date"), Day);
    e->setTime(QStringLiteral("time"), QTime(19, 30));
    return e;
}

TTableEntry *order(int waiter, qint64 plu, qint64 price, double count, int family = 1)
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

TTableEntry *child(int type, qint64 plu, qint64 price, double count = 1, int family = 1)
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

TTableEntry *pay(int waiter, qint64 amount, int payform = 1, bool voided = false)
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

const TReportNode *node(const TRepDatas &groups, const char *group, const char *key)
{
    const TRepData *g = groups.group(QString::fromLatin1(group));
    return g ? g->node(QString::fromLatin1(key)) : nullptr;
}

const TReportLeaf *leaf(const TRepDatas &groups, const char *group, const char *key,
                        const QString &leafKey)
{
    const TReportNode *n = node(groups, group, key);
    return n ? n->leaf(leafKey) : nullptr;
}

class RepData : public ::testing::Test
{
protected:
    TestDir dir;
};

} // namespace

TEST_F(RepData, ComponentsCountInsteadOfTheirOrder)
{
    Table table; // no pays: orders are keyed by article x 1000
    TTableEntry *menu = table.add(order(3, 900, 0, 1, 9));
    menu->children(true)->append(child(EntryComponent, 901, 400, 1, 1));
    menu->children()->append(child(EntryComponent, 902, 250, 2, 2));
    TRepWaiters groups(nullptr, dir.path());
    table.feed(groups);

    const TReportNode *orders = node(groups, "0", "orders");
    ASSERT_NE(nullptr, orders);
    EXPECT_EQ(900.0, orders->total()->amount()); // 400 + 2 x 250
    EXPECT_EQ(3.0, orders->total()->count());
    EXPECT_EQ(2, orders->total()->getLong(QStringLiteral("repordercount")));
    EXPECT_EQ(QStringList({QStringLiteral("901000"), QStringLiteral("902000")}),
              QStringList(orders->leaves().keys()));
    EXPECT_EQ(500.0, orders->leaf(QStringLiteral("902000"))->amount());

    const TReportNode *families = node(groups, "0", "families");
    EXPECT_EQ(QStringList({QStringLiteral("1"), QStringLiteral("2")}),
              QStringList(families->leaves().keys()));
    ASSERT_NE(nullptr, leaf(groups, "3", "articles", QStringLiteral("0000000902:250:Article 902")));
    EXPECT_EQ(2.0,
              leaf(groups, "3", "articles", QStringLiteral("0000000902:250:Article 902"))->count());
}

TEST_F(RepData, DepartmentsCountAMenuWithAnAddOnBesideItsComponents)
{
    TDepartments departments;
    auto department = [&](int id, const char *name, bool isLeaf, const char *list) {
        auto *d = new Basics::TValue;
        d->setId(id);
        d->setName(QString::fromLatin1(name));
        d->setBool(QStringLiteral("leaf"), isLeaf);
        d->setString(isLeaf ? QStringLiteral("articles") : QStringLiteral("children"),
                     QString::fromLatin1(list));
        departments.insert(d);
    };
    department(1, "Kitchen", true, "900;901");
    department(2, "Cellar", true, "-2"); // family 2
    department(3, "House", false, "1;2");
    departments.save(dir.path().toLocal8Bit().constData());

    Table table;
    TTableEntry *menu = table.add(order(3, 900, 0, 1, 9));
    menu->children(true)->append(child(EntryAddOn, 0, 60));
    menu->children()->append(child(EntryComponent, 901, 400, 1, 1));
    menu->children()->append(child(EntryComponent, 902, 250, 2, 2));
    TRepWaiters groups(nullptr, dir.path());
    table.feed(groups);

    // the menu with its add-on (0 + 60) counts in departments only
    EXPECT_EQ(900.0, node(groups, "0", "orders")->total()->amount());
    const TReportNode *deps = node(groups, "0", "deps");
    ASSERT_EQ(3, deps->count());
    EXPECT_EQ(460.0, deps->leaf(QStringLiteral("1"))->amount()); // menu 60 + 901
    EXPECT_EQ(2.0, deps->leaf(QStringLiteral("1"))->count());
    EXPECT_EQ(500.0, deps->leaf(QStringLiteral("2"))->amount()); // 902 by family
    EXPECT_EQ(960.0, deps->leaf(QStringLiteral("3"))->amount()); // through both children
    EXPECT_EQ(QStringLiteral("House"),
              deps->leaf(QStringLiteral("3"))->getString(QStringLiteral("depname")));

    // the departments are the leaves', not written into the entries counted
    table.t.entries().forEach([](TTableEntry *e) {
        EXPECT_FALSE(e->has(QStringLiteral("department")));
        EXPECT_FALSE(e->has(QStringLiteral("depname")));
        for (Basics::TValue *c : e->children()->valueMap())
            EXPECT_FALSE(c->has(QStringLiteral("department")));
    });
}

TEST_F(RepData, AddOnsAreInThePriceOfTheirOrder)
{
    Table table;
    TTableEntry *steak = table.add(order(3, 101, 250, 2));
    steak->setInt(QStringLiteral("rateih"), 2500); // 25 %
    steak->setInt(QStringLiteral("rateoh"), 1000);
    steak->children(true)->append(child(EntryAddOn, 0, 50));
    steak->children()->append(child(EntryAddOn, 0, 50));
    table.add(pay(3, 700));
    TRepWaiters groups(nullptr, dir.path());
    table.feed(groups);

    const TReportLeaf *line = leaf(groups, "3", "orders", QStringLiteral("101001"));
    ASSERT_NE(nullptr, line);
    EXPECT_EQ(700.0, line->amount()); // (250 + 50 + 50) x 2
    EXPECT_EQ(350, line->getLong(QStringLiteral("price")));
    ASSERT_NE(nullptr, leaf(groups, "3", "articles", QStringLiteral("0000000101:350:Article 101")));
    EXPECT_EQ(700.0, leaf(groups, "3", "hours", QStringLiteral("19"))->amount());

    // VAT in house: 700 gross at 25 % is 560 net and 140 VAT
    const auto *vat = static_cast<const TRepVatRate *>(
            leaf(groups, "0", "vatrates", QStringLiteral("2500")));
    ASSERT_NE(nullptr, vat);
    EXPECT_DOUBLE_EQ(560.0, vat->net());
    EXPECT_DOUBLE_EQ(140.0, vat->vat());
    EXPECT_EQ(700, node(groups, "0", "vatrates")->total()->getLong(QStringLiteral("sumih")));
}

TEST_F(RepData, OrdersOfCountZeroAreIgnoredEverywhere)
{
    Table table;
    TTableEntry *none = table.add(order(3, 101, 500, 0));
    none->setBool(QStringLiteral("credit"), true);
    TTableEntry *credit = table.add(order(3, 103, 333, 1.5));
    credit->setBool(QStringLiteral("credit"), true);
    table.add(order(3, 102, 300, -1));
    table.add(pay(3, 200));
    TRepWaiters groups(nullptr, dir.path());
    table.feed(groups);

    for (const char *group : {"0", "3"}) {
        const TRepData *g = groups.group(QString::fromLatin1(group));
        ASSERT_NE(nullptr, g);
        EXPECT_EQ(500, g->getLong(QStringLiteral("credits"))) << group; // 499.5 rounded
        const TReportNode *orders = g->node(QStringLiteral("orders"));
        EXPECT_EQ(0.5, orders->total()->count()); // 1.5 - 1
        EXPECT_EQ(199.5, orders->total()->amount()); // 499.5 - 300
        EXPECT_EQ(nullptr, orders->leaf(QStringLiteral("101001")));
        // "negorders" takes counts of 0 and below: only the returned 102
        EXPECT_EQ(QStringList({QStringLiteral("102")}),
                  QStringList(g->node(QStringLiteral("negorders"))->leaves().keys()));
        EXPECT_EQ(-300.0, g->node(QStringLiteral("negorders"))->total()->amount());
    }
}

TEST_F(RepData, VoidedPaysAreIgnored)
{
    Table table;
    table.add(order(3, 101, 1000, 1));
    TTableEntry *declined = table.add(pay(3, 1000, 2, true));
    declined->setInt(QStringLiteral("tip"), 50);
    declined->setBool(QStringLiteral("intermsum"), true);
    TTableEntry *cash = table.add(pay(3, 1000));
    cash->setInt(QStringLiteral("tip"), 100);
    cash->setInt(QStringLiteral("given"), 2000);
    cash->setInt(QStringLiteral("return"), 900);
    cash->setBool(QStringLiteral("intermsum"), true);
    TRepWaiters groups(nullptr, dir.path());
    table.feed(groups);

    const TRepData *all = groups.overall();
    EXPECT_EQ(100, all->getLong(QStringLiteral("tip")));
    EXPECT_EQ(1000, all->getLong(QStringLiteral("cash")));
    const TReportLeaf *pays = all->node(QStringLiteral("pays"))->total();
    EXPECT_EQ(1.0, pays->count());
    EXPECT_EQ(1000.0, pays->amount());
    EXPECT_EQ(2000, pays->getLong(QStringLiteral("given")));
    EXPECT_EQ(900, pays->getLong(QStringLiteral("return")));
    EXPECT_EQ(1000, pays->getLong(QStringLiteral("reppaytermsum")));

    const TReportNode *payforms = all->node(QStringLiteral("payforms"));
    ASSERT_EQ(QStringList({QStringLiteral("Cash_1insumintermsum")}),
              QStringList(payforms->leaves().keys()));
    const TReportLeaf *cashForm = payforms->leaf(QStringLiteral("Cash_1insumintermsum"));
    EXPECT_EQ(1100.0, cashForm->amount()); // the tip included
    EXPECT_EQ(2000, cashForm->getLong(QStringLiteral("given")));
    EXPECT_EQ(2000, cashForm->getLong(QStringLiteral("orggiven")));

    const auto *paid = static_cast<const TRepTable *>(
            all->node(QStringLiteral("tables"))->leaf(QStringLiteral("20140305      17")));
    ASSERT_NE(nullptr, paid);
    EXPECT_EQ(1.0, paid->count());
    EXPECT_EQ(QStringLiteral("Cash:1100:100"), paid->pays());
    EXPECT_EQ(1, all->node(QStringLiteral("currencies"))->count());
    EXPECT_EQ(1, all->node(QStringLiteral("currreturns"))->count());
    // the voided card pay does not make the table one of two pay forms
    EXPECT_NE(nullptr, all->node(QStringLiteral("orders"))->leaf(QStringLiteral("101001")));
}

TEST_F(RepData, CashEntryOfZeroCountsInBothCashNodes)
{
    Table table;
    auto cash = [&](qint64 amount, const char *reason) {
        TTableEntry *e = table.add(entry(EntryCash, 3));
        e->setInt(QStringLiteral("amount"), amount);
        e->setString(QStringLiteral("reason"), QString::fromLatin1(reason));
    };
    cash(0, "Count");
    cash(500, "Float");
    cash(-200, "Supplier");
    TRepWaiters groups(nullptr, dir.path());
    table.feed(groups);

    const TReportNode *ins = node(groups, "0", "cashins");
    const TReportNode *outs = node(groups, "0", "cashouts");
    ASSERT_EQ(2, ins->count());
    ASSERT_EQ(2, outs->count());
    EXPECT_EQ(nullptr, ins->total());
    EXPECT_EQ(QStringLiteral("Count"),
              ins->leaf(QStringLiteral("1"))->getString(QStringLiteral("reason")));
    EXPECT_EQ(500.0, ins->leaf(QStringLiteral("2"))->amount());
    EXPECT_EQ(QStringLiteral("Count"),
              outs->leaf(QStringLiteral("1"))->getString(QStringLiteral("reason")));
    EXPECT_EQ(1.0, outs->leaf(QStringLiteral("1"))->count());
    EXPECT_EQ(-200.0, outs->leaf(QStringLiteral("2"))->amount());
}

TEST(RepOrders, OrdersFallUnderThePayformOfTheirTable)
{
    auto key = [](std::initializer_list<TTableEntry *> pays, int ownPayform = 0) {
        Table table;
        if (ownPayform)
            table.t.setPayform(ownPayform);
        TTableEntry *soup = table.add(order(3, 101, 300, 1));
        for (TTableEntry *p : pays)
            table.add(p);
        TRepOrders orders;
        orders.addEntry(soup, &table.t);
        return QStringList(orders.leaves().keys()).join(QLatin1Char(','));
    };
    EXPECT_EQ(QStringLiteral("101000"), key({pay(3, 100, 1), pay(3, 200, 2)}));
    EXPECT_EQ(QStringLiteral("101002"), key({pay(3, 300, 1, true), pay(3, 300, 2)}));
    EXPECT_EQ(QStringLiteral("101000"), key({pay(3, 300, 1, true)}));
    EXPECT_EQ(QStringLiteral("101000"), key({}));
    // the table's own pay form wins
    EXPECT_EQ(QStringLiteral("101004"), key({pay(3, 100, 1), pay(3, 200, 2)}, 4));
}

TEST_F(RepData, SimpleRepAndVoidWaiterChooseTheWaiterGroup)
{
    auto run = [&](const char *settings, auto check) {
        dir.write(QStringLiteral("etc/reports.ini"),
                  QByteArray("[Settings]\n") + QByteArray(settings));
        Table table; // opened by waiter 3
        table.add(order(2, 101, 300, 1));
        TTableEntry *v = table.add(entry(EntryVoid, 2));
        v->setInt(QStringLiteral("plu"), 101);
        v->setDouble(QStringLiteral("count"), 1);
        v->setInt(QStringLiteral("amount"), 150);
        v->setInt(QStringLiteral("vwaiter"), 7);
        v->setString(QStringLiteral("vwaitername"), QStringLiteral("Waiter 7"));
        table.add(pay(4, 300));
        TRepWaiters groups(nullptr, dir.path());
        table.feed(groups);
        check(groups);
    };
    auto amount = [](const TRepDatas &groups, const char *group, const char *key) {
        const TReportNode *n = node(groups, group, key);
        return n ? n->total()->amount() : 0.0;
    };
    // a group bears the number and name of the waiter it stands for
    auto name = [](const TRepDatas &groups, const char *group) {
        const TRepData *g = groups.group(QString::fromLatin1(group));
        return g ? QStringLiteral("%1 %2")
                               .arg(g->getInt(QStringLiteral("waiter")))
                               .arg(g->getString(QStringLiteral("waitername")))
                 : QString();
    };

    run("", [&](const TRepWaiters &groups) {
        EXPECT_EQ(300.0, amount(groups, "2", "orders"));
        EXPECT_EQ(150, groups.group(QStringLiteral("2"))->getLong(QStringLiteral("voids")));
        EXPECT_EQ(300.0, amount(groups, "4", "pays"));
        EXPECT_EQ(nullptr, groups.group(QStringLiteral("7")));
        EXPECT_EQ(QStringLiteral("2 Waiter 2"), name(groups, "2"));
        EXPECT_EQ(4, groups.highest());
    });
    run("VWaiter=true\n", [&](const TRepWaiters &groups) {
        EXPECT_EQ(300.0, amount(groups, "2", "orders"));
        EXPECT_EQ(0.0, amount(groups, "2", "voids"));
        EXPECT_EQ(150.0, amount(groups, "7", "voids"));
        EXPECT_EQ(150.0, amount(groups, "0", "voids"));
        EXPECT_EQ(QStringLiteral("7 Waiter 7"), name(groups, "7"));
        EXPECT_EQ(7, groups.highest());
    });
    run("SimpleRep=true\nVWaiter=true\n", [&](const TRepWaiters &groups) {
        // everything goes to the waiter who opened the table
        EXPECT_EQ(QStringList({QStringLiteral("0"), QStringLiteral("3")}),
                  QStringList(groups.groups().keys()));
        EXPECT_EQ(300.0, amount(groups, "3", "orders"));
        EXPECT_EQ(150.0, amount(groups, "3", "voids"));
        EXPECT_EQ(300.0, amount(groups, "3", "pays"));
        EXPECT_EQ(QStringLiteral("3 Waiter 3"), name(groups, "3"));
    });
}

TEST_F(RepData, EntriesOfWaiterZeroCountOnceInTheOverallGroup)
{
    Table table;
    table.add(order(0, 101, 300, 1));
    table.add(order(2, 102, 200, 1));
    TRepWaiters groups(nullptr, dir.path());
    table.feed(groups);
    EXPECT_EQ(500.0, node(groups, "0", "orders")->total()->amount());
}

TEST_F(RepData, CostCenterZeroHoldsEntriesWithoutCenterAndEveryTable)
{
    Table first;
    first.t.setAmount(250);
    first.add(order(3, 101, 300, 1))->setInt(QStringLiteral("center"), 2);
    first.add(order(3, 102, 200, 1));
    first.add(pay(3, 500));
    Table second;
    second.t.setAmount(100);
    second.add(order(3, 103, 100, 1))->setInt(QStringLiteral("center"), 3);
    TTaxGroups taxes;
    auto *vat = new TTaxGroup;
    vat->setId(1);
    vat->setName(QStringLiteral("VAT 19"));
    vat->setAmount(16);
    taxes.insert(vat);

    TRepCenters groups(nullptr, dir.path());
    first.feed(groups);
    second.feed(groups);
    groups.addTable(&first.t);
    groups.addTable(&second.t);
    groups.addTaxGroups(&second.t, taxes);

    auto orders
            = [&](const char *group) { return node(groups, group, "orders")->total()->amount(); };
    EXPECT_EQ(200.0, orders("0")); // only the order without a center
    EXPECT_EQ(300.0, orders("2"));
    EXPECT_EQ(100.0, orders("3"));
    EXPECT_EQ(500.0, node(groups, "0", "pays")->total()->amount());
    const TRepData *zero = groups.group(QStringLiteral("0"));
    EXPECT_EQ(2, zero->getLong(QStringLiteral("tablecount")));
    EXPECT_EQ(350, zero->getLong(QStringLiteral("tableamount")));
    EXPECT_EQ(0, groups.group(QStringLiteral("3"))->getLong(QStringLiteral("tablecount")));
    const auto *taxLeaf = static_cast<const TRepVatRate *>(
            zero->node(QStringLiteral("vatrates"))->leaf(QStringLiteral("1")));
    ASSERT_NE(nullptr, taxLeaf);
    EXPECT_EQ(16.0, taxLeaf->vat());
    EXPECT_EQ(nullptr, leaf(groups, "3", "vatrates", QStringLiteral("1")));
}

TEST_F(RepData, SimpleRepGroupsCentersByTheTableHeader)
{
    dir.write(QStringLiteral("etc/reports.ini"), "[Settings]\nSimpleRep=true\n");
    Table table;
    table.t.create().setInt(QStringLiteral("center"), 4);
    table.add(order(3, 101, 300, 1))->setInt(QStringLiteral("center"), 2);
    table.add(order(3, 102, 200, 1));
    TRepCenters groups(nullptr, dir.path());
    table.feed(groups);
    EXPECT_EQ(QStringList({QStringLiteral("4")}), QStringList(groups.groups().keys()));
    EXPECT_EQ(500.0, node(groups, "4", "orders")->total()->amount());
}

TEST_F(RepData, GroupTextHasItsLineThenOneLinePerOrderVoidAndPayNode)
{
    Table table;
    table.add(order(3, 101, 300, 1));
    table.add(pay(3, 300));
    table.add(entry(EntryCash, 3))->setInt(QStringLiteral("amount"), 50);
    TRepWaiters groups(nullptr, dir.path());
    table.feed(groups);
    TestDir out;
    Basics::TValue record;
    record.setString(QStringLiteral("report"), QStringLiteral("day"));
    QStringList columns;
    QString text;
    QTextStream stream(&text);

    groups.group(QStringLiteral("3"))->writeText(out.path(), record, stream, columns);
    stream.flush();

    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(1 + 9 + 3 + 7, lines.size());
    auto value = [&](int line, const char *key) {
        const QStringList values = lines.at(line).split(QLatin1Char(';'));
        const qsizetype column = columns.indexOf(QString::fromLatin1(key));
        return column >= 0 && column < values.size() ? values.at(column) : QString();
    };
    EXPECT_EQ(QStringLiteral("3"), value(0, "waiter"));
    EXPECT_EQ(QString(), value(0, "nodename"));
    QMap<QString, QList<int>> keys;
    for (int i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(QStringLiteral("day"), value(i, "report"));
        keys[value(i, "nodename")].append(value(i, "prim_key").toInt());
    }
    EXPECT_EQ((QMap<QString, QList<int>> {{QStringLiteral("orders"), {0, 1, 2, 3, 4, 5, 6, 7, 8}},
                                          {QStringLiteral("voids"), {0, 1, 2}},
                                          {QStringLiteral("payments"), {0, 1, 2, 3, 4, 5, 6}}}),
              keys);
    // a file per exported node; cash and balance nodes are not exported
    EXPECT_EQ(QStringList({"rep_AllVoids.txt", "rep_Hours.txt", "rep_Payments.txt",
                           "rep_Subventions.txt", "rep_Tables.txt", "rep_VArticles.txt",
                           "rep_Voids.txt", "rep_articles.txt", "rep_currencies.txt",
                           "rep_currreturns.txt", "rep_departments.txt", "rep_discounts.txt",
                           "rep_famgroups.txt", "rep_families.txt", "rep_hotelrooms.txt",
                           "rep_negorders.txt", "rep_orders.txt", "rep_payforms.txt",
                           "rep_vatrates.txt"}),
              out.entries());
}

TEST_F(RepData, GroupsXmlHoldsEachGroupWithItsOrderVoidAndPayNodes)
{
    Table table;
    table.add(order(3, 101, 300, 1));
    table.add(pay(4, 300));
    TRepWaiters groups(nullptr, dir.path());
    table.feed(groups);
    groups.addTable(&table.t);

    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("report"));
    doc.appendChild(root);
    groups.writeXml(doc, root);

    const QDomElement list = root.firstChildElement(QStringLiteral("waiters"));
    ASSERT_FALSE(list.isNull());
    QStringList keys;
    for (QDomElement e = list.firstChildElement(QStringLiteral("element")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("element")))
        keys << e.attribute(QStringLiteral("key"));
    keys.sort();
    EXPECT_EQ(QStringList({"0", "3", "4"}), keys);

    QDomElement waiter = list.firstChildElement(QStringLiteral("element"));
    while (waiter.attribute(QStringLiteral("key")) != QLatin1String("3"))
        waiter = waiter.nextSiblingElement(QStringLiteral("element"));
    EXPECT_EQ(QStringLiteral("1"), waiter.firstChildElement(QStringLiteral("tablecount")).text());
    EXPECT_EQ(QStringLiteral("3"), waiter.firstChildElement(QStringLiteral("waiter")).text());
    auto children = [](const QDomElement &e) {
        int n = 0;
        for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
            ++n;
        return n;
    };
    EXPECT_EQ(9, children(waiter.firstChildElement(QStringLiteral("Orders"))));
    EXPECT_EQ(3, children(waiter.firstChildElement(QStringLiteral("Voids"))));
    EXPECT_EQ(7, children(waiter.firstChildElement(QStringLiteral("Pays"))));
    const QDomElement orders
            = waiter.firstChildElement(QStringLiteral("Orders")).firstChildElement("orders");
    EXPECT_EQ(300.0, orders.firstChildElement(QStringLiteral("amount")).text().toDouble());
    EXPECT_TRUE(waiter.firstChildElement(QStringLiteral("cashins")).isNull());
}

namespace {

// Two tables whose pays fill every node that keeps a record per pay: a
// pay in a foreign currency with change in the house currency, a voided
// pay, a pay charged to a hotel room.
void payTables(Table &first, Table &second)
{
    first.add(order(3, 101, 1000, 1));
    TTableEntry *francs = first.add(pay(3, 600));
    francs->setInt(QStringLiteral("curr"), 2);
    francs->setString(QStringLiteral("currshort"), QStringLiteral("CHF"));
    francs->setInt(QStringLiteral("currdecpos"), 2);
    francs->setInt(QStringLiteral("given"), 1000);
    francs->setInt(QStringLiteral("orggiven"), 950);
    francs->setInt(QStringLiteral("return"), 400);
    francs->setInt(QStringLiteral("retcurr"), 1);
    francs->setBool(QStringLiteral("intermsum"), true);
    first.add(pay(3, 400, 2, true))->setBool(QStringLiteral("intermsum"), true);
    TTableEntry *card = first.add(pay(4, 400, 2));
    card->setInt(QStringLiteral("tip"), 30);
    card->setBool(QStringLiteral("intermsum"), true);

    second.t.setArchive(18);
    second.add(order(4, 102, 700, 1));
    second.add(pay(4, 700))->setString(QStringLiteral("room"), QStringLiteral("12"));
    TTableEntry *cash = second.add(pay(4, 0));
    cash->setInt(QStringLiteral("curr"), 1);
    cash->setBool(QStringLiteral("intermsum"), true);
}

QString groupsXml(const TRepDatas &groups)
{
    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("report"));
    doc.appendChild(root);
    groups.writeXml(doc, root);
    return doc.toString();
}

const char *const RecordNodes[] = {"tables", "currencies", "currreturns", "hotrooms", "allvoids"};

} // namespace

TEST_F(RepData, RecordNodesGiveTheSameLeavesAskedForEarlyOrLate)
{
    Table first;
    Table second;
    payTables(first, second);
    TRepWaiters late(nullptr, dir.path());
    first.feed(late);
    second.feed(late);
    // the same records, the leaves asked for between the two tables
    TRepWaiters early(nullptr, dir.path());
    first.feed(early);
    for (const char *key : RecordNodes)
        ASSERT_NE(nullptr, node(early, "0", key)) << key;
    for (const char *key : RecordNodes)
        node(early, "0", key)->leaves();
    second.feed(early);

    EXPECT_EQ(groupsXml(early), groupsXml(late));
    const auto *paid = static_cast<const TRepTable *>(
            node(late, "0", "tables")->leaf(QStringLiteral("20140305      17")));
    ASSERT_NE(nullptr, paid);
    // given minus return: the card pay names no given
    EXPECT_EQ(QStringLiteral("Cash:600:0;Card:0:30"), paid->pays());
    EXPECT_EQ(node(late, "0", "currencies")->leaves().size(),
              node(late, "0", "currencies")->count());
    EXPECT_EQ(QStringLiteral("CHF"), node(late, "0", "currencies")
                                             ->leaf(QStringLiteral("1"))
                                             ->getString(QStringLiteral("currshort")));
}

TEST_F(RepData, RecordNodesWithoutLeavesKeepTheirTotalsCountsAndSumsPerCurrency)
{
    Table first;
    Table second;
    payTables(first, second);
    TRepWaiters kept(nullptr, dir.path());
    TRepWaiters bare(nullptr, dir.path());
    bare.setKeepRecords(false);
    for (TRepWaiters *groups : {&kept, &bare}) {
        first.feed(*groups);
        second.feed(*groups);
    }

    for (const char *key : RecordNodes) {
        const TReportNode *with = node(kept, "0", key);
        const TReportNode *without = node(bare, "0", key);
        ASSERT_NE(nullptr, without) << key;
        EXPECT_TRUE(without->leaves().isEmpty()) << key;
        // without leaves, "tables" counts pays rather than tables and days
        if (qstrcmp(key, "tables") != 0) {
            EXPECT_EQ(with->count(), without->count()) << key;
        }
        if (with->total()) {
            EXPECT_EQ(with->total()->amount(), without->total()->amount()) << key;
            EXPECT_EQ(with->total()->count(), without->total()->count()) << key;
        }
    }
    for (const char *key : {"currencies", "currreturns"}) {
        const auto *with = static_cast<const TRepPayforms *>(node(kept, "0", key));
        const auto *without = static_cast<const TRepPayforms *>(node(bare, "0", key));
        ASSERT_EQ(with->currencySums().keys(), without->currencySums().keys()) << key;
        for (int id : with->currencySums().keys()) {
            const TCurrencySums &a = with->currencySums()[id];
            const TCurrencySums &b = without->currencySums()[id];
            EXPECT_EQ(a.given, b.given) << key << id;
            EXPECT_EQ(a.returned, b.returned) << key << id;
            EXPECT_EQ(a.orgGiven, b.orgGiven) << key << id;
            EXPECT_EQ(a.first.number, b.first.number) << key << id;
            EXPECT_EQ(a.first.shortName, b.first.shortName) << key << id;
        }
    }
    // the francs pay: 1000 given in francs (950 counted), 400 back in the house currency
    const TCurrencySums francs
            = static_cast<const TRepPayforms *>(node(bare, "0", "currencies"))->currencySums()[2];
    EXPECT_EQ(1000, francs.given);
    EXPECT_EQ(950, francs.orgGiven);
    EXPECT_EQ(400, francs.returned);
    EXPECT_EQ(1, francs.first.number);
    EXPECT_EQ(QStringLiteral("CHF"), francs.first.shortName);
    const TCurrencySums change
            = static_cast<const TRepPayforms *>(node(bare, "0", "currreturns"))->currencySums()[1];
    EXPECT_EQ(400, change.cashReturned);
    EXPECT_EQ(1, change.firstReturn.number);
}

TEST(NumberKeys, SortAsTheirTexts)
{
    EXPECT_TRUE(numberKeyBefore(1, 2));
    EXPECT_TRUE(numberKeyBefore(10, 9));
    EXPECT_TRUE(numberKeyBefore(1, 10));
    EXPECT_FALSE(numberKeyBefore(10, 1));
    EXPECT_TRUE(numberKeyBefore(100, 11));
    EXPECT_FALSE(numberKeyBefore(7, 7));
}

namespace {

// A leaf as text: its running sums and every field with its type.
QString leafText(int number, const TReportLeaf &leaf)
{
    QString text = QStringLiteral("%1 %2 %3").arg(number).arg(leaf.count()).arg(leaf.amount());
    for (auto it = leaf.fields().cbegin(); it != leaf.fields().cend(); ++it)
        text += QStringLiteral(" %1=%2:%3").arg(it.key()).arg(it.value().type).arg(it.value().text);
    return text;
}

QStringList visited(const TRepDatas &groups, const char *group, const char *key)
{
    QStringList out;
    const auto *n = dynamic_cast<const TRepRecordNode *>(node(groups, group, key));
    if (n)
        n->visitRecords(
                [&out](int number, const TReportLeaf &leaf) { out << leafText(number, leaf); });
    return out;
}

// Cash records in and out (a float in francs with its change currency),
// and balances of a waiter, a terminal and a cost center.
void cashTable(Table &table)
{
    auto cash = [&](qint64 amount, const QString &reason) {
        TTableEntry *e = table.add(entry(EntryCash, 3));
        e->setInt(QStringLiteral("amount"), amount);
        e->setString(QStringLiteral("reason"), reason);
        return e;
    };
    TTableEntry *francs = cash(500, QStringLiteral("Float\nmorning"));
    francs->setInt(QStringLiteral("retcurr"), 2);
    francs->setString(QStringLiteral("retcurrshort"), QStringLiteral("CHF"));
    francs->setInt(QStringLiteral("retamount"), 480);
    cash(0, QStringLiteral("Count"));
    cash(-200, QString());
    cash(-50, QStringLiteral("Supplier"));
    auto balance = [&](const char *flag, qint64 amount) {
        TTableEntry *e = table.add(entry(EntryBalance, 4));
        e->setInt(QStringLiteral("ccdamount"), amount);
        e->setInt(QStringLiteral("ccdbalance"), amount - 10);
        e->setInt(QStringLiteral("ccddifferences"), 10);
        e->setInt(QStringLiteral("terminal"), 2);
        e->setString(QStringLiteral("termname"), QStringLiteral("Bar"));
        e->setInt(QStringLiteral("center"), 1);
        if (flag)
            e->setString(QString::fromLatin1(flag), QStringLiteral("x"));
    };
    balance(nullptr, 1200);
    balance("ccdterminal", 800);
    balance("ccdcostcenter", 300);
}

} // namespace

TEST_F(RepData, CashAndBalanceRecordsReadOneByOneAsTheirLeaves)
{
    Table table;
    cashTable(table);
    TRepWaiters rows(nullptr, dir.path());
    table.feed(rows);
    // leaves from the start: the node holds leaves, not rows
    TRepWaiters leaves(nullptr, dir.path());
    const QList<Basics::TValue *> entries = table.t.entries().values();
    leaves.addEntry(static_cast<TTableEntry *>(entries.first()), &table.t);
    for (const char *key : {"cashins", "cashouts", "balances"})
        node(leaves, "0", key)->leaves();
    for (qsizetype i = 1; i < entries.size(); ++i)
        leaves.addEntry(static_cast<TTableEntry *>(entries.at(i)), &table.t);

    const QStringList ins = visited(rows, "0", "cashins");
    ASSERT_EQ(2, ins.size());
    EXPECT_TRUE(ins.at(0).startsWith(QStringLiteral("1 1 500 "))) << qPrintable(ins.at(0));
    EXPECT_TRUE(ins.at(0).contains(QStringLiteral(" retcurrshort=7:CHF"))) << qPrintable(ins.at(0));
    EXPECT_EQ(3, visited(rows, "0", "cashouts").size());
    for (const char *key : {"cashins", "cashouts", "balances"}) {
        // the rows read one by one, then made leaves, equal the leaves
        const QStringList fromRows = visited(rows, "0", key);
        EXPECT_EQ(fromRows, visited(leaves, "0", key)) << key;
        EXPECT_EQ(fromRows.size(), node(rows, "0", key)->count()) << key;
        EXPECT_EQ(fromRows.size(), node(rows, "0", key)->leaves().size()) << key;
        EXPECT_EQ(fromRows, visited(rows, "0", key)) << key;
        // the waiter's group took them alike
        const char *waiter = qstrcmp(key, "balances") == 0 ? "4" : "3";
        EXPECT_EQ(fromRows, visited(rows, waiter, key)) << key;
    }
    const TReportLeaf *terminal = leaf(rows, "0", "balances", QStringLiteral("2"));
    ASSERT_NE(nullptr, terminal);
    EXPECT_TRUE(terminal->getBool(QStringLiteral("ccdterminal")));
    EXPECT_FALSE(terminal->getBool(QStringLiteral("ccdcostcenter")));
    EXPECT_EQ(790, terminal->getLong(QStringLiteral("ccdbalance")));
    EXPECT_EQ(QStringLiteral("Bar"), terminal->getString(QStringLiteral("termname")));
}

TEST_F(RepData, CashAndBalanceNodesWithoutRecordsCountThem)
{
    Table table;
    cashTable(table);
    TRepWaiters kept(nullptr, dir.path());
    TRepWaiters bare(nullptr, dir.path());
    bare.setKeepCashRecords(false);
    EXPECT_FALSE(bare.keepsCashRecords());
    table.feed(kept);
    table.feed(bare);
    for (const char *key : {"cashins", "cashouts", "balances"}) {
        EXPECT_EQ(node(kept, "0", key)->count(), node(bare, "0", key)->count()) << key;
        EXPECT_TRUE(node(bare, "0", key)->leaves().isEmpty()) << key;
        EXPECT_TRUE(visited(bare, "0", key).isEmpty()) << key;
    }
    // the pay and void nodes keep theirs
    EXPECT_TRUE(bare.keepsRecords());
}

namespace {

QByteArray fileRecord(std::initializer_list<std::pair<const char *, QString>> fields)
{
    Basics::TValue v;
    for (const auto &[name, text] : fields)
        v.set(QString::fromLatin1(name), Basics::TypeText, text);
    QByteArray out;
    Basics::appendRecord(out, v);
    return out;
}

QByteArray articleOrder(int id, const QString &article, const char *count)
{
    return fileRecord({{"type", QStringLiteral("3")},
                       {"id", QString::number(id)},
                       {"waiter", QStringLiteral("3")},
                       {"plu", QStringLiteral("101")},
                       {"price", QStringLiteral("950")},
                       {"count", QString::fromLatin1(count)},
                       {"family", QStringLiteral("1")},
                       {"article", article}});
}

QByteArray filePay(int id, const QString &payformName)
{
    return fileRecord({{"type", QStringLiteral("5")},
                       {"id", QString::number(id)},
                       {"waiter", QStringLiteral("3")},
                       {"amount", QStringLiteral("1900")},
                       {"payform", QStringLiteral("1")},
                       {"payformname", payformName}});
}

} // namespace

TEST_F(RepData, EntriesReadFromAFileCountAsTheSameEntriesInMemory)
{
    // texts that differ in line breaks only spell the same key
    QByteArray data
            = fileRecord({{"table", QStringLiteral("5")}, {"insum", QStringLiteral("yes")}});
    data += fileRecord({{"type", QStringLiteral("1")}, {"waiter", QStringLiteral("3")}});
    data += articleOrder(1, QStringLiteral("Pizza\nMargherita"), "1");
    data += articleOrder(2, QStringLiteral("PizzaMargherita"), "2");
    data += articleOrder(3, QStringLiteral("Pizza\r\nMargherita"), "0.5");
    data += articleOrder(4, QStringLiteral("Pizza Margherita"), "1");
    data += filePay(5, QStringLiteral("Cash"));
    data += filePay(6, QStringLiteral("Ca\nsh"));
    data += filePay(7, QStringLiteral("Card"));
    data += fileRecord({{"type", QStringLiteral("-1")}});

    TTableFacts facts;
    Basics::TRecordReader reader(data);
    ASSERT_EQ(TTableFacts::Read, facts.read(reader));
    TRepWaiters fromFile(nullptr, dir.path());
    for (const TEntryFacts *e : facts.entries())
        fromFile.add(*e, facts);

    TTable table(nullptr);
    Basics::TRecordReader records(data);
    ASSERT_EQ(0, table.loadData(records, true, 0, nullptr, 0, true));
    TRepWaiters inMemory(nullptr, dir.path());
    table.entries().forEach([&](TTableEntry *e) { inMemory.addEntry(e, &table); });

    EXPECT_EQ(groupsXml(inMemory), groupsXml(fromFile));
    const TReportNode *articles = node(fromFile, "0", "articles");
    ASSERT_EQ(2, articles->count());
    EXPECT_EQ(3.5, articles->leaf(QStringLiteral("0000000101:950:PizzaMargherita"))->count());
    const TReportNode *payforms = node(fromFile, "0", "payforms");
    ASSERT_EQ(2, payforms->count());
    EXPECT_EQ(2.0, payforms->leaf(QStringLiteral("Cash_1insum"))->count());
}

TEST_F(RepData, ADayWithCashRecordsGoesIntoGroupsThatOnlyCountThem)
{
    Table table;
    cashTable(table);
    TRepWaiters day(nullptr, dir.path());
    table.feed(day);
    const QByteArray blob = TDayAggregate::toBytes(day);
    ASSERT_FALSE(blob.isEmpty());
    TRepWaiters bare(nullptr, dir.path());
    bare.setKeepCashRecords(false);
    ASSERT_TRUE(TDayAggregate::merge(blob, bare));
    for (const char *key : {"cashins", "cashouts", "balances"}) {
        EXPECT_EQ(node(day, "0", key)->count(), node(bare, "0", key)->count()) << key;
        EXPECT_TRUE(node(bare, "0", key)->leaves().isEmpty()) << key;
    }
    // the other way round the records would be missing
    TRepWaiters bareDay(nullptr, dir.path());
    bareDay.setKeepCashRecords(false);
    table.feed(bareDay);
    TRepWaiters kept(nullptr, dir.path());
    EXPECT_FALSE(TDayAggregate::merge(TDayAggregate::toBytes(bareDay), kept));
    // groups without the pay notes are never written as a day
    TRepWaiters report(nullptr, dir.path());
    report.setKeepDayNotes(false);
    table.feed(report);
    table.add(pay(3, 100))->setBool(QStringLiteral("intermsum"), true);
    table.feed(report);
    EXPECT_TRUE(TDayAggregate::toBytes(report).isEmpty());
}
