#include "planteddata.h"
#include "texceptionday.h"
#include "texceptionwalker.h"
#include "trecordcodec.h"
#include "ttablefacts.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Day(2026, 12, 1);

class Walker : public ::testing::Test
{
protected:
    Walker()
    {
        table.setTable(12);
        table.setParty(1);
        table.setInSum(true);
        table.setInt(QStringLiteral("archive"), 77);
        table.setInt(QStringLiteral("billnum"), 4711);
        table.setInt(QStringLiteral("waiter"), 2);
        table.setInt(QStringLiteral("center"), 1);
        table.create().setInt(QStringLiteral("waiter"), 2);
        bill.day = Day;
        bill.waiter = 2;
    }

    TTableEntry *add(TTableEntry *e)
    {
        e->setId(++ids);
        table.entries().insert(e);
        return e;
    }
    TTableEntry *order(qint64 plu, qint64 price, double count, int round = 1)
    {
        return add(planted::order(bill, plu, price, count, QTime(19, 0), round));
    }
    // The kinds found, in order.
    QList<TExceptionKind> kinds(const TExceptionChoice &choice = {}) const
    {
        QList<TExceptionKind> found;
        for (const TExceptionEntry &e : walk(choice).entries)
            found << e.kind;
        return found;
    }
    TExceptionDay walk(const TExceptionChoice &choice = {}) const
    {
        TExceptionRules rules;
        rules.staffPayforms = {7};
        TExceptionWalker walker(dir.path(), rules, choice);
        TExceptionDay day;
        walker.addTable(table, Day, false, day);
        // the same table read from the bytes of a day summary, which
        // closed days are read from: the same entries and bills
        QByteArray bytes;
        table.write(bytes);
        Basics::TValue end;
        end.setInt(QStringLiteral("type"), -1);
        Basics::appendRecord(bytes, end);
        Basics::TRecordReader reader(bytes.constData(), bytes.size());
        TTableFacts facts;
        TExceptionDay read;
        if (facts.read(reader) == TTableFacts::Read)
            walker.addTable(facts, Day, false, read);
        EXPECT_TRUE(read.entries == day.entries);
        EXPECT_EQ(day.waiterBills, read.waiterBills);
        EXPECT_EQ(day.centerBills, read.centerBills);
        return day;
    }

    TestDir dir;
    TTable table {nullptr};
    planted::Table bill;
    int ids = 0;
};

using K = TExceptionKind;

} // namespace

TEST_F(Walker, VoidByAnotherWaiterOfALineSentBefore)
{
    order(101, 450, 2, 1);
    TTableEntry *v = add(planted::entry(EntryVoid, bill, QTime(19, 20)));
    v->setInt(QStringLiteral("plu"), 101);
    v->setDouble(QStringLiteral("count"), 1);
    v->setInt(QStringLiteral("amount"), 450);
    v->setInt(QStringLiteral("vwaiter"), 9);
    v->setString(QStringLiteral("vwaitername"), QStringLiteral("Manager"));
    TTableEntry *back = order(101, 450, -1, 2);
    back->setTime(QStringLiteral("time"), QTime(19, 20));
    back->setBool(QStringLiteral("voided"), true);

    const TExceptionDay day = walk();
    ASSERT_EQ(QList<K>({K::Voids, K::VoidsByOther, K::VoidsAfterSending}), kinds());
    const TExceptionEntry &e = day.entries.front();
    EXPECT_EQ(2, e.waiter);
    EXPECT_EQ(9, e.voidWaiter);
    EXPECT_EQ(QStringLiteral("Manager"), e.voidWaiterName);
    EXPECT_EQ(450.0, e.amount);
    EXPECT_EQ(12, e.table);
    EXPECT_EQ(4711, e.bill);
    EXPECT_EQ(77, e.archive);
    EXPECT_EQ(Day, e.day);
    EXPECT_EQ(1, day.waiterBills.value(2));
    EXPECT_EQ(1, day.centerBills.value(1));

    // taken back in the round it was ordered in: before it was sent
    back->setInt(QStringLiteral("round"), 1);
    // a void of count 0 counts nowhere
    TTableEntry *none = add(planted::entry(EntryVoid, bill, QTime(19, 25)));
    none->setDouble(QStringLiteral("count"), 0);
    EXPECT_EQ(QList<K>({K::Voids, K::VoidsByOther}), kinds());
}

TEST_F(Walker, BillWhoseEveryLineWasTakenBackIsVoidedWhole)
{
    order(201, 900, 1);
    TTableEntry *v = add(planted::entry(EntryVoid, bill, QTime(19, 2)));
    v->setInt(QStringLiteral("plu"), 201);
    v->setDouble(QStringLiteral("count"), 1);
    v->setInt(QStringLiteral("amount"), 900);
    TTableEntry *back = order(201, 900, -1);
    back->setBool(QStringLiteral("voided"), true);
    const TExceptionDay day = walk();
    ASSERT_EQ(QList<K>({K::Voids, K::TableVoids}), kinds());
    EXPECT_EQ(900.0, day.entries.back().amount);
    EXPECT_EQ(1.0, day.entries.back().count);
}

TEST_F(Walker, OrdersCountAsTheReportsCountThem)
{
    // a discounted line at 23:10, a free price, a voucher sold
    TTableEntry *late = order(201, 1080, 2);
    late->setTime(QStringLiteral("time"), QTime(23, 10));
    late->setInt(QStringLiteral("discid"), 4);
    late->setString(QStringLiteral("discname"), QStringLiteral("Friends"));
    late->setDouble(QStringLiteral("discount"), 120.5);
    order(300, 777, 1)->setBool(QStringLiteral("freeprice"), true);
    order(400, 2500, 1)->setBool(QStringLiteral("credit"), true);
    // a line of count 0 counts nowhere
    order(301, 500, 0)->setBool(QStringLiteral("freeprice"), true);
    // a menu: its discounted component counts, the menu itself only for
    // its price add-on
    TTableEntry *menu = order(900, 0, 1);
    menu->setBool(QStringLiteral("freeprice"), true);
    auto *part = new TTableEntry;
    part->setType(EntryComponent);
    part->setInt(QStringLiteral("plu"), 901);
    part->setInt(QStringLiteral("price"), 400);
    part->setDouble(QStringLiteral("count"), 1);
    part->setInt(QStringLiteral("discid"), 5);
    part->setDouble(QStringLiteral("discount"), 40);
    menu->children(true)->append(part);

    TExceptionDay day = walk();
    ASSERT_EQ(QList<K>({K::Discounts, K::LateDiscounts, K::FreePrices, K::Credits, K::Discounts}),
              kinds());
    EXPECT_EQ(241.0, day.entries[0].amount); // 2 x 120.5
    EXPECT_EQ(QStringLiteral("4 Friends"), day.entries[0].detail);
    EXPECT_EQ(777.0, day.entries[2].amount);
    EXPECT_EQ(2500.0, day.entries[3].amount);
    // the component is booked like its menu
    EXPECT_EQ(QTime(19, 0), day.entries[4].time);
    EXPECT_EQ(2, day.entries[4].waiter);

    auto *extra = new TTableEntry;
    extra->setType(EntryAddOn);
    extra->setInt(QStringLiteral("price"), 100);
    menu->children(true)->append(extra);
    EXPECT_EQ(QList<K>({K::Discounts, K::LateDiscounts, K::FreePrices, K::Credits, K::Discounts,
                        K::FreePrices}),
              kinds());

    TExceptionChoice withoutCredits;
    withoutCredits.withoutCredits = true;
    EXPECT_FALSE(kinds(withoutCredits).contains(K::Credits));
}

TEST_F(Walker, PaymentsMovesSplitsAndCash)
{
    order(101, 2000, 1);
    add(planted::pay(bill, 500, 1, QTime(20, 0)))->setBool(QStringLiteral("voided"), true);
    add(planted::pay(bill, 1200, 7, QTime(20, 1)));
    TTableEntry *subsidy = add(planted::pay(bill, 800, 1, QTime(20, 2)));
    subsidy->setInt(QStringLiteral("subvid"), 3);
    subsidy->setString(QStringLiteral("subvname"), QStringLiteral("Meal"));
    subsidy->setInt(QStringLiteral("subvamount"), 300);
    TTableEntry *change = add(planted::entry(EntryChange, bill, QTime(19, 30)));
    change->setInt(QStringLiteral("fromtable"), 5);
    change->setInt(QStringLiteral("fromparty"), 1);
    change->setInt(QStringLiteral("totable"), 12);
    change->setInt(QStringLiteral("toparty"), 1);
    change->setInt(QStringLiteral("fromwaiter"), 3);
    change->setInt(QStringLiteral("towaiter"), 2);
    TTableEntry *split = add(planted::entry(EntrySplit, bill, QTime(19, 40)));
    split->setDouble(QStringLiteral("count"), 1);
    split->setInt(QStringLiteral("amount"), 350);
    split->setInt(QStringLiteral("totable"), 12);
    split->setInt(QStringLiteral("toparty"), 2);
    TTableEntry *cash = add(planted::entry(EntryCash, bill, QTime(18, 0)));
    cash->setInt(QStringLiteral("amount"), -2000);
    cash->setString(QStringLiteral("reason"), QStringLiteral("Supplier"));
    table.setAmount(2000);

    TExceptionDay day = walk();
    ASSERT_EQ(
            QList<K>({K::StaffAccount, K::PriceFindings, K::TableMoves, K::Splits, K::CashRecords}),
            kinds());
    EXPECT_EQ(1200.0, day.entries[0].amount);
    EXPECT_EQ(QStringLiteral("7 Staff account"), day.entries[0].detail);
    EXPECT_EQ(300.0, day.entries[1].amount);
    EXPECT_EQ(2000.0, day.entries[2].amount);
    EXPECT_EQ(QStringLiteral("5/1 -> 12/1, 3 -> 2"), day.entries[2].detail);
    EXPECT_EQ(QStringLiteral("-> 12/2"), day.entries[3].detail);
    EXPECT_EQ(2000.0, day.entries[4].amount);
    EXPECT_EQ(QStringLiteral("- Supplier"), day.entries[4].detail);

    // a bill out of the summary: every payment counts as not in summary
    table.setInSum(false);
    EXPECT_EQ(3, kinds().count(K::NotInSummary) + kinds().count(K::StaffAccount));
    TExceptionChoice inSummary;
    inSummary.turnoverType = 1;
    EXPECT_TRUE(walk(inSummary).isEmpty());
}

TEST_F(Walker, TraineeChoiceLeavesBillsOut)
{
    order(101, 450, 1)->setBool(QStringLiteral("freeprice"), true);
    table.setBool(QStringLiteral("trainee"), true);
    TExceptionChoice without;
    without.traineeType = 1;
    EXPECT_TRUE(walk(without).isEmpty());
    TExceptionChoice only;
    only.traineeType = 2;
    EXPECT_EQ(QList<K>({K::FreePrices}), kinds(only));
}

TEST_F(Walker, GroupsFollowTheReportSettings)
{
    // booked by waiter 2 on waiter 5's table, voided by 9
    table.setInt(QStringLiteral("waiter"), 5);
    TTableEntry *v = add(planted::entry(EntryVoid, bill, QTime(19, 2)));
    v->setDouble(QStringLiteral("count"), 1);
    v->setInt(QStringLiteral("vwaiter"), 9);
    v->setString(QStringLiteral("vwaitername"), QStringLiteral("Manager"));
    EXPECT_EQ(2, walk().entries.front().waiter);
    EXPECT_EQ(1, walk().waiterBills.value(5));

    dir.write(QStringLiteral("etc/reports.ini"), QByteArrayLiteral("[Settings]\nVWaiter=yes\n"));
    EXPECT_EQ(9, walk().entries.front().waiter);
    EXPECT_EQ(QStringLiteral("Manager"), walk().entries.front().waiterName);
    dir.write(QStringLiteral("etc/reports.ini"), QByteArrayLiteral("[Settings]\nSimpleRep=yes\n"));
    EXPECT_EQ(5, walk().entries.front().waiter);
}

TEST_F(Walker, ABillCountsInEveryCostCenterItSoldIn)
{
    // the header names no cost center; the lines name theirs
    table.setInt(QStringLiteral("center"), 0);
    order(101, 450, 1)->setInt(QStringLiteral("center"), 2);
    order(601, 350, 2)->setInt(QStringLiteral("center"), 3);
    order(602, 350, 1)->setInt(QStringLiteral("center"), 3);
    order(603, 350, 0)->setInt(QStringLiteral("center"), 4);
    EXPECT_EQ((QMap<int, qint64> {{2, 1}, {3, 1}}), walk().centerBills);
    EXPECT_EQ((QMap<int, qint64> {{2, 1}}), walk().waiterBills);
    // one cost center per table: the table's
    table.setInt(QStringLiteral("center"), 1);
    dir.write(QStringLiteral("etc/reports.ini"), QByteArrayLiteral("[Settings]\nSimpleRep=yes\n"));
    EXPECT_EQ(1, walk().centerBills.size());
}

TEST_F(Walker, ABillWithoutOrdersCountsInTheTablesCostCenter)
{
    add(planted::pay(bill, 0, 1, QTime(19, 30)));
    EXPECT_EQ((QMap<int, qint64> {{1, 1}}), walk().centerBills);
}

TEST(ExceptionDayBytes, RoundTripAndDamage)
{
    TExceptionDay day;
    day.waiterBills[3] = 12;
    day.centerBills[0] = 2;
    TExceptionEntry e;
    e.kind = K::Discounts;
    e.day = Day;
    e.date = Day;
    e.time = QTime(22, 30, 5);
    e.waiter = 3;
    e.waiterName = QStringLiteral("Anna");
    e.article = QStringLiteral("Pizza | Funghi");
    e.count = 1.5;
    e.amount = 180.75;
    e.detail = QStringLiteral("2 Regulars");
    day.entries.push_back(e);
    const QByteArray bytes = day.toBytes("stamp");

    TExceptionDay back;
    ASSERT_TRUE(back.fromBytes(bytes, "stamp"));
    EXPECT_EQ(day.waiterBills, back.waiterBills);
    EXPECT_EQ(day.centerBills, back.centerBills);
    ASSERT_EQ(1u, back.entries.size());
    EXPECT_TRUE(back.entries.front() == e);

    EXPECT_FALSE(back.fromBytes(bytes, "other stamp"));
    EXPECT_TRUE(back.isEmpty());
    for (qsizetype cut : {qsizetype(0), qsizetype(5), bytes.size() / 2, bytes.size() - 1})
        EXPECT_FALSE(back.fromBytes(bytes.left(cut), "stamp")) << cut;
    QByteArray flipped = bytes;
    flipped[flipped.size() - 3] = char(flipped[flipped.size() - 3] ^ 0x20);
    EXPECT_FALSE(back.fromBytes(flipped, "stamp"));
}
