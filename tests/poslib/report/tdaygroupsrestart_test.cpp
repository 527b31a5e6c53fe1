#include "smalldemo.h"
#include "spoolthresholds.h"
#include "tdayaggregate.h"
#include "tdaygroupspool.h"
#include "testdir.h"
#include "trepdata.h"
#include "treport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace PosLib;

// The day groups of the cache are restarted from one day to the next
// instead of made anew: a restarted set must write each day's aggregate
// byte for byte as new groups filled with that day alone, whatever days
// it held before (leaves kept from them, groups of waiters the day has
// not, nodes that restart and nodes made anew).

namespace {

const QDate Today = smalldemo::Today;

struct Options
{
    bool centers;
    bool records;
    TRepScope scope;
};

std::unique_ptr<TRepDatas> makeGroups(const Options &o, const QString &root)
{
    std::unique_ptr<TRepDatas> g;
    if (o.centers)
        g = std::make_unique<TRepCenters>(nullptr, root);
    else
        g = std::make_unique<TRepWaiters>(nullptr, root);
    g->setKeepRecords(o.records);
    g->setScope(o.scope);
    return g;
}

void fill(const QString &root, TRepDatas &groups, const QDate &day)
{
    TReport report(QDate(), nullptr, root);
    ASSERT_TRUE(report.runRange(dynamic_cast<TRepWaiters *>(&groups),
                                dynamic_cast<TRepCenters *>(&groups), day, day));
}

class DayGroupsRestart : public ::testing::Test
{
protected:
    void SetUp() override { smalldemo::writeFiveDays(dir.path()); }

    TestDir dir;
};

} // namespace

TEST_F(DayGroupsRestart, RestartedGroupsWriteTheDayAsNewGroups)
{
    const TRepScope printed({QStringLiteral("articles"), QStringLiteral("vatrates"),
                             QStringLiteral("payforms"), QStringLiteral("pays"),
                             QStringLiteral("currencies"), QStringLiteral("voids"),
                             QStringLiteral("varticles"), QStringLiteral("cashins")},
                            TRepScope::GroupsOnly);
    const TRepScope hours({QStringLiteral("hours")}, true);
    // days again and out of order: leaves and groups kept from later days
    const QDate days[] = {Today.addDays(-4), Today.addDays(-3), Today.addDays(-1),
                          Today.addDays(-4), Today.addDays(-2), Today.addDays(-1)};
    // also with rows and leaves gone to their temporary files every two,
    // which a restart must empty with the rest
    const SpoolThresholds spool;
    for (const bool spooled : {false, true})
        for (const Options &o :
             {Options {false, true, TRepScope()}, Options {true, false, TRepScope()},
              Options {false, false, printed}, Options {true, true, printed},
              Options {false, true, hours}}) {
            if (spooled)
                spool.all(2);
            SCOPED_TRACE(testing::Message()
                         << "centers " << o.centers << " records " << o.records << " scope "
                         << o.scope.key().toStdString() << " spooled " << spooled);
            auto kept = makeGroups(o, dir.path());
            bool first = true;
            for (const QDate &day : days) {
                SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
                if (!first)
                    kept->restartDay();
                first = false;
                fill(dir.path(), *kept, day);
                auto made = makeGroups(o, dir.path());
                fill(dir.path(), *made, day);
                const QByteArray expected = TDayAggregate::toBytes(*made, "stamp");
                ASSERT_FALSE(expected.isEmpty());
                EXPECT_EQ(expected, TDayAggregate::toBytes(*kept, "stamp"));
            }
        }
}

// A set of day groups given back to the pool comes out of it emptied.
TEST_F(DayGroupsRestart, SetsGivenBackToThePoolAreTakenEmptied)
{
    TDayGroupsPool pool;
    EXPECT_EQ(nullptr, pool.take());
    auto set = std::make_unique<TDayGroupsPool::Set>();
    set->waiters = std::make_unique<TRepWaiters>(nullptr, dir.path());
    fill(dir.path(), *set->waiters, Today.addDays(-1));
    ASSERT_FALSE(set->waiters->isEmpty());
    TRepWaiters *groups = set->waiters.get();
    pool.give(std::move(set));
    auto again = pool.take();
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(groups, again->waiters.get());
    EXPECT_TRUE(again->waiters->isEmpty());
    EXPECT_EQ(0, again->waiters->highest());
    EXPECT_EQ(nullptr, pool.take());
}
