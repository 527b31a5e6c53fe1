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
