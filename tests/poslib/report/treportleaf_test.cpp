#include "treportleaf.h"

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
