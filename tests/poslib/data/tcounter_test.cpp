#include "tcounter.h"

#include "testdir.h"
#include "testrecords.h"
#include "trecordcodec.h"

#include <gtest/gtest.h>

using Basics::TRecordReader;
using Basics::TValue;
using PosLib::TCounter;

namespace {

class CounterTest : public ::testing::Test
{
protected:
    QString statist() const { return dir.file(QStringLiteral("var/statist")); }
    QByteArray zcount() const { return dir.read(QStringLiteral("var/statist/zcount.dat")); }
    TestDir dir;
};

} // namespace

TEST_F(CounterTest, FreshInstallationStartsAtOne)
{
    TCounter counter(statist(), QStringLiteral("zcount.dat"));
    EXPECT_TRUE(dir.exists(QStringLiteral("var/statist")));
    EXPECT_EQ(1, counter.get(QStringLiteral("z")));
    EXPECT_FALSE(dir.exists(QStringLiteral("var/statist/zcount.dat")));

    EXPECT_EQ(1, counter.next(QStringLiteral("z")));
    const QList<TValue> stored = records(zcount());
    ASSERT_EQ(1, stored.size());
    EXPECT_EQ(QStringLiteral("2"), stored[0].getString(QStringLiteral("z")));
    EXPECT_EQ(1, stored[0].count());

    EXPECT_EQ(2, counter.next(QStringLiteral("z")));
    EXPECT_EQ(3, TCounter(statist(), QStringLiteral("zcount.dat")).get(QStringLiteral("z")));
}

TEST_F(CounterTest, ReferenceCounterAdvances)
{
    dir.copyData(QStringLiteral("zcount.dat"), QStringLiteral("var/statist/zcount.dat"));
    TCounter counter(statist() + QStringLiteral("/"), QStringLiteral("zcount.dat"));
    EXPECT_EQ(dir.file(QStringLiteral("var/statist/zcount.dat")), counter.filePath());
    EXPECT_EQ(42, counter.get(QStringLiteral("z")));
    EXPECT_EQ(1, counter.get(QStringLiteral("zcounter")));
    EXPECT_EQ(42, counter.next(QStringLiteral("z")));
    EXPECT_EQ(43, counter.get(QStringLiteral("z")));
}

TEST_F(CounterTest, SetKeepsOtherCountersAndShrinksTheFile)
{
    TCounter counter(dir.path(), QStringLiteral("counter.dat"));
    counter.set(QStringLiteral("zcounter"), 1234567890);
    counter.set(QStringLiteral("other"), 5);
    EXPECT_EQ(1234567890, counter.get(QStringLiteral("zcounter")));
    counter.set(QStringLiteral("zcounter"), 7);

    TCounter reader(dir.path(), QStringLiteral("counter.dat"));
    EXPECT_EQ(7, reader.get(QStringLiteral("zcounter")));
    EXPECT_EQ(5, reader.get(QStringLiteral("other")));
    // the shorter record leaves no bytes of the longer one behind
    const QByteArray data = dir.read(QStringLiteral("counter.dat"));
    const QList<TValue> stored = records(data);
    ASSERT_EQ(1, stored.size());
    QByteArray expected;
    Basics::appendRecord(expected, stored[0]);
    EXPECT_EQ(expected, data);
}

TEST_F(CounterTest, EmptyFileReadsAsAbsent)
{
    dir.write(QStringLiteral("var/statist/zcount.dat"), QByteArray());
    TCounter counter(statist(), QStringLiteral("zcount.dat"));
    EXPECT_EQ(1, counter.get(QStringLiteral("z")));
    EXPECT_EQ(1, counter.next(QStringLiteral("z")));
    EXPECT_EQ(2, counter.get(QStringLiteral("z")));
}
