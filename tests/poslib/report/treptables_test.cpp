#include "spoolthresholds.h"
#include "taggregatestream.h"
#include "testdir.h"
#include "trepdata.h"
#include "treportleaf.h"
#include "treportnode.h"
#include "treptables.h"
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

namespace {

// What a table node gives out: its lines in the table report's order, its
// leaves by key, its count and its day aggregate.
struct TablesSeen
{
    explicit TablesSeen(const TRepTables &node)
    {
        node.visitLinesByTime(
                [this](const TRepTables::Line &line) {
                    QString text = line.payDate.toString(Qt::ISODate) + ' '
                                   + line.payTime.toString(Qt::ISODate) + ' ' + line.table + '/'
                                   + line.party + ' ' + QString::number(line.amount);
                    for (const TRepTables::Line::Pay &pay : line.pays)
                        text += ' ' + pay.payform + ':' + QString::number(pay.net) + ':'
                                + QString::number(pay.tip);
                    lines << text;
                },
                [](const TRepTable &) { ADD_FAILURE() << "rows were made leaves"; });
        node.visitLeaves([this](const QString &key, const TReportLeaf &leaf) {
            leaves << key + ' ' + static_cast<const TRepTable &>(leaf).pays() + ' '
                              + leaf.getString(QStringLiteral("tablename"));
        });
        count = node.count();
        TAggregateWriter out;
        EXPECT_TRUE(node.writeDay(out));
        day = out.bytes();
    }
    QStringList lines;
    QStringList leaves;
    int count = 0;
    QByteArray day;
};

// A pay of `amount` on table `archive` (table number archive % 7).
void pay(TRepTables &node, qint64 archive, const QDateTime &at, qint64 amount,
         const QString &payform = QStringLiteral("Cash"))
{
    TTable t(nullptr);
    t.setTable(int(archive % 7) + 1);
    t.setParty(1);
    t.setArchive(archive);
    t.setInSum(true);
    t.create().setString(QStringLiteral("tablename"), QStringLiteral("T%1").arg(archive));
    auto *e = new TTableEntry;
    e->setType(EntryPay);
    e->setInt(QStringLiteral("waiter"), 3);
    e->setDate(QStringLiteral("date"), at.date());
    e->setTime(QStringLiteral("time"), at.time());
    e->setInt(QStringLiteral("amount"), amount);
    e->setInt(QStringLiteral("given"), amount + 5);
    e->setInt(QStringLiteral("return"), 5);
    e->setInt(QStringLiteral("payform"), 1);
    e->setString(QStringLiteral("payformname"), payform);
    e->setBool(QStringLiteral("intermsum"), true);
    t.entries().append(e);
    node.addEntry(e, &t);
}

// Tables of several days in the order a report meets them: a day's
// summary also holds pays after midnight, a table paid in two parts far
// apart, tables of the same second, out of order.
void feedDays(TRepTables &node)
{
    for (int d = 0; d < 6; ++d) {
        const QDate day = Day.addDays(d);
        for (int t = 0; t < 9; ++t) {
            const qint64 archive = 100 * d + (t * 5) % 9 + 1;
            pay(node, archive, QDateTime(day, QTime(18 + t / 3, 59 - t, t % 2 ? 7 : 8)),
                1000 + archive, t % 3 ? QStringLiteral("Cash") : QStringLiteral("Card"));
        }
        // after midnight, in the day's own summary
        pay(node, 100 * d + 50, QDateTime(day.addDays(1), QTime(0, 30)), 77);
        // the first table of the day paid the rest much later
        pay(node, 100 * d + 1, QDateTime(day, QTime(23, 0)), -300, QStringLiteral("Voucher"));
    }
    // a table of the first day paid in full days later
    pay(node, 1, QDateTime(Day, QTime(12, 0)), 5);
}

} // namespace

// A node spooling its rows to a file every few rows gives out the same
// lines, leaves, count and day aggregate as one holding them, also when a
// table's pays came in several runs, once it read the file back for a row
// it cannot order by number, and when it was filled by merging day
// aggregates.
TEST(RepTables, SpooledRowsReadAsHeldRows)
{
    const SpoolThresholds spool;
    spool.rows(0);
    TRepTables held;
    spool.rows(4);
    TRepTables spooled;
    TRepTables byDays;
    spool.restore();
    feedDays(held);
    feedDays(spooled);
    {
        // each day a node of its own, written and merged in order
        spool.rows(0);
        for (int d = 0; d < 6; ++d) {
            TRepTables day;
            for (int t = 0; t < 3; ++t)
                pay(day, 100 * d + t, QDateTime(Day.addDays(d), QTime(20, t)), 10 * t);
            pay(day, 1, QDateTime(Day, QTime(23, 30 + d)), 1);
            TAggregateWriter out;
            ASSERT_TRUE(day.writeDay(out));
            const QByteArray bytes = out.bytes();
            TAggregateReader in(bytes);
            byDays.mergeDay(in);
            ASSERT_TRUE(in.ok());
            TAggregateReader again(bytes);
            held.mergeDay(again);
            TAggregateReader third(bytes);
            spooled.mergeDay(third);
        }
        spool.restore();
    }

    const TablesSeen fromHeld(held);
    const TablesSeen fromSpool(spooled);
    EXPECT_EQ(fromHeld.lines, fromSpool.lines);
    EXPECT_EQ(fromHeld.leaves, fromSpool.leaves);
    EXPECT_EQ(fromHeld.count, fromSpool.count);
    EXPECT_EQ(fromHeld.day, fromSpool.day);
    // ten tables a day (nine and one after midnight) and one more a day merged
    EXPECT_EQ(6 * 10 + 6, fromHeld.count);
    EXPECT_GE(fromHeld.lines.filter(QStringLiteral(" Voucher:")).size(), 6);
    // the first table's pays of three runs in the order they came
    EXPECT_EQ(1,
              fromHeld.lines.filter(QStringLiteral("Card:1001:0 Voucher:-300:0 Cash:5:0")).size());

    // an archive number beyond eight places: read back, ordered as before
    for (TRepTables *node : {&held, &spooled})
        pay(*node, 123456789012LL, QDateTime(Day.addDays(2), QTime(19, 0)), 9);
    const TablesSeen heldLater(held);
    const TablesSeen spooledLater(spooled);
    EXPECT_EQ(heldLater.lines, spooledLater.lines);
    EXPECT_EQ(heldLater.leaves, spooledLater.leaves);
    EXPECT_EQ(fromHeld.count + 1, spooledLater.count);

    // leaves made of the rows read back
    EXPECT_EQ(held.leaves().keys(), spooled.leaves().keys());
}

// A run written with rows of many pay days out of order (a table paid days
// later, days taken backwards) is read back by pay day as held rows are,
// whether it holds a few pay days or more than a few.
TEST(RepTables, ARunOfManyPayDaysReadsAsHeldRows)
{
    for (const int days : {3, 40}) {
        const SpoolThresholds spool;
        spool.rows(0);
        TRepTables held;
        spool.rows(2 * days);
        TRepTables spooled;
        spool.restore();
        for (TRepTables *node : {&held, &spooled}) {
            for (int d = days - 1; d >= 0; --d) {
                pay(*node, 10 * d + 1, QDateTime(Day.addDays(d), QTime(20, d % 60)), 100 + d);
                pay(*node, 10 * d + 2, QDateTime(Day.addDays(d + 3), QTime(9, 0)), 7);
            }
            // one more than a run: it stays held
            pay(*node, 5, QDateTime(Day.addDays(1), QTime(21, 0)), 3);
        }
        const TablesSeen fromHeld(held);
        const TablesSeen fromSpool(spooled);
        EXPECT_EQ(2 * days + 1, fromHeld.count) << days;
        EXPECT_EQ(fromHeld.lines, fromSpool.lines) << days;
        EXPECT_EQ(fromHeld.leaves, fromSpool.leaves) << days;
        EXPECT_EQ(fromHeld.day, fromSpool.day) << days;
    }
}
