#include "testdir.h"
#include "trepdata.h"
#include "treportleaf.h"
#include "treportnode.h"
#include "ttable.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Day(2014, 3, 5);

// A paid table of waiter 3 with one pay of `amount` at `day` and `time`.
struct PaidTable
{
    PaidTable(qint64 archive, const QDate &day, const QTime &time, qint64 amount)
        : t(nullptr)
    {
        t.setTable(5);
        t.setParty(1);
        t.setArchive(archive);
        t.setInSum(true);
        t.create().setInt(QStringLiteral("waiter"), 3);
        auto *e = new TTableEntry;
        e->setType(EntryPay);
        e->setInt(QStringLiteral("waiter"), 3);
        e->setDate(QStringLiteral("date"), day);
        e->setTime(QStringLiteral("time"), time);
        e->setInt(QStringLiteral("amount"), amount);
        e->setInt(QStringLiteral("payform"), 1);
        e->setString(QStringLiteral("payformname"), QStringLiteral("Cash"));
        e->setBool(QStringLiteral("intermsum"), true);
        t.entries().append(e);
    }
    void feed(TRepDatas &groups)
    {
        t.entries().forEach([&](TTableEntry *e) { groups.addEntry(e, &t); });
    }
    TTable t;
};

// The amounts of the tables in the table report's order.
QList<qint64> amountsByTime(const TRepDatas &groups)
{
    const TRepData *all = groups.group(QStringLiteral("0"));
    const auto *tables
            = all ? dynamic_cast<const TRepTables *>(all->node(QStringLiteral("tables"))) : nullptr;
    QList<qint64> amounts;
    if (tables)
        tables->visitByTime([&](const TRepTable &leaf) { amounts << qint64(leaf.amount()); });
    return amounts;
}

} // namespace

// The table report lists tables by the date and time of their pay, to the
// second, and tables of the same second by their archive numbers as numbers
// (9 before 10 before 100), whether the node still holds its tables as rows
// or has made them leaves.
TEST(RepTables, TablesComeByTheTimeOfTheirPayThenByArchiveNumber)
{
    TestDir dir;
    std::vector<std::unique_ptr<PaidTable>> tables;
    tables.push_back(std::make_unique<PaidTable>(100, Day, QTime(19, 30, 0, 900), 100));
    tables.push_back(std::make_unique<PaidTable>(9, Day, QTime(19, 30, 0, 100), 200));
    tables.push_back(std::make_unique<PaidTable>(10, Day, QTime(18, 0, 5), 300));
    tables.push_back(std::make_unique<PaidTable>(7, Day.addDays(-1), QTime(23, 59, 59), 400));
    tables.push_back(std::make_unique<PaidTable>(11, Day, QTime(19, 30), 500));
    TRepWaiters rows(nullptr, dir.path());
    TRepWaiters leaves(nullptr, dir.path());
    for (const auto &table : tables) {
        table->feed(rows);
        table->feed(leaves);
    }
    // made leaves before the walk
    leaves.group(QStringLiteral("0"))->node(QStringLiteral("tables"))->leaves();

    const QList<qint64> expected {400, 300, 200, 500, 100};
    EXPECT_EQ(expected, amountsByTime(rows));
    EXPECT_EQ(expected, amountsByTime(leaves));
}

// What the table report prints of a table comes from its row as it would
// from the leaf made of it: table and party texts, the amount, and every
// pay with its form's name, given minus return and tip, also for names
// with the characters that separate the leaf's list of pays.
TEST(RepTables, LinesOfTheRowsReadAsTheLeaves)
{
    TestDir dir;
    TRepWaiters groups(nullptr, dir.path());
    groups.setKeepRecords(true);
    TTable t(nullptr);
    t.setTable(12);
    t.setParty(3);
    t.setArchive(40);
    t.setInSum(true);
    t.create().setInt(QStringLiteral("waiter"), 3);
    const QList<std::pair<QString, qint64>> pays
            = {{QStringLiteral("Cash"), 1250}, {QStringLiteral("Card: Visa;Gold"), -300}, {{}, 0}};
    int second = 0;
    for (const auto &[name, amount] : pays) {
        auto *e = new TTableEntry;
        e->setType(EntryPay);
        e->setInt(QStringLiteral("waiter"), 3);
        e->setDate(QStringLiteral("date"), Day);
        e->setTime(QStringLiteral("time"), QTime(20, 15, ++second));
        e->setInt(QStringLiteral("amount"), amount);
        e->setInt(QStringLiteral("tip"), 50);
        e->setInt(QStringLiteral("given"), amount + 100);
        e->setInt(QStringLiteral("return"), 100);
        e->setInt(QStringLiteral("payform"), 1);
        if (!name.isNull())
            e->setString(QStringLiteral("payformname"), name);
        e->setBool(QStringLiteral("intermsum"), true);
        t.entries().append(e);
    }
    t.entries().forEach([&](TTableEntry *e) { groups.addEntry(e, &t); });
    const auto *tables = dynamic_cast<const TRepTables *>(
            groups.group(QStringLiteral("0"))->node(QStringLiteral("tables")));
    ASSERT_NE(nullptr, tables);

    QStringList fromRows;
    tables->visitLinesByTime(
            [&](const TRepTables::Line &line) {
                QStringList texts;
                for (const TRepTables::Line::Pay &pay : line.pays)
                    texts << pay.payform + ':' + QString::number(pay.net) + ':'
                                     + QString::number(pay.tip);
                fromRows << line.payDate.toString() + ' ' + line.payTime.toString() + ' '
                                    + line.table + '/' + line.party + ' '
                                    + QString::number(line.amount) + ' ' + texts.join(';');
            },
            [&](const TRepTable &) { ADD_FAILURE() << "rows were made leaves"; });
    QStringList fromLeaves;
    tables->visitByTime([&](const TRepTable &leaf) {
        fromLeaves << leaf.payDate().toString() + ' ' + leaf.payTime().toString() + ' '
                              + leaf.getString(QStringLiteral("table")) + '/'
                              + leaf.getString(QStringLiteral("party")) + ' '
                              + QString::number(leaf.amount()) + ' ' + leaf.pays();
    });
    ASSERT_EQ(1, fromRows.size());
    EXPECT_EQ(fromLeaves, fromRows);
    EXPECT_TRUE(fromRows.first().contains(QLatin1String("12/3 950 Cash:1250:50;Card: Visa;Gold")))
            << qPrintable(fromRows.first());

    // once leaves, the leaves themselves
    tables->leaves();
    int leaves = 0;
    tables->visitLinesByTime([&](const TRepTables::Line &) { ADD_FAILURE() << "a row"; },
                             [&](const TRepTable &) { ++leaves; });
    EXPECT_EQ(1, leaves);
}
