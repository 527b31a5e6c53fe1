#include "tcurrencies.h"
#include "testdir.h"
#include "topentableslist.h"
#include "ttable.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Day(2026, 12, 5);

TTableEntry *entry(TTableEntries &list, int id, int type, const QTime &time)
{
    auto *e = new TTableEntry;
    e->setId(id);
    e->setType(type);
    e->setDate(QStringLiteral("date"), Day);
    e->setTime(QStringLiteral("time"), time);
    list.insert(e);
    return e;
}

TTableEntry *order(TTable &table, int id, int plu, const QString &article, long price, double count)
{
    TTableEntry *o = entry(table.entries(), id, EntryOrder, QTime(19, id));
    o->setInt(QStringLiteral("plu"), plu);
    o->setString(QStringLiteral("article"), article);
    o->setInt(QStringLiteral("price"), price);
    o->setDouble(QStringLiteral("count"), count);
    return o;
}

TTableEntry *pay(TTable &table, int id, long amount, const QString &payform)
{
    TTableEntry *p = entry(table.entries(), id, EntryPay, QTime(20, id));
    p->setInt(QStringLiteral("amount"), amount);
    p->setString(QStringLiteral("payformname"), payform);
    return p;
}

// An open table of waiter 3 ("Clara") with bill 77 and a stored total.
std::unique_ptr<TTable> openTable(long number, int party, double amount,
                                  const QString &root = QString())
{
    auto table = std::make_unique<TTable>(number, party, nullptr, root);
    table->setTable(number);
    table->setParty(party);
    table->setBillNum(77);
    table->setAmount(amount);
    TTableCreate &create = table->create();
    create.setId(0);
    create.setInt(QStringLiteral("waiter"), 3);
    create.setString(QStringLiteral("waitername"), QStringLiteral("Clara"));
    create.setString(QStringLiteral("tablename"), QStringLiteral("Window"));
    create.setDate(QStringLiteral("date"), Day);
    create.setTime(QStringLiteral("time"), QTime(18, 30, 5));
    table->setState(TTable::Open);
    return table;
}

QStringList columnsOf(const TListRow &row)
{
    return row.columns;
}

void addEuro(TCurrencies &list)
{
    auto *euro = static_cast<TCurrency *>(list.newValue());
    euro->setId(1);
    euro->setShortname(QStringLiteral("EUR"));
    euro->setRate(1);
    euro->setDecpos(2);
    euro->setDecchar(QStringLiteral(","));
    list.insert(euro);
    list.setSystemCurrencyId(1);
}

} // namespace

TEST(OpenTableRow, TableColumnsAndOneGroupPerKindPresent)
{
    std::unique_ptr<TTable> table = openTable(12, 1, 4250.0);
    order(*table, 1, 201, QStringLiteral("Pizza\nMargherita"), 950, 1);
    TTableEntry *pasta = order(*table, 2, 301, QStringLiteral("Carbonara"), 1190, 1.5);
    auto *addOn = new TTableEntry;
    addOn->setType(EntryAddOn);
    addOn->setInt(QStringLiteral("price"), 100);
    pasta->children(true)->append(addOn);
    pay(*table, 3, 1000, QStringLiteral("Cash"));
    TTableEntry *room = pay(*table, 4, 2000, QStringLiteral("Hotel room"));
    room->setString(QStringLiteral("room"), QStringLiteral("214"));
    room->setInt(QStringLiteral("hotparty"), 2);
    room->setString(QStringLiteral("hotelguest"), QStringLiteral("Mr. Rossi"));
    TTableEntry *voided = pay(*table, 5, 500, QStringLiteral("Visa"));
    voided->setBool(QStringLiteral("voided"), true);
    order(*table, 6, 601, QStringLiteral("Water"), 390, 2);
    entry(table->entries(), 7, EntryVoid, QTime(21, 0)); // no row of its own

    const TOpenTableRow row = openTableRow(*table, nullptr, Qt::ISODate);
    EXPECT_EQ(QStringList({QStringLiteral("      12"), QStringLiteral("  1"),
                           QStringLiteral("4250"), QStringLiteral("   3"), QStringLiteral("Clara"),
                           QStringLiteral("Window")}),
              row.columns);
    EXPECT_TRUE(row.counted);
    EXPECT_EQ(4250, row.amount);
    ASSERT_EQ(3, row.details.size());

    const TListRow &creation = row.details[0];
    EXPECT_EQ(QStringList({QStringLiteral("Creation")}), creation.columns);
    ASSERT_EQ(2, creation.children.size());
    EXPECT_EQ(QStringList({QStringLiteral("Bill"), QStringLiteral("Time"), QStringLiteral("Date")}),
              columnsOf(creation.children[0]));
    EXPECT_EQ(QStringList({QStringLiteral("77"), QStringLiteral("18:30:05"),
                           QStringLiteral("2026-12-05")}),
              columnsOf(creation.children[1]));

    // the payments in id order, the voided one too; the room's title and
    // row right after its payment
    const TListRow &pays = row.details[1];
    EXPECT_EQ(QStringList({QStringLiteral("Pay")}), pays.columns);
    ASSERT_EQ(6, pays.children.size());
    EXPECT_EQ(QStringList({QStringLiteral("Amount"), QStringLiteral("Payform"),
                           QStringLiteral("Time"), QStringLiteral("Date")}),
              columnsOf(pays.children[0]));
    EXPECT_EQ(QStringList({QStringLiteral("10.00"), QStringLiteral("Cash"),
                           QStringLiteral("20:03:00"), QStringLiteral("2026-12-05")}),
              columnsOf(pays.children[1]));
    EXPECT_EQ(QStringLiteral("20.00"), pays.children[2].columns.value(0));
    EXPECT_EQ(
            QStringList({QStringLiteral("Guest"), QStringLiteral("Party"), QStringLiteral("Room")}),
            columnsOf(pays.children[3]));
    EXPECT_EQ(
            QStringList({QStringLiteral("Mr. Rossi"), QStringLiteral("2"), QStringLiteral("214")}),
            columnsOf(pays.children[4]));
    EXPECT_EQ(QStringLiteral("Visa"), pays.children[5].columns.value(1));

    // orders: price with its add-ons, one-line article, count with 3 places
    const TListRow &orders = row.details[2];
    EXPECT_EQ(QStringList({QStringLiteral("Order")}), orders.columns);
    ASSERT_EQ(4, orders.children.size());
    EXPECT_EQ(
            QStringList({QStringLiteral("Price"), QStringLiteral("Article"), QString(),
                         QStringLiteral("Count"), QStringLiteral("Time"), QStringLiteral("Date")}),
            columnsOf(orders.children[0]));
    EXPECT_EQ(QStringList({QStringLiteral("9.50"), QStringLiteral("Pizza|Margherita"),
                           QStringLiteral("201"), QStringLiteral("1.000"),
                           QStringLiteral("19:01:00"), QStringLiteral("2026-12-05")}),
              columnsOf(orders.children[1]));
    EXPECT_EQ(QStringLiteral("12.90"), orders.children[2].columns.value(0));
    EXPECT_EQ(QStringLiteral("1.500"), orders.children[2].columns.value(3));
    EXPECT_EQ(QStringLiteral("Water"), orders.children[3].columns.value(1));
}

TEST(OpenTableRow, GroupsOnlyForKindsPresentAlwaysInTheSameOrder)
{
    std::unique_ptr<TTable> table = openTable(4, 2, 390.0);
    order(*table, 1, 601, QStringLiteral("Water"), 390, 1);
    const TOpenTableRow unpaid = openTableRow(*table, nullptr, Qt::ISODate);
    ASSERT_EQ(2, unpaid.details.size());
    EXPECT_EQ(QStringLiteral("Order"), unpaid.details[1].columns.value(0));

    // a payment met before the first order does not change the order
    std::unique_ptr<TTable> paidFirst = openTable(5, 1, 0.0);
    pay(*paidFirst, 1, 390, QStringLiteral("Cash"));
    order(*paidFirst, 2, 601, QStringLiteral("Water"), 390, 1);
    const TOpenTableRow row = openTableRow(*paidFirst, nullptr, Qt::ISODate);
    ASSERT_EQ(3, row.details.size());
    EXPECT_EQ(QStringLiteral("Pay"), row.details[1].columns.value(0));
    EXPECT_EQ(QStringLiteral("Order"), row.details[2].columns.value(0));

    // the document shows dates in Qt's text form
    const TOpenTableRow text = openTableRow(*paidFirst, nullptr, Qt::TextDate);
    EXPECT_EQ(Day.toString(Qt::TextDate), text.details[0].children[1].columns.value(2));
}

TEST(OpenTableRow, HeldAndCorruptTables)
{
    TestDir dir;
    dir.write(QStringLiteral("var/activetables/T7P2.4"), QByteArray());
    TTable held(7, 2, nullptr, dir.path());
    ASSERT_TRUE(held.checkHeld());
    const TOpenTableRow row = openTableRow(held, nullptr, Qt::ISODate);
    EXPECT_EQ(TTable::Locked, row.state);
    EXPECT_FALSE(row.counted);
    EXPECT_EQ(QStringList({QStringLiteral("       7"), QStringLiteral("  2"), QString(), QString(),
                           QStringLiteral("Table is locked"), QString()}),
              row.columns);
    EXPECT_TRUE(row.details.isEmpty());

    std::unique_ptr<TTable> corrupt = openTable(8, 1, 100.0);
    corrupt->setState(TTable::Corrupt);
    const TOpenTableRow broken = openTableRow(*corrupt, nullptr, Qt::ISODate);
    EXPECT_EQ(TTable::Corrupt, broken.state);
    EXPECT_TRUE(broken.counted);
}

TEST(OpenTableRow, AmountsThroughTheCurrencyList)
{
    TCurrencies currencies;
    addEuro(currencies);
    std::unique_ptr<TTable> table = openTable(12, 1, 123456.0);
    pay(*table, 1, -5, QStringLiteral("Cash"));
    const TOpenTableRow row = openTableRow(*table, &currencies, Qt::ISODate);
    EXPECT_EQ(QStringLiteral("   1234,56"), row.columns.value(2));
    EXPECT_EQ(QStringLiteral("-0,05"), row.details[1].children[1].columns.value(0));
}

class OpenTablesListTest : public ::testing::Test
{
protected:
    void writeTable(const TTable &table)
    {
        QByteArray bytes;
        table.write(bytes);
        dir.write(QStringLiteral("var/tables/") + activeTableFileName(table.table(), table.party()),
                  bytes);
    }

    TestDir dir;
};

TEST_F(OpenTablesListTest, HeldTablesLeftOutOthersInNumberOrderCountedAndSummed)
{
    std::unique_ptr<TTable> twelve = openTable(12, 1, 1000.0);
    std::unique_ptr<TTable> twelveTwo = openTable(12, 2, 250.0);
    std::unique_ptr<TTable> four = openTable(4, 1, 500.0);
    std::unique_ptr<TTable> held = openTable(7, 1, 9999.0);
    for (const auto *table : {twelve.get(), twelveTwo.get(), four.get(), held.get()})
        writeTable(*table);
    dir.write(QStringLiteral("var/tables/t9.001.tmp"), QByteArray("half written"));
    dir.write(QStringLiteral("var/activetables/T7P1.3"), QByteArray());

    TOpenTablesList list(dir.path(), nullptr);
    QList<int> steps;
    int total = -1;
    QObject::connect(&list, &TOpenTablesList::sigDataCount, [&](int n) { total = n; });
    QObject::connect(&list, &TOpenTablesList::sigProgress, [&](int step) { steps << step; });
    list.load();

    ASSERT_EQ(3, list.rows().size());
    EXPECT_EQ(4, list.rows()[0].table);
    EXPECT_EQ(12, list.rows()[1].table);
    EXPECT_EQ(1, list.rows()[1].party);
    EXPECT_EQ(2, list.rows()[2].party);
    EXPECT_EQ(3, list.count());
    EXPECT_EQ(1750, list.sum());
    EXPECT_EQ(QStringLiteral("3 tables (17.50 )"), list.status());
    EXPECT_EQ(4, total);
    EXPECT_EQ(4, steps.last());

    // a second load starts afresh
    dir.write(QStringLiteral("var/activetables/T4P1.2"), QByteArray());
    list.load();
    EXPECT_EQ(2, list.count());
    EXPECT_EQ(1250, list.sum());
}
