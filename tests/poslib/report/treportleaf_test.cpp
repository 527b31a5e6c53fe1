#include "taggregatestream.h"
#include "treporderleaves.h"
#include "treportleaf.h"
#include "tround.h"

#include <gtest/gtest.h>

using namespace PosLib;

// The sums are kept as numbers while entries are added; whichever way the
// record is read, it shows them as they are now.
TEST(ReportLeaf, EveryReadShowsTheCurrentSums)
{
    TReportLeaf leaf;
    leaf.setString(QStringLiteral("name"), QStringLiteral("Cola"));
    leaf.add(1, 250);
    leaf.addSum(QStringLiteral("tip"), 50);
    EXPECT_EQ(1.0, leaf.getDouble(QStringLiteral("count")));
    EXPECT_EQ(50, leaf.getLong(QStringLiteral("tip")));

    leaf.add(2, 500);
    leaf.addSum(QStringLiteral("tip"), 20);
    leaf.addDoubleSum(QStringLiteral("discount"), 12.5);
    EXPECT_EQ(3.0, leaf.getDouble(QStringLiteral("count")));
    EXPECT_EQ(QStringLiteral("750.00000"), leaf.getString(QStringLiteral("amount")));
    EXPECT_EQ(70, leaf.record().getLong(QStringLiteral("tip")));
    EXPECT_EQ(12.5, leaf.record().getDouble(QStringLiteral("discount")));
    EXPECT_TRUE(leaf.has(QStringLiteral("discount")));

    leaf.add(1, 100);
    const Basics::TValue::Fields &fields = leaf.fields();
    ASSERT_TRUE(fields.contains(QStringLiteral("count")));
    EXPECT_EQ(QStringLiteral("4.00000"), fields.constFind(QStringLiteral("count")).value().text);
    EXPECT_EQ(QStringLiteral("Cola"), leaf.name());
}

// A sum added by its number and by its name is one sum; a name of no
// number is a sum of its own; each starts from what the record held under
// its name; and a leaf read back from what it wrote holds the same sums.
TEST(ReportLeaf, SumsByNumberAndByNameAreOne)
{
    TReportLeaf leaf;
    leaf.setInt(QStringLiteral("given"), 100);
    leaf.addSum(SumGiven, 5);
    leaf.addSum(QStringLiteral("given"), 7);
    leaf.addSum(QStringLiteral("extra"), 3);
    leaf.addSum(QStringLiteral("extra"), 4);
    leaf.addDoubleSum(SumNet, 0.1);
    leaf.addDoubleSum(QStringLiteral("net"), 0.2);
    EXPECT_EQ(112, leaf.sum(SumGiven));
    EXPECT_EQ(112, leaf.sum(QStringLiteral("given")));
    EXPECT_EQ(7, leaf.sum(QStringLiteral("extra")));
    TExactSum net;
    net.add(0.1);
    net.add(0.2);
    EXPECT_EQ(net.value(), leaf.doubleSum(SumNet));
    EXPECT_EQ(QStringLiteral("112"), leaf.getString(QStringLiteral("given")));
    EXPECT_EQ(QStringLiteral("given"), sumName(SumGiven));
    EXPECT_EQ(SumGiven, sumNameOf(QStringLiteral("given")));
    EXPECT_EQ(SumOther, sumNameOf(QStringLiteral("extra")));

    TAggregateWriter out;
    leaf.writeState(out);
    const QByteArray bytes = out.bytes();
    TAggregateReader in(bytes);
    TReportLeaf copy;
    copy.readState(in, true);
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(leaf.fields(), copy.fields());
    copy.addSum(SumGiven, 1);
    copy.addSum(QStringLiteral("extra"), 1);
    EXPECT_EQ(113, copy.sum(QStringLiteral("given")));
    EXPECT_EQ(8, copy.sum(QStringLiteral("extra")));
}

// A VAT leaf counts its orders by amount and adds their net and VAT when
// read: each read in between, the rate changing, VAT of tax groups added
// and a day aggregate give what the orders added one by one would give.
TEST(ReportLeaf, VatRateHeldOrdersAddUpAsOneByOne)
{
    TRepVatRate leaf;
    TReportLeaf ref;
    auto order = [&](double count, qint64 price, double rate) {
        leaf.addLine(count, price, rate);
        ref.add(count, double(price) * count);
        const double gross = double(lineAmount(price, count));
        const double net = gross * 100.0 / (100.0 + rate / 100.0);
        ref.addDoubleSum(SumNet, net);
        ref.addDoubleSum(SumVat, gross - net);
    };
    // the sums first, then the record: each reads what was held back
    auto expectSame = [&](const char *when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(ref.doubleSum(SumNet), leaf.net());
        EXPECT_EQ(ref.doubleSum(SumVat), leaf.vat());
        for (const char *key : {"count", "amount", "net", "vat"})
            EXPECT_EQ(ref.getString(QLatin1String(key)), leaf.getString(QLatin1String(key))) << key;
    };
    // 999 at 19 %: a net no double holds, a thousand times over
    for (int i = 0; i < 1001; ++i)
        order(1, 999, 1900);
    order(1.5, 199, 1900);
    expectSame("first read");
    for (int i = 0; i < 333; ++i) {
        order(1, 999, 1900);
        order(3, 1, 1900);
        order(-1, 999, 1900);
    }
    leaf.addVat(0.3);
    ref.addDoubleSum(SumVat, 0.3);
    expectSame("after tax groups");
    for (int i = 0; i < 77; ++i)
        order(1, 1234567, 700);
    order(1, 999, 1900.5);
    expectSame("after other rates");

    TAggregateWriter out;
    leaf.writeState(out);
    const QByteArray bytes = out.bytes();
    TAggregateReader in(bytes);
    TRepVatRate read;
    read.readState(in, true);
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(leaf.net(), read.net());
    EXPECT_EQ(leaf.vat(), read.vat());
    for (int i = 0; i < 5; ++i)
        order(2, 999, 1900);
    expectSame("after the aggregate");
}
