// The pay and record nodes: voided pays, cash records, the nodes that keep
// a record per pay, and what groups without records still count.

#include "tdayaggregate.h"
#include "tnodeparts.h"
#include "trepdatafixture.h"

using namespace PosLib;
using namespace RepDataTest;

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

// Groups that keep the records of some nodes only: those hold a leaf per
// pay, the others count their records as without any; their day
// aggregates are of their own and groups of everything do not take them.
TEST_F(RepData, RecordsOfSomeNodesOnly)
{
    Table first;
    Table second;
    payTables(first, second);
    TRepWaiters all(nullptr, dir.path());
    TRepWaiters some(nullptr, dir.path());
    some.setRecordNodes({QStringLiteral("currreturns"), QStringLiteral("currencies")});
    TRepWaiters bare(nullptr, dir.path());
    bare.setKeepRecords(false);
    for (TRepWaiters *groups : {&all, &some, &bare}) {
        first.feed(*groups);
        second.feed(*groups);
    }
    for (const char *key : RecordNodes) {
        const bool kept = qstrcmp(key, "currencies") == 0 || qstrcmp(key, "currreturns") == 0;
        const TRepWaiters &like = kept ? all : bare;
        EXPECT_EQ(node(like, "0", key)->count(), node(some, "0", key)->count()) << key;
        EXPECT_EQ(node(like, "0", key)->leaves().keys(), node(some, "0", key)->leaves().keys())
                << key;
        EXPECT_EQ(kept, !node(some, "0", key)->leaves().isEmpty()) << key;
    }
    EXPECT_EQ(all.dayName() + QStringLiteral("#currencies,currreturns"), some.dayName());
    EXPECT_TRUE(some.takesDay(some.dayName(), true, true));
    EXPECT_FALSE(some.takesDay(all.dayName(), true, true));
    EXPECT_FALSE(all.takesDay(some.dayName(), true, true));
    // without records, the nodes named do not matter
    bare.setRecordNodes({QStringLiteral("tables")});
    EXPECT_EQ(all.dayName(), bare.dayName());
}

// The numbers of a node's leaves come in the order of their texts.
TEST(NumberKeys, ComeInTheOrderOfTheirTexts)
{
    for (int count : {0, 1, 9, 10, 11, 99, 100, 101, 109, 110, 999, 1000, 4321, 10000}) {
        QStringList texts;
        for (int n = 1; n <= count; ++n)
            texts << QString::number(n);
        texts.sort();
        QStringList visited;
        NodeParts::forNumbersAsTexts(count, [&](int n) { visited << QString::number(n); });
        ASSERT_EQ(texts, visited) << count;
    }
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
