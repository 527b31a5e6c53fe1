#include "treconciliation.h"

#include "ttable.h"
#include "ttableentry.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <memory>

using namespace PosLib;

namespace {

TTableEntry *entry(int type, int waiter)
{
    auto *e = new TTableEntry;
    e->setType(type);
    e->setInt(QStringLiteral("waiter"), waiter);
    return e;
}

TTableEntry *order(qint64 price, int waiter = 1, bool credit = false)
{
    TTableEntry *e = entry(EntryOrder, waiter);
    e->setInt(QStringLiteral("price"), price);
    e->setDouble(QStringLiteral("count"), 1);
    e->setBool(QStringLiteral("credit"), credit);
    return e;
}

TTableEntry *pay(qint64 amount, int payform, const QString &name, qint64 tip = 0, qint64 given = 0,
                 qint64 returned = 0, int waiter = 1)
{
    TTableEntry *e = entry(EntryPay, waiter);
    e->setInt(QStringLiteral("amount"), amount);
    e->setInt(QStringLiteral("payform"), payform);
    e->setString(QStringLiteral("payformname"), name);
    e->setInt(QStringLiteral("tip"), tip);
    e->setInt(QStringLiteral("given"), given);
    e->setInt(QStringLiteral("return"), returned);
    e->setBool(QStringLiteral("intermsum"), payform == 1);
    return e;
}

// A day of three bills: cash with a tip and change, a voucher sold paid by
// card, and a staff meal outside the summary; and a bill without payment.
void addDay(TBillFigures &figures)
{
    TTable cash(nullptr);
    cash.setInSum(true);
    cash.entries().append(order(2350, 3));
    cash.entries().append(pay(2350, 1, QStringLiteral("Cash"), 150, 3000, 500, 3));
    figures.add(cash);
    TTable card(nullptr);
    card.setInSum(true);
    card.entries().append(order(2500, 4, true));
    card.entries().append(order(1200, 4));
    card.entries().append(pay(3700, 2, QStringLiteral("EC card"), 0, 0, 0, 4));
    figures.add(card);
    TTable staff(nullptr);
    staff.setInSum(false);
    staff.entries().append(order(800, 3));
    staff.entries().append(pay(800, 7, QStringLiteral("Staff account"), 0, 0, 0, 3));
    figures.add(staff);
    TTable drawer(nullptr);
    figures.add(drawer);
}

// What the summary prints for the day above.
TReportedFigures reportedDay()
{
    TReportedFigures r;
    r.present = true;
    r.figures = {{QStringLiteral("paidTables"), 3},     {QStringLiteral("tip"), 150},
                 {QStringLiteral("nonRefund"), 0},      {QStringLiteral("credits"), 2500},
                 {QStringLiteral("inSummary"), 6200},   {QStringLiteral("notInSummary"), 800},
                 {QStringLiteral("allPayforms"), 7000}, {QStringLiteral("notInSummaryAmount"), 800},
                 {QStringLiteral("allAmount"), 3550}};
    r.payforms.insert(QStringLiteral("Cash_1insumintermsum"), {2500, 1});
    r.payforms.insert(QStringLiteral("EC card_2insum"), {3700, 1});
    r.payforms.insert(QStringLiteral("Staff account_7"), {800, 1});
    return r;
}

TReconciledClosing closing(long z, const QString &kind, int bills, qint64 total)
{
    TReconciledClosing c;
    c.z = z;
    c.kind = kind;
    c.bills = bills;
    c.billTotal = total;
    c.recorded = true;
    return c;
}

QJsonObject step(const TReconciliation &r, const QString &key)
{
    for (const QJsonValue &line : r.data().value(QStringLiteral("lines")).toArray()) {
        if (line[QStringLiteral("key")].toString() == key)
            return line.toObject();
    }
    return {};
}

} // namespace

TEST(Reconciliation, FromTheBillTotalToAllAmountItEndsOnZero)
{
    TBillFigures day;
    addDay(day);
    const TReconciliation r(closing(12, QStringLiteral("whole day"), 4, 6850), {}, day, day,
                            QString(), reportedDay());
    EXPECT_TRUE(r.holds());
    const QStringList lines = r.lines(nullptr);
    ASSERT_GE(lines.size(), 20);
    EXPECT_EQ(QStringLiteral("Reconciliation"), lines[0]);
    EXPECT_EQ(QStringLiteral("Bill total of Z 12, whole day (4 bills)...........:        68.50"),
              lines[2]);
    // 6850 of order lines are 6850 of payments; 4 bills, one without payment
    EXPECT_EQ(6850, step(r, QStringLiteral("payments"))[QStringLiteral("amount")].toInteger());
    EXPECT_EQ(1,
              step(r, QStringLiteral("billsWithoutPayment"))[QStringLiteral("count")].toInteger());
    EXPECT_EQ(3, step(r, QStringLiteral("paidTables"))[QStringLiteral("count")].toInteger());
    // the cash line: 2350 paid + 150 tip = 2500 handed over less change
    EXPECT_TRUE(lines.contains(QStringLiteral(
            "Cash (1)                       23.50        1.50        0.00       25.00")))
            << lines.join(QLatin1Char('\n')).toStdString();
    // 7000 - 150 tip - 0 - 2500 vouchers sold - 800 staff = 3550
    EXPECT_TRUE(lines.contains(
            QStringLiteral("= All amount......................................:        35.50")));
    EXPECT_EQ(QStringLiteral("Difference........................................:         0.00"),
              lines.last());
    EXPECT_TRUE(r.data().value(QStringLiteral("holds")).toBool());
}

// The summary says otherwise than the bills: each figure that differs is
// named with both amounts, and the block ends on them.
TEST(Reconciliation, ADifferenceIsNamedWithBothAmounts)
{
    TBillFigures day;
    addDay(day);
    TReportedFigures reported = reportedDay();
    reported.figures[QStringLiteral("allAmount")] = 3600;
    reported.payforms[QStringLiteral("Cash_1insumintermsum")] = {2550, 1};
    const TReconciliation r(closing(12, QStringLiteral("whole day"), 4, 6850), {}, day, day,
                            QString(), reported);
    EXPECT_FALSE(r.holds());
    QStringList keys;
    for (const TFigureDifference &d : r.differences())
        keys << d.key;
    EXPECT_EQ((QStringList {QStringLiteral("payform:Cash_1insumintermsum"),
                            QStringLiteral("allAmount")}),
              keys);
    const QStringList lines = r.lines(nullptr);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(QStringLiteral("Difference in All amount..........................:         0.50"),
              lines[lines.size() - 2]);
    EXPECT_EQ(QStringLiteral("  the bills 35.50, the report 36.00"), lines.last());
    EXPECT_FALSE(r.data().value(QStringLiteral("holds")).toBool());
}

// A waiter's closing: the day's other closing adds its bills, the other
// waiters' order lines go, and what is left is that waiter's.
TEST(Reconciliation, AWaitersClosingTakesThatWaitersEntriesOfTheWholeDay)
{
    TBillFigures day;
    addDay(day);
    TBillFigures clara(3);
    addDay(clara);
    TReportedFigures reported;
    reported.present = true;
    reported.figures
            = {{QStringLiteral("paidTables"), 2},     {QStringLiteral("tip"), 150},
               {QStringLiteral("inSummary"), 2500},   {QStringLiteral("notInSummary"), 800},
               {QStringLiteral("allPayforms"), 3300}, {QStringLiteral("notInSummaryAmount"), 800},
               {QStringLiteral("allAmount"), 2350}};
    reported.payforms.insert(QStringLiteral("Cash_1insumintermsum"), {2500, 1});
    reported.payforms.insert(QStringLiteral("Staff account_7"), {800, 1});
    const TReconciliation r(closing(11, QStringLiteral("waiter 3 Clara"), 2, 3150),
                            {closing(12, QStringLiteral("whole day"), 2, 3700)}, day, clara,
                            QStringLiteral("waiter 3 Clara"), reported);
    EXPECT_TRUE(r.holds()) << r.lines(nullptr).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(6850, step(r, QStringLiteral("billTotal"))[QStringLiteral("amount")].toInteger());
    EXPECT_EQ(3700, step(r, QStringLiteral("otherWaiters"))[QStringLiteral("amount")].toInteger());
    EXPECT_EQ(3150,
              step(r, QStringLiteral("scopeBillTotal"))[QStringLiteral("amount")].toInteger());
    // no bill counts for a waiter's closing: a waiter's entries are no bills
    EXPECT_TRUE(step(r, QStringLiteral("bills")).isEmpty());
}

// The closing records say more than the bills hold now: a bill changed
// after its closing is a difference of its own, and the block goes on from
// the bills.
TEST(Reconciliation, RecordsThatDisagreeWithTheBillsAreADifference)
{
    TBillFigures day;
    addDay(day);
    const TReconciliation r(closing(12, QStringLiteral("whole day"), 4, 6900), {}, day, day,
                            QString(), reportedDay());
    ASSERT_EQ(1, r.differences().size());
    EXPECT_EQ(QStringLiteral("billTotal"), r.differences().first().key);
    EXPECT_EQ(6850, r.differences().first().bills);
    EXPECT_EQ(6900, r.differences().first().reported);
    EXPECT_EQ(QStringLiteral("  the bills 68.50, the closing records 69.00"),
              r.lines(nullptr).last());
}
