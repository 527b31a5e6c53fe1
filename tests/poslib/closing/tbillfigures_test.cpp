#include "tbillfigures.h"

#include "payentry.h"
#include "ttable.h"
#include "ttableentry.h"

#include <gtest/gtest.h>

#include <memory>

using namespace PosLib;
using closingtest::Pay;
using closingtest::pay;

namespace {

TTableEntry *order(qint64 price, double count, int waiter = 1, bool credit = false)
{
    auto *e = new TTableEntry;
    e->setType(EntryOrder);
    e->setInt(QStringLiteral("price"), price);
    e->setDouble(QStringLiteral("count"), count);
    e->setInt(QStringLiteral("waiter"), waiter);
    if (credit)
        e->setBool(QStringLiteral("credit"), true);
    return e;
}

TTableEntry *child(int type, qint64 price, bool credit = false)
{
    auto *e = new TTableEntry;
    e->setType(type);
    e->setInt(QStringLiteral("price"), price);
    e->setDouble(QStringLiteral("count"), 1);
    if (credit)
        e->setBool(QStringLiteral("credit"), true);
    return e;
}

std::unique_ptr<TTable> bill(bool inSummary = true)
{
    auto table = std::make_unique<TTable>(nullptr);
    table->setInSum(inSummary);
    return table;
}

} // namespace

// The figures of the summary follow from the payments: net is what was
// handed over less the change, and what is beyond amount and tip is kept.
TEST(BillFigures, PaymentsMakeTheSummarysPayformFigures)
{
    TBillFigures f;
    auto a = bill();
    a->entries().append(order(1250, 2)); // 2500
    // cash: 2500 + 300 tip, 3000 handed over, 200 back
    a->entries().append(pay({2500, 1, QStringLiteral("Cash"), 300, 3000, 200}));
    f.add(*a);
    auto b = bill();
    b->entries().append(order(990, 1));
    // a voucher of 1000 for 990, nothing back: 10 kept; no "given" noted on the card
    b->entries().append(pay({990, 6, QStringLiteral("Voucher"), 0, 1000, 0, false}));
    f.add(*b);
    auto c = bill();
    c->entries().append(order(400, 1));
    c->entries().append(pay({400, 2, QStringLiteral("EC card"), 50, 0, 0, false}));
    c->entries().append(pay({400, 3, QStringLiteral("Visa"), 0, 0, 0, false, true})); // declined
    f.add(*c);

    EXPECT_EQ(3, f.bills());
    EXPECT_EQ(3890, f.billTotal());
    EXPECT_EQ(3, f.paidTables());
    EXPECT_EQ(3890, f.payments());
    EXPECT_EQ(350, f.tip());
    // 10 kept on the voucher; the card's tip was not noted as handed over
    EXPECT_EQ(10 - 50, f.nonRefund());
    // 2800 + 1000 + 400 (given 0 counts as the amount, which has no tip in it)
    EXPECT_EQ(4200, f.allPayforms());
    EXPECT_EQ(f.allPayforms(), f.payments() + f.tip() + f.nonRefund());
    const QList<TPayformFigures> forms = f.payforms();
    ASSERT_EQ(3, forms.size());
    EXPECT_EQ(QStringLiteral("Cash_1insumintermsum"), forms[0].key());
    EXPECT_EQ(2800, forms[0].net());
    EXPECT_EQ(QStringLiteral("EC card_2insum"), forms[1].key());
    EXPECT_EQ(400, forms[1].net());
    EXPECT_EQ(-50, forms[1].nonRefund());
    EXPECT_EQ(QStringLiteral("Voucher_6insum"), forms[2].key());
    EXPECT_EQ(10, forms[2].nonRefund());
    // All amount = Sum of all payforms - Non refund - Credits - Tip - Not in summary
    EXPECT_EQ(3890, f.allAmount());
}

TEST(BillFigures, TablesOutsideTheSummaryAndVouchersSoldLeaveTheTakings)
{
    TBillFigures f;
    auto staff = bill(false);
    staff->entries().append(order(850, 1));
    staff->entries().append(pay({850, 7, QStringLiteral("Staff account"), 100, 950, 0, false}));
    f.add(*staff);
    auto voucher = bill();
    voucher->entries().append(order(2500, 1, 1, true));
    voucher->entries().append(order(300, 1));
    voucher->entries().append(pay({2800, 1}));
    f.add(*voucher);

    EXPECT_EQ(2500, f.credits());
    EXPECT_EQ(950, f.notInSummaryAmount());
    EXPECT_EQ(2800, f.inSummary());
    EXPECT_EQ(950, f.notInSummary());
    // 3750 - 0 - 2500 - 100 - 950
    EXPECT_EQ(3750, f.allPayforms());
    // the 300 sold besides the voucher, less the staff table's tip, which
    // the summary takes off with every tip and again with "Not in summary"
    EXPECT_EQ(200, f.allAmount());
    // the staff table's payment form is a line of its own, after those in summary
    EXPECT_EQ(QStringLiteral("Cash_1insumintermsum"), f.payforms()[0].key());
    EXPECT_EQ(QStringLiteral("Staff account_7"), f.payforms()[1].key());
}

// An order with children counts through its components; itself only when
// a price add-on came first (as the reports walk it).
TEST(BillFigures, CreditsOfOrdersWithChildrenAsTheReportsCountThem)
{
    TBillFigures f;
    auto t = bill();
    TTableEntry *menu = order(2000, 1, 1, true); // components only: the menu itself is no line
    menu->children(true)->append(child(EntryComponent, 1200, true));
    menu->children(true)->append(child(EntryComponent, 800));
    t->entries().append(menu);
    TTableEntry *pizza = order(900, 1, 1, true); // an add-on: the pizza counts, with it
    pizza->children(true)->append(child(EntryAddOn, 100));
    t->entries().append(pizza);
    t->entries().append(order(500, 0, 1, true)); // count 0 counts nowhere
    f.add(*t);
    EXPECT_EQ(1200 + 1000, f.credits());
    // the bill total adds the order lines as the closing record does
    EXPECT_EQ(2000 + 1000, f.billTotal());
}

TEST(BillFigures, AWaitersFiguresTakeOnlyTheEntriesThatWaiterBooked)
{
    TBillFigures anna(7);
    TBillFigures all;
    auto t = bill();
    t->entries().append(order(1000, 1, 7));
    t->entries().append(order(600, 1, 8));
    t->entries().append(pay({1000, 1, QStringLiteral("Cash"), 0, 0, 0, true, false, 7}));
    t->entries().append(pay({600, 2, QStringLiteral("EC card"), 0, 0, 0, false, false, 8}));
    anna.add(*t);
    all.add(*t);
    EXPECT_EQ(1000, anna.billTotal());
    EXPECT_EQ(1000, anna.payments());
    EXPECT_EQ(1, anna.paidTables());
    EXPECT_EQ(1600, all.billTotal());
    EXPECT_EQ(2, all.paidTables());
}

TEST(BillFigures, BillsWithoutPaymentAndBillsPaidInParts)
{
    TBillFigures f;
    auto drawer = bill();
    f.add(*drawer);
    auto split = bill();
    split->entries().append(order(3000, 1));
    split->entries().append(pay({1000, 1}));
    split->entries().append(pay({1000, 2, QStringLiteral("EC card")}));
    split->entries().append(pay({1000, 1}));
    split->entries().append(pay({1000, 3, QStringLiteral("Visa"), 0, 0, 0, false, true}));
    f.add(*split);
    EXPECT_EQ(2, f.bills());
    EXPECT_EQ(1, f.billsWithoutPayment());
    EXPECT_EQ(2, f.furtherPayments());
    // bills - without payment + further payments = paid tables
    EXPECT_EQ(f.bills() - f.billsWithoutPayment() + f.furtherPayments(), f.paidTables());
    EXPECT_EQ(2, f.payforms().size());
    EXPECT_EQ(2, f.payforms()[0].count);
}
