#include "ttable.h"

#include "ttablefixture.h"
#include "ttaxgroups.h"

#include <gtest/gtest.h>

using namespace TableTestSupport;

// ---- totals ---------------------------------------------------------------

TEST(TableAmount, LinesRoundHalfUpAlsoBelowZero)
{
    TTable table(nullptr);
    table.entries().append(newOrder(199, 1.5));
    EXPECT_DOUBLE_EQ(299.0, table.computeAmount());

    TTable credit(nullptr);
    credit.entries().append(newOrder(-199, 1.5));
    EXPECT_DOUBLE_EQ(-298.0, credit.computeAmount());
    EXPECT_DOUBLE_EQ(-298.0, credit.maxAmount());
}

TEST(TableAmount, PaymentsReduceUnlessVoided)
{
    TTable table(nullptr);
    table.entries().append(newOrder(1000, 2));
    table.entries().append(newPay(1500));
    table.entries().append(newPay(400, true));
    EXPECT_DOUBLE_EQ(500.0, table.computeAmount());
    EXPECT_DOUBLE_EQ(2000.0, table.maxAmount());
}

TEST(TableAmount, TaxChargesPerUnitAndPerGuest)
{
    TTable table(nullptr);
    TTableEntry *order = newOrder(100, 3);
    order->setDouble(QStringLiteral("taxamount"), 0.5);
    table.entries().append(order);
    // 300 + round(1.5)
    EXPECT_DOUBLE_EQ(302.0, table.computeAmount());

    table.setTaxAmount(50);
    table.setGuests(3);
    EXPECT_DOUBLE_EQ(452.0, table.computeAmount());
    EXPECT_DOUBLE_EQ(452.0, table.maxAmount());
    table.entries().append(newPay(452));
    EXPECT_DOUBLE_EQ(0.0, table.computeAmount());
    EXPECT_DOUBLE_EQ(452.0, table.maxAmount());
}

TEST(TableAmount, OnlySavedTopLevelOrdersAndPaysCount)
{
    TTable table(nullptr);
    TTableEntry *order = newOrder(100, 1);
    TTableEntry *component = newOrder(1000, 1);
    component->setType(PosLib::EntryComponent);
    order->children(true)->append(component);
    table.entries().append(order);
    auto *cash = new TTableEntry;
    cash->setType(PosLib::EntryCash);
    cash->setInt(QStringLiteral("amount"), 5000);
    table.entries().append(cash);
    table.newEntries().append(newOrder(700, 1));
    EXPECT_DOUBLE_EQ(100.0, table.computeAmount());
}

class TableTaxes : public ::testing::Test
{
protected:
    TableTaxes()
    {
        table.setTaxAmounts(QStringLiteral("1,20:2,10"));
        table.setTaxIh(QStringLiteral("1,VAT low,700:2,VAT high,1900"));
        table.setTaxOh(QStringLiteral("1,Takeaway,500"));
        table.setGuests(3);
    }

    TTableEntry *taxedOrder(int waiter, double count, const QString &amounts)
    {
        TTableEntry *e = newOrder(100, count);
        e->setInt(QStringLiteral("waiter"), waiter);
        e->setString(QStringLiteral("taxamounts"), amounts);
        e->setString(QStringLiteral("taxih"), QStringLiteral("1,Low,700:3,Drinks,1000"));
        e->setString(QStringLiteral("taxoh"), QStringLiteral("3,Out,250"));
        return e;
    }

    qint64 amount(int id) const
    {
        const PosLib::TTaxGroup *g = groups.taxGroup(id);
        return g ? g->amount() : -1;
    }

    TTable table {nullptr};
    PosLib::TTaxGroups groups;
};

TEST_F(TableTaxes, PerGuestPartsUseTheTableDefinitions)
{
    table.taxGroups(&groups, nullptr);
    ASSERT_EQ(QList<int>({1, 2}), groups.ids());
    EXPECT_EQ(60, amount(1));
    EXPECT_EQ(30, amount(2));
    EXPECT_EQ(QStringLiteral("VAT low"), groups.taxGroup(1)->name());
    EXPECT_DOUBLE_EQ(7.0, groups.taxGroup(1)->rate());
    EXPECT_DOUBLE_EQ(19.0, groups.taxGroup(2)->rate());
}

TEST_F(TableTaxes, TakeawayTableSkipsUndefinedIds)
{
    table.setVatOh(true);
    table.taxGroups(&groups, nullptr);
    ASSERT_EQ(QList<int>({1}), groups.ids());
    EXPECT_EQ(QStringLiteral("Takeaway"), groups.taxGroup(1)->name());
    EXPECT_DOUBLE_EQ(5.0, groups.taxGroup(1)->rate());
    EXPECT_EQ(60, amount(1));
}

TEST_F(TableTaxes, OrdersAddTruncatedPartsOfTheirOwnDefinitions)
{
    // group 1 exists from the header: the order adds 1.5 x 33.5 = 50.25
    table.entries().append(taxedOrder(1, 1.5, QStringLiteral("1,33.5:3,7")));
    // a takeaway order on an in-house table uses its "taxoh"
    TTableEntry *out = taxedOrder(1, 1, QStringLiteral("3,4.9"));
    out->setBool(QStringLiteral("isvatoh"), true);
    table.entries().append(out);
    table.newEntries().append(taxedOrder(1, 2, QStringLiteral("3,0.3")));
    table.taxGroups(&groups, nullptr);

    EXPECT_EQ(QList<int>({1, 2, 3}), groups.ids());
    EXPECT_EQ(110, amount(1)); // 60 + 50.25
    // 10.5 -> 10, + 4.9 -> 14, + 0.6 -> 14
    EXPECT_EQ(14, amount(3));
    EXPECT_EQ(QStringLiteral("Drinks"), groups.taxGroup(3)->name());
    EXPECT_DOUBLE_EQ(10.0, groups.taxGroup(3)->rate());
}

TEST_F(TableTaxes, TakeawayOrdersFollowTheTableUnlessMarked)
{
    table.setTaxAmounts(QString());
    table.setVatOh(true);
    table.entries().append(taxedOrder(1, 1, QStringLiteral("3,5")));
    table.taxGroups(&groups, nullptr);
    ASSERT_EQ(QList<int>({3}), groups.ids());
    EXPECT_EQ(QStringLiteral("Out"), groups.taxGroup(3)->name());
    EXPECT_DOUBLE_EQ(2.5, groups.taxGroup(3)->rate());
}

TEST_F(TableTaxes, WaiterAndZeroCountFilterOrders)
{
    table.setTaxAmounts(QString());
    table.entries().append(taxedOrder(1, 1, QStringLiteral("3,5")));
    table.entries().append(taxedOrder(2, 1, QStringLiteral("3,7")));
    table.entries().append(taxedOrder(1, 0, QStringLiteral("3,100")));
    TValue waiter;
    waiter.setId(1);
    table.taxGroups(&groups, &waiter);
    EXPECT_EQ(5, amount(3));

    PosLib::TTaxGroups all;
    table.taxGroups(&all, nullptr);
    EXPECT_EQ(12, all.taxGroup(3)->amount());
}

TEST_F(TableTaxes, NegativePartsTruncateTowardZero)
{
    table.setTaxAmounts(QString());
    table.entries().append(taxedOrder(1, -1, QStringLiteral("3,33.5")));
    table.taxGroups(&groups, nullptr);
    EXPECT_EQ(-33, amount(3));
}
