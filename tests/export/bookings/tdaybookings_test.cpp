#include "closeddemo.h"
#include "taccountmap.h"
#include "tcloseddays.h"
#include "tdaybookings.h"
#include "testdir.h"
#include "ttableentry.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

// "1000 -> 8400 420 Revenue 19 % / Cash": a booking as a test reads it.
QStringList texts(const QList<TBooking> &bookings)
{
    QStringList out;
    for (const TBooking &b : bookings)
        out << QStringLiteral("%1 -> %2 %3 %4").arg(b.credit, b.debit).arg(b.amount).arg(b.text);
    return out;
}

class DayBookingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        closeddemo::writeAccounting(dir.path(), "[Payforms]\n6 = vouchers\n7 = staff\n");
        QString error;
        ASSERT_TRUE(TAccountMap::read(dir.path(), QString(), &map, &error)) << error.toStdString();
        day.date = QDate(2026, 3, 5);
        TClosing closing;
        closing.z = 12;
        closing.date = day.date;
        day.closings << closing;
    }

    TTable &bill()
    {
        TClosedBill b;
        b.z = 12;
        b.table = std::make_shared<TTable>(nullptr);
        b.table->setBillNum(day.bills.size() + 1);
        day.bills << b;
        return *b.table;
    }
    static void order(TTable &t, qint64 price, int rate, bool credit = false)
    {
        auto *e = new TTableEntry;
        e->setId(t.entries().count() + 1);
        e->setType(EntryOrder);
        e->setInt(QStringLiteral("price"), price);
        e->setDouble(QStringLiteral("count"), 1);
        e->setInt(QStringLiteral("rateih"), rate);
        e->setBool(QStringLiteral("credit"), credit);
        t.entries().insert(e);
    }
    static void pay(TTable &t, int payform, const QString &name, qint64 amount, qint64 tip = 0)
    {
        auto *e = new TTableEntry;
        e->setId(t.entries().count() + 1);
        e->setType(EntryPay);
        e->setInt(QStringLiteral("payform"), payform);
        e->setString(QStringLiteral("payformname"), name);
        e->setInt(QStringLiteral("amount"), amount);
        e->setInt(QStringLiteral("tip"), tip);
        e->setBool(QStringLiteral("intermsum"), payform == 1);
        t.entries().insert(e);
    }
    QStringList book()
    {
        QList<TBooking> bookings;
        QString error;
        EXPECT_TRUE(TDayBookings::make(day, map, &bookings, &error)) << error.toStdString();
        for (const TBooking &b : bookings) {
            EXPECT_EQ(day.date, b.date);
            EXPECT_EQ(QStringLiteral("Z12"), b.document);
            EXPECT_GT(b.amount, 0);
        }
        return texts(bookings);
    }

    TestDir dir;
    TAccountMap map;
    TClosedDay day;
};

} // namespace

TEST_F(DayBookingsTest, EachBillsPaymentsSplitOverItsRatesAndAddedUpPerDay)
{
    // food 700 at 7 % and drinks 300 at 19 %, paid 600 cash and 400 card
    TTable &first = bill();
    order(first, 700, 700);
    order(first, 300, 1900);
    pay(first, 1, QStringLiteral("Cash"), 600);
    pay(first, 2, QStringLiteral("EC card"), 400);
    // drinks alone, paid in cash
    TTable &second = bill();
    order(second, 500, 1900);
    pay(second, 1, QStringLiteral("Cash"), 500);

    EXPECT_EQ((QStringList {QStringLiteral("8400 -> 1000 680 Revenue 19 % / Cash"),
                            QStringLiteral("8400 -> 1360 120 Revenue 19 % / EC card"),
                            QStringLiteral("8300 -> 1000 420 Revenue 7 % / Cash"),
                            QStringLiteral("8300 -> 1360 280 Revenue 7 % / EC card")}),
              book());
}

TEST_F(DayBookingsTest, VouchersSoldAreOwedAndRedeemedVouchersPayRevenue)
{
    TTable &sold = bill();
    order(sold, 2500, 0, true);
    pay(sold, 1, QStringLiteral("Cash"), 2500);
    TTable &redeemed = bill();
    order(redeemed, 3000, 1900);
    pay(redeemed, 6, QStringLiteral("Voucher"), 2500);
    pay(redeemed, 1, QStringLiteral("Cash"), 500);
    TTable &staff = bill();
    order(staff, 450, 700);
    pay(staff, 7, QStringLiteral("Staff account"), 450);

    EXPECT_EQ((QStringList {QStringLiteral("8400 -> 1000 500 Revenue 19 % / Cash"),
                            QStringLiteral("8400 -> 1700 2500 Revenue 19 % / Voucher"),
                            QStringLiteral("8300 -> 1340 450 Revenue 7 % / Staff account"),
                            QStringLiteral("1700 -> 1000 2500 Vouchers sold / Cash")}),
              book());
}

TEST_F(DayBookingsTest, TipsTakenAndPaidOutCashMovesAndTheCountedDifference)
{
    TTable &t = bill();
    order(t, 1000, 1900);
    pay(t, 1, QStringLiteral("Cash"), 400, 100);
    pay(t, 3, QStringLiteral("Visa"), 600, 200);
    TTable &drawer = bill();
    for (const auto &move : {QPair<qint64, const char *> {15000, "Change float"},
                             QPair<qint64, const char *> {-2380, "Flowers"}}) {
        auto *e = new TTableEntry;
        e->setId(drawer.entries().count() + 1);
        e->setType(EntryCash);
        e->setInt(QStringLiteral("amount"), move.first);
        e->setString(QStringLiteral("reason"), QString::fromLatin1(move.second));
        drawer.entries().insert(e);
    }
    day.cashDifferences.insert(12, -50);

    EXPECT_EQ((QStringList {QStringLiteral("8400 -> 1000 400 Revenue 19 % / Cash"),
                            QStringLiteral("8400 -> 1360 600 Revenue 19 % / Visa"),
                            QStringLiteral("1590 -> 1000 100 Tips / Cash"),
                            QStringLiteral("1590 -> 1360 200 Tips / Visa"),
                            QStringLiteral("1000 -> 1590 300 Tips paid out"),
                            QStringLiteral("1360 -> 1000 15000 Cash in: Change float"),
                            QStringLiteral("1000 -> 1360 2380 Cash out: Flowers"),
                            QStringLiteral("1000 -> 4900 50 Cash counted short (Z 12)")}),
              book());

    day.cashDifferences.insert(12, 20);
    EXPECT_EQ(QStringLiteral("2700 -> 1000 20 Cash counted over (Z 12)"), book().last());
}

TEST_F(DayBookingsTest, WhatThePaysDoNotMatchIsABillDifference)
{
    // paid 1000 for 980; then a bill paid 500 short
    TTable &over = bill();
    order(over, 980, 1900);
    pay(over, 1, QStringLiteral("Cash"), 1000);
    TTable &under = bill();
    order(under, 1500, 700);
    pay(under, 2, QStringLiteral("EC card"), 1000);
    EXPECT_EQ((QStringList {QStringLiteral("8400 -> 1000 980 Revenue 19 % / Cash"),
                            QStringLiteral("8300 -> 1590 500 Revenue 7 % / Bill differences"),
                            QStringLiteral("8300 -> 1360 1000 Revenue 7 % / EC card"),
                            QStringLiteral("1590 -> 1000 20 Bill differences / Cash")}),
              book());
}

TEST_F(DayBookingsTest, ARateWithoutAccountIsAnErrorNamingTheKey)
{
    TTable &t = bill();
    order(t, 1000, 1600);
    pay(t, 1, QStringLiteral("Cash"), 1000);
    QList<TBooking> bookings;
    QString error;
    EXPECT_FALSE(TDayBookings::make(day, map, &bookings, &error));
    EXPECT_EQ(QStringLiteral("2026-03-05: no revenue account for VAT rate 16 %; set revenue16 in "
                             "section [SKR03] of etc/accounting.ini"),
              error);
}
