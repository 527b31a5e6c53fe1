// The order nodes: components, add-ons, departments, counts of zero and the
// pay form an order falls under.

#include "tdepartments.h"
#include "trepdatafixture.h"

#include <limits>

using namespace PosLib;
using namespace RepDataTest;

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

// An article's leaf key: the number at least ten digits wide, the unit
// price, the name without line breaks; long and negative numbers too.
TEST(RepOrders, ArticleKeysAreNumberPriceAndName)
{
    auto key = [](qint64 plu, qint64 price, const QString &name) {
        std::unique_ptr<TTableEntry> e(child(EntryOrder, plu, price));
        e->setString(QStringLiteral("article"), name);
        return articleKey(e.get());
    };
    EXPECT_EQ(QStringLiteral("0000000101:300:Soup"), key(101, 300, QStringLiteral("Soup")));
    EXPECT_EQ(QStringLiteral("0000000000:-250:"), key(0, -250, QString()));
    EXPECT_EQ(QStringLiteral("1234567890:1:A"), key(1234567890, 1, QStringLiteral("A")));
    EXPECT_EQ(QStringLiteral("0000000007:-9223372036854775808:X"),
              key(7, std::numeric_limits<qint64>::min(), QStringLiteral("X")));
    EXPECT_EQ(QStringLiteral("0000000007:9223372036854775807:"),
              key(7, std::numeric_limits<qint64>::max(), QStringLiteral("")));
    EXPECT_EQ(QStringLiteral("12345678901:0:Two lines"),
              key(12345678901LL, 0, QStringLiteral("Two\r\n lines")));
    EXPECT_EQ(QStringLiteral("%1:%2:%3")
                      .arg(qint64(-42), 10, 10, QLatin1Char('0'))
                      .arg(5)
                      .arg(QStringLiteral("%1")),
              key(-42, 5, QStringLiteral("%1")));
}
