#include "tapportion.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace PosLib;

namespace {

using Rows = QList<QList<qint64>>;

// Every row adds up to its source, every column to its sink, no share is
// negative.
void expectExact(const QList<qint64> &sources, const QList<qint64> &sinks, const Rows &rows)
{
    ASSERT_EQ(sources.size(), rows.size());
    QList<qint64> columns(sinks.size(), 0);
    for (qsizetype p = 0; p < rows.size(); ++p) {
        ASSERT_EQ(sinks.size(), rows[p].size());
        EXPECT_EQ(sources[p], std::accumulate(rows[p].cbegin(), rows[p].cend(), qint64(0)))
                << "source " << p;
        for (qsizetype k = 0; k < sinks.size(); ++k) {
            EXPECT_GE(rows[p][k], 0);
            columns[k] += rows[p][k];
        }
    }
    EXPECT_EQ(sinks, columns);
}

} // namespace

TEST(Apportion, SplitsInProportion)
{
    // cash 600 and card 400 over food 700 and drinks 300
    const Rows rows = apportion({600, 400}, {700, 300});
    EXPECT_EQ((Rows {{420, 180}, {280, 120}}), rows);
}

TEST(Apportion, GivesTheCentToTheLargestRemainderAndTheEarlierSinkOnATie)
{
    // 100 over three equal sinks: 33.3 each, the first gets the cent
    EXPECT_EQ((Rows {{34, 33, 33}, {66, 67, 67}}), apportion({100, 200}, {100, 100, 100}));
    // 10 over 333 and 667 (of 1000): 3.33 and 6.67 -> 3 and 7
    EXPECT_EQ((Rows {{3, 7}, {330, 660}}), apportion({10, 990}, {333, 667}));
}

TEST(Apportion, OneSourceOrOneSinkTakesEverything)
{
    EXPECT_EQ((Rows {{500, 250, 1}}), apportion({751}, {500, 250, 1}));
    EXPECT_EQ((Rows {{3}, {4}, {0}}), apportion({3, 4, 0}, {7}));
    EXPECT_EQ(Rows(), apportion({}, {}));
}

TEST(Apportion, IsExactForAwkwardAmounts)
{
    // amounts that leave remainders everywhere, and very large ones
    const QList<QList<qint64>> sourceSets {{1, 1, 1}, {999, 1, 7, 13}, {123456789012, 98765}};
    for (const QList<qint64> &sources : sourceSets) {
        const qint64 total = std::accumulate(sources.cbegin(), sources.cend(), qint64(0));
        const QList<qint64> sinks {total / 3, total / 7, total - total / 3 - total / 7};
        expectExact(sources, sinks, apportion(sources, sinks));
    }
    for (qint64 seed = 1; seed < 200; ++seed) {
        const QList<qint64> sources {seed * 37 % 101, seed % 13, seed * 7 % 29 + 1};
        const qint64 total = std::accumulate(sources.cbegin(), sources.cend(), qint64(0));
        const qint64 a = seed * 11 % (total + 1);
        const QList<qint64> sinks {a, (total - a) / 2, total - a - (total - a) / 2};
        expectExact(sources, sinks, apportion(sources, sinks));
    }
}
