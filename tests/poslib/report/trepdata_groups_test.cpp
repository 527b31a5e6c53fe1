// The groups: which waiter or cost center an entry counts for, the groups
// as text and XML, and entries read from a file against those in memory.

#include "testdir.h"
#include "trecordcodec.h"
#include "trepdatafixture.h"
#include "ttablefacts.h"
#include "ttaxgroups.h"

#include <QDomDocument>
#include <QTextStream>

using namespace PosLib;
using namespace RepDataTest;

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
