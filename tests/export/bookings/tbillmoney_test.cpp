#include "tbillmoney.h"
#include "ttable.h"
#include "ttableentry.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QString Taxes = QStringLiteral("1,VAT 19%,1900:2,VAT 7%,700:3,No VAT,0");

TTableEntry *entry(int id, int type)
{
    auto *e = new TTableEntry;
    e->setId(id);
    e->setType(type);
    return e;
}

TTableEntry *order(int id, qint64 price, double count, int rateIh, int rateOh = 700)
{
    TTableEntry *e = entry(id, EntryOrder);
    e->setInt(QStringLiteral("price"), price);
    e->setDouble(QStringLiteral("count"), count);
    e->setInt(QStringLiteral("rateih"), rateIh);
    e->setInt(QStringLiteral("rateoh"), rateOh);
    return e;
}

TTableEntry *pay(int id, int payform, qint64 amount, qint64 tip = 0, bool cash = false)
{
    TTableEntry *e = entry(id, EntryPay);
    e->setInt(QStringLiteral("payform"), payform);
    e->setString(QStringLiteral("payformname"), QStringLiteral("Payform %1").arg(payform));
    e->setInt(QStringLiteral("amount"), amount);
    e->setInt(QStringLiteral("tip"), tip);
    e->setBool(QStringLiteral("intermsum"), cash);
    return e;
}

} // namespace

TEST(BillMoney, OrderLinesByRateVouchersApartPaysPerPayform)
{
    TTable t(nullptr);
    t.setTaxIh(Taxes);
    t.entries().insert(order(1, 199, 1.5, 1900)); // 298.5 -> 299
    t.entries().insert(order(2, 450, 2, 700));
    TTableEntry *takeaway = order(3, 300, 1, 1900, 700);
    takeaway->setBool(QStringLiteral("isvatoh"), true);
    t.entries().insert(takeaway);
    TTableEntry *voucher = order(4, 2500, 1, 0);
    voucher->setBool(QStringLiteral("credit"), true);
    t.entries().insert(voucher);
    // the line a void leaves: the cola taken back
    t.entries().insert(order(5, 350, 1, 1900));
    t.entries().insert(order(6, 350, -1, 1900));
    t.entries().insert(pay(7, 1, 2000, 100, true));
    t.entries().insert(pay(8, 1, 1000, 0, true));
    TTableEntry *declined = pay(9, 3, 4299);
    declined->setBool(QStringLiteral("voided"), true);
    t.entries().insert(declined);
    t.entries().insert(pay(10, 2, 999, 50));

    const TBillMoney money = billMoney(t);
    EXPECT_EQ((QMap<int, qint64> {{1900, 299}, {700, 900 + 300}}), money.revenue);
    EXPECT_EQ(2500, money.vouchersSold);
    EXPECT_TRUE(money.surcharges.isEmpty());
    ASSERT_EQ(2, money.payments.size());
    EXPECT_EQ(1, money.payments[0].payform);
    EXPECT_TRUE(money.payments[0].cash);
    EXPECT_EQ(3000, money.payments[0].amount);
    EXPECT_EQ(100, money.payments[0].tip);
    EXPECT_EQ(QStringLiteral("Payform 1"), money.payments[0].name);
    EXPECT_EQ(2, money.payments[1].payform);
    EXPECT_EQ(999, money.payments[1].amount);
    EXPECT_EQ(50, money.payments[1].tip);
    EXPECT_EQ(3999, money.charged());
    EXPECT_EQ(3999, money.paid());
}

TEST(BillMoney, SurchargesPerUnitAndPerGuestAtTheirRates)
{
    TTable t(nullptr);
    t.setTaxIh(Taxes);
    t.setTaxAmount(250);
    t.setTaxAmounts(QStringLiteral("1,40"));
    t.setGuests(3);
    // a takeaway bottle with its deposit of 25 a bottle
    TTableEntry *bottle = order(1, 300, 2, 1900, 1900);
    bottle->setDouble(QStringLiteral("taxamount"), 25);
    t.entries().insert(bottle);
    TTableEntry *cash = entry(2, EntryCash);
    cash->setInt(QStringLiteral("amount"), -2380);
    cash->setString(QStringLiteral("reason"), QStringLiteral("Flowers"));
    t.entries().insert(cash);

    const TBillMoney money = billMoney(t);
    EXPECT_EQ((QMap<int, qint64> {{1900, 600}}), money.revenue);
    EXPECT_EQ((QMap<int, qint64> {{1900, 50 + 750}}), money.surcharges);
    ASSERT_EQ(1, money.cashMoves.size());
    EXPECT_EQ(-2380, money.cashMoves[0].amount);
    EXPECT_EQ(QStringLiteral("Flowers"), money.cashMoves[0].reason);
    EXPECT_EQ(1400, money.charged());
    EXPECT_EQ(0, money.paid());
}

TEST(BillMoney, ChargePerGuestSplitsOverItsTaxParts)
{
    const QMap<int, int> rates = taxRates(Taxes);
    EXPECT_EQ((QMap<int, int> {{1, 1900}, {2, 700}, {3, 0}}), rates);
    EXPECT_EQ((QMap<int, qint64> {{1900, 250}}), chargeByRate(250, QStringLiteral("1,40"), rates));
    // 19 VAT at 19 %: 119 gross; the 7 % part takes the rest
    EXPECT_EQ((QMap<int, qint64> {{1900, 119}, {700, 181}}),
              chargeByRate(300, QStringLiteral("1,19:2,12"), rates));
    // no parts, or only unknown tax ids: tax-free
    EXPECT_EQ((QMap<int, qint64> {{0, 250}}), chargeByRate(250, QString(), rates));
    EXPECT_EQ((QMap<int, qint64> {{0, 250}}), chargeByRate(250, QStringLiteral("9,40"), rates));
}
