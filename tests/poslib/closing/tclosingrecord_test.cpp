#include "closingtestsupport.h"

#include "tclosingbills.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

TValue entry(int id, int type)
{
    TValue e;
    e.setId(id);
    e.setInt(QStringLiteral("type"), type);
    return e;
}

// An order line (or a child of one) at 19 % in house and 7 % taken away.
TValue orderLine(int id, int type, int price, double count)
{
    TValue o = entry(id, type);
    o.setInt(QStringLiteral("price"), price);
    o.setDouble(QStringLiteral("count"), count);
    o.setInt(QStringLiteral("rateih"), 1900);
    o.setInt(QStringLiteral("rateoh"), 700);
    return o;
}

// Two orders at 19 % in house (1190 and 2 x 595 = 1190), one takeaway line
// at 7 % (535), a void of one order at 595, paid 2000 cash and 915 by card.
QByteArray mixedBill()
{
    QByteArray data;
    TValue head;
    head.setInt(QStringLiteral("table"), 21);
    head.setInt(QStringLiteral("party"), 2);
    head.setInt(QStringLiteral("archive"), 77);
    head.setInt(QStringLiteral("billnum"), 5001);
    Basics::appendRecord(data, head);
    TValue create = entry(0, EntryCreate);
    create.setInt(QStringLiteral("waiter"), 7);
    Basics::appendRecord(data, create);
    auto order = [&](int id, int price, double count, bool takeaway) {
        TValue o = orderLine(id, EntryOrder, price, count);
        if (takeaway)
            o.setBool(QStringLiteral("isvatoh"), true);
        Basics::appendRecord(data, o);
    };
    order(1, 1190, 1, false);
    order(2, 595, 2, false);
    order(3, 535, 1, true);
    TValue v = entry(4, EntryVoid);
    v.setDouble(QStringLiteral("count"), 1);
    v.setInt(QStringLiteral("amount"), 595);
    Basics::appendRecord(data, v);
    auto pay = [&](int id, int form, const char *name, int amount) {
        TValue p = entry(id, EntryPay);
        p.setInt(QStringLiteral("payform"), form);
        p.setString(QStringLiteral("payformname"), QLatin1String(name));
        p.setInt(QStringLiteral("amount"), amount);
        Basics::appendRecord(data, p);
    };
    pay(5, 1, "Cash", 2000);
    pay(6, 2, "Card", 915);
    return data;
}

} // namespace

TEST_F(ClosingTest, StoredBillAddsUpPerPaymentFormVatRateAndVoids)
{
    dir.write(QStringLiteral("a1"), mixedBill());
    const TStoredBill stored = readStoredBill(dir.file(QStringLiteral("a1")));
    ASSERT_TRUE(stored.ok);
    EXPECT_EQ(77, stored.bill.archive);
    EXPECT_EQ(5001, stored.bill.bill);
    EXPECT_EQ(21, stored.bill.table);
    EXPECT_EQ(2, stored.bill.party);
    EXPECT_EQ(sha256Hex(mixedBill()), stored.bill.sha256);
    EXPECT_EQ(64, stored.bill.sha256.size());

    const TClosingTotals &t = stored.totals;
    EXPECT_EQ(2915, t.amount);
    EXPECT_EQ(2915, stored.bill.amount);
    ASSERT_EQ(QList<int>({700, 1900}), t.vatRates.keys());
    // 2380 gross at 19 %: net 2380 x 100 / 119 = 2000; 535 at 7 %: net 500
    EXPECT_EQ(2380, t.vatRates[1900].gross);
    EXPECT_EQ(2000, t.vatRates[1900].net);
    EXPECT_EQ(380, t.vatRates[1900].vat());
    EXPECT_EQ(535, t.vatRates[700].gross);
    EXPECT_EQ(35, t.vatRates[700].vat());
    EXPECT_EQ(1.0, t.voidCount);
    EXPECT_EQ(595, t.voidAmount);
    ASSERT_EQ(QList<int>({1, 2}), t.payments.keys());
    EXPECT_EQ((TClosingPayment {QStringLiteral("Cash"), 1, 2000}), t.payments[1]);
    EXPECT_EQ((TClosingPayment {QStringLiteral("Card"), 1, 915}), t.payments[2]);

    // two of them add up
    TClosingTotals sum;
    addTotals(sum, t);
    addTotals(sum, t);
    EXPECT_EQ(5830, sum.amount);
    EXPECT_EQ(4000, sum.payments[1].amount);
    EXPECT_EQ(2, sum.payments[1].count);
    EXPECT_EQ(760, sum.vatRates[1900].vat());

    // what does not load as a table is no bill, but is hashed
    dir.write(QStringLiteral("a2"), "not a table");
    const TStoredBill broken = readStoredBill(dir.file(QStringLiteral("a2")));
    EXPECT_FALSE(broken.ok);
    EXPECT_EQ(sha256Hex("not a table"), broken.bill.sha256);
}

// A bill as the terminals leave it: an add-on filed under its order, an
// order written again under its id (the later one counts), a table sold to
// take away with a line in house, a payment form whose later payment
// names it otherwise, a voided payment, and the closing's Z stamp.
TEST_F(ClosingTest, StoredBillCountsAddOnsTheLastWriteOfAnEntryAndItsZStamp)
{
    QByteArray data;
    TValue head;
    head.setInt(QStringLiteral("table"), 3);
    head.setBool(QStringLiteral("vatoh"), true);
    head.setInt(QStringLiteral("zcount"), 42);
    Basics::appendRecord(data, head);
    Basics::appendRecord(data, entry(0, EntryCreate));
    Basics::appendRecord(data, orderLine(1, EntryOrder, 1000, 2));
    TValue addOn = orderLine(2, EntryAddOn, 50, 1);
    addOn.setInt(QStringLiteral("father"), 1);
    Basics::appendRecord(data, addOn);
    TValue inHouse = orderLine(3, EntryOrder, 300, 1);
    inHouse.setBool(QStringLiteral("isvatoh"), false);
    Basics::appendRecord(data, inHouse);
    Basics::appendRecord(data, orderLine(4, EntryOrder, 999, 1));
    Basics::appendRecord(data, orderLine(4, EntryOrder, 400, 1));
    auto pay = [&](int id, int form, const char *name, int amount, bool voided) {
        TValue p = entry(id, EntryPay);
        p.setInt(QStringLiteral("payform"), form);
        p.setString(QStringLiteral("payformname"), QLatin1String(name));
        p.setInt(QStringLiteral("amount"), amount);
        if (voided)
            p.setBool(QStringLiteral("voided"), true);
        Basics::appendRecord(data, p);
    };
    pay(5, 1, "Cash", 2000, false);
    pay(6, 1, "Bar", 500, false);
    pay(7, 2, "Card", 300, true);
    dir.write(QStringLiteral("a1"), data);

    const TStoredBill stored = readStoredBill(dir.file(QStringLiteral("a1")), TBillHash::Skipped);
    ASSERT_TRUE(stored.ok);
    EXPECT_EQ(42, stored.zCount);
    EXPECT_EQ(3, stored.bill.table);
    EXPECT_TRUE(stored.bill.sha256.isEmpty());
    const TClosingTotals &t = stored.totals;
    // (1000 + 50) x 2 and 400 to take away at 7 %, 300 in house at 19 %
    EXPECT_EQ(2800, t.amount);
    ASSERT_EQ(QList<int>({700, 1900}), t.vatRates.keys());
    EXPECT_EQ(2500, t.vatRates[700].gross);
    // 2100 x 100 / 107 = 1962.6 and 400 x 100 / 107 = 373.8, each rounded
    EXPECT_EQ(1963 + 374, t.vatRates[700].net);
    EXPECT_EQ(300, t.vatRates[1900].gross);
    EXPECT_EQ(252, t.vatRates[1900].net);
    ASSERT_EQ(QList<int>({1}), t.payments.keys());
    EXPECT_EQ((TClosingPayment {QStringLiteral("Cash"), 2, 2500}), t.payments[1]);
}

TEST_F(ClosingTest, RecordRoundTripsAndItsSealShowsAnyEdit)
{
    TClosingRecord r;
    r.z = 12;
    r.dayZ = 5;
    r.date = day;
    r.waiter = 7;
    r.waiterName = QStringLiteral("Anna");
    r.executingWaiter = 8;
    r.executingWaiterName = QStringLiteral("Bruno");
    r.application = QStringLiteral("Office (Reports)");
    r.terminal = 3;
    r.start = QDateTime(QDate(2014, 3, 6), QTime(1, 30, 5));
    r.end = QDateTime(QDate(2014, 3, 6), QTime(1, 30, 9));
    r.bills << TClosingBill {QStringLiteral("a3"), 40, 11, 1, 9002, 500, sha256Hex("x")}
            << TClosingBill {QStringLiteral("a4"), 38, 12, 1, 9001, 700, sha256Hex("y")};
    r.totals.amount = 1200;
    r.totals.payments[1] = TClosingPayment {QStringLiteral("Cash"), 2, 1200};
    r.totals.vatRates[1900] = TClosingVat {1200, 1008};
    r.totals.voidCount = 1.5;
    r.totals.voidAmount = 300;
    r.previousZ = 11;
    r.previousSha256 = sha256Hex("previous");

    const QByteArray bytes = r.toBytes();
    TClosingRecord back;
    QString error;
    ASSERT_TRUE(TClosingRecord::fromBytes(bytes, &back, &error)) << error.toStdString();
    EXPECT_EQ(r.toBytes(), back.toBytes());
    EXPECT_EQ(r.bills, back.bills);
    EXPECT_EQ(r.totals, back.totals);
    EXPECT_TRUE(TClosingRecord::sealHolds(bytes));
    // first and last are the lowest and highest numbers
    EXPECT_EQ(38, back.firstArchive());
    EXPECT_EQ(40, back.lastArchive());
    EXPECT_EQ(9001, back.firstBill());
    EXPECT_EQ(9002, back.lastBill());

    const QJsonObject o = QJsonDocument::fromJson(bytes).object();
    EXPECT_EQ(QStringLiteral("waiter"), o.value(QStringLiteral("kind")).toString());
    EXPECT_EQ(2, o.value(QStringLiteral("bills")).toObject().value(QStringLiteral("count")).toInt());
    EXPECT_TRUE(o.value(QStringLiteral("daySummary")).isNull());

    // the same content re-indented still holds; one changed figure does not
    EXPECT_TRUE(TClosingRecord::sealHolds(QJsonDocument(o).toJson(QJsonDocument::Compact)));
    QByteArray edited = bytes;
    edited.replace("\"amount\": 1200", "\"amount\": 1100");
    ASSERT_NE(bytes, edited);
    EXPECT_TRUE(TClosingRecord::fromBytes(edited, &back, &error));
    EXPECT_FALSE(TClosingRecord::sealHolds(edited));

    EXPECT_FALSE(TClosingRecord::fromBytes("{\"format\": 3, \"z\": 1}", &back, &error));
    EXPECT_FALSE(TClosingRecord::fromBytes("[1]", &back, &error));
    EXPECT_FALSE(TClosingRecord::fromBytes("", &back, &error));

    EXPECT_EQ(QStringLiteral("closing-12.json"), TClosingRecord::fileName(12));
    EXPECT_EQ(12, TClosingRecord::zOfFileName(QStringLiteral("closing-12.json")));
    EXPECT_EQ(0, TClosingRecord::zOfFileName(QStringLiteral("closing-x.json")));
    EXPECT_EQ(0, TClosingRecord::zOfFileName(QStringLiteral("zcount.dat")));
}

TEST_F(ClosingTest, EveryRunLeavesARecordChainedToTheOneBefore)
{
    closeTwoDays();

    const TClosingRecord annas = record(firstDay, 1);
    EXPECT_EQ(1, annas.z);
    EXPECT_EQ(1, annas.dayZ);
    EXPECT_EQ(firstDay, annas.date);
    EXPECT_EQ(7, annas.waiter);
    EXPECT_EQ(QStringLiteral("Anna"), annas.waiterName);
    EXPECT_EQ(8, annas.executingWaiter);
    ASSERT_EQ(2, annas.bills.size());
    EXPECT_EQ(QStringLiteral("a1"), annas.bills[0].file);
    EXPECT_EQ(11, annas.bills[0].table);
    EXPECT_EQ(12, annas.bills[1].table);
    EXPECT_EQ(1000, annas.totals.amount);
    EXPECT_EQ(1000, annas.totals.payments[0].amount);
    EXPECT_TRUE(annas.summarySha256.isEmpty()); // a waiter's closing removes the summary
    EXPECT_EQ(0, annas.previousZ);
    EXPECT_TRUE(annas.previousSha256.isEmpty());

    const TClosingRecord whole = record(firstDay, 2);
    EXPECT_TRUE(whole.isWholeDay());
    EXPECT_EQ(1, whole.dayZ); // the day keeps its Z number
    ASSERT_EQ(2, whole.bills.size());
    EXPECT_EQ(QStringLiteral("a3"), whole.bills[0].file);
    EXPECT_EQ(fileSha256(dir.file(dayDir(firstDay) + QStringLiteral("a3"))), whole.bills[0].sha256);
    EXPECT_EQ(fileSha256(dir.file(QStringLiteral("var/summary/2014-03-05.dat"))),
              whole.summarySha256);
    EXPECT_EQ(1, whole.previousZ);
    EXPECT_EQ(sha256Hex(dir.read(dayDir(firstDay) + TClosingRecord::fileName(1))),
              whole.previousSha256);

    const TClosingRecord second = record(secondDay, 3);
    EXPECT_EQ(2, second.dayZ);
    EXPECT_EQ(2, second.previousZ);
    EXPECT_EQ(sha256Hex(dir.read(dayDir(firstDay) + TClosingRecord::fileName(2))),
              second.previousSha256);
    EXPECT_EQ(1250, second.totals.amount);

    const TClosingLedger ledger(root());
    ASSERT_EQ(3, ledger.closings().size());
    EXPECT_EQ(1, ledger.firstRecordedZ());
    EXPECT_EQ(4, ledger.counter());
    EXPECT_EQ(3, ledger.lastRecord()->z);
    EXPECT_EQ(2, ledger.recordBefore(3)->z);
    EXPECT_EQ(nullptr, ledger.recordBefore(1));
    EXPECT_EQ(7, ledger.find(1)->journal.waiter);
    EXPECT_EQ(2, ledger.find(1)->journal.moved);
    EXPECT_EQ(1, ledger.find(2)->journalLines);
}

TEST_F(ClosingTest, JournalLinesReadBack)
{
    const TJournalEntry waiter = parseJournalLine(
            QStringLiteral("104:2;7;Anna;8;Bruno;Wed Mar 5 2014;test;3;0"));
    EXPECT_TRUE(waiter.ok);
    EXPECT_EQ(104, waiter.z);
    EXPECT_EQ(2, waiter.moved);
    EXPECT_EQ(7, waiter.waiter);
    EXPECT_EQ(QStringLiteral("Anna"), waiter.waiterName);
    EXPECT_EQ(8, waiter.executingWaiter);
    const TJournalEntry whole = parseJournalLine(QStringLiteral("5:0;;;;;Wed Mar 5 2014;x;1;0"));
    EXPECT_TRUE(whole.ok);
    EXPECT_EQ(0, whole.waiter);
    EXPECT_EQ(0, whole.executingWaiter);
    EXPECT_FALSE(parseJournalLine(QStringLiteral("garbage")).ok);
    EXPECT_FALSE(parseJournalLine(QStringLiteral("x:1;;")).ok);
}
