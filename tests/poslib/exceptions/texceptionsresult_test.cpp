#include "texceptionsrun.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

// A team added up by hand: each waiter with bills, takings and voids.
struct Member
{
    int number;
    qint64 bills;
    qint64 takings;
    int voids; // of 100 cents each
};

TExceptionEntry voidOf(int waiter, int center = 1)
{
    TExceptionEntry e;
    e.kind = TExceptionKind::Voids;
    e.waiter = waiter;
    e.waiterName = QStringLiteral("W%1").arg(waiter);
    e.center = center;
    e.amount = 100;
    return e;
}

TExceptionSide waitersOf(const QList<Member> &team, const TExceptionRules &rules = {})
{
    TExceptionTally tally;
    for (const Member &m : team) {
        TExceptionDay day;
        day.waiterBills[m.number] = m.bills;
        day.centerBills[1] += m.bills;
        for (int i = 0; i < m.voids; ++i)
            day.entries.push_back(voidOf(m.number));
        tally.addDay(day, 0);
        tally.setTakings(TExceptionSide::Waiters, 0, m.number, m.takings, QString());
    }
    return tally.side(TExceptionSide::Waiters, rules);
}

const TExceptionFigure &voids(const TExceptionSide &side, int waiter)
{
    return side.group(0, waiter)->figure(TExceptionKind::Voids);
}

class ExceptionRates : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English)); }
};

} // namespace

TEST_F(ExceptionRates, RatesPerBillsAndTakingsBesideTheTeamMedian)
{
    // rates per 100 bills 2, 4, 6, 30; per 100 of takings 0.2, 0.4, 0.6, 3
    const TExceptionSide side = waitersOf(
            {{1, 50, 50000, 1}, {2, 50, 50000, 2}, {3, 50, 50000, 3}, {4, 50, 50000, 15}});
    EXPECT_EQ(4, side.members);
    EXPECT_DOUBLE_EQ(2.0, voids(side, 1).perBills);
    EXPECT_DOUBLE_EQ(0.2, voids(side, 1).perTakings);
    EXPECT_DOUBLE_EQ(30.0, voids(side, 4).perBills);
    EXPECT_EQ(1500, voids(side, 4).amount());
    // the median of an even team is the mean of the two middle rates
    EXPECT_DOUBLE_EQ(5.0, side.medianPerBills[indexOf(TExceptionKind::Voids)]);
    EXPECT_DOUBLE_EQ(0.5, side.medianPerTakings[indexOf(TExceptionKind::Voids)]);
    // 30 > 3 x 5: only the fourth stands out, by both rates
    EXPECT_FALSE(voids(side, 1).flagged);
    EXPECT_FALSE(voids(side, 3).flagged);
    EXPECT_TRUE(voids(side, 4).flagged);
    EXPECT_TRUE(voids(side, 4).byBills);
    EXPECT_TRUE(voids(side, 4).byTakings);
    EXPECT_EQ(1, side.flaggedGroups().size());
    EXPECT_EQ(QStringLiteral("Voids: 15 (30.0 per 100 bills, 6.0 x the team's median of 5.0; "
                             "3.00 % of the takings, 6.0 x the team's median of 0.50 %)"),
              flagReason(side, *side.group(0, 4), TExceptionKind::Voids));
    EXPECT_EQ(QString(), flagReason(side, *side.group(0, 3), TExceptionKind::Voids));
    EXPECT_EQ(QStringList(), flagReasons(side, *side.group(0, 1)));
    // the team's total: every bill and void, its own rates
    EXPECT_EQ(200, side.total.bills);
    EXPECT_EQ(21, side.total.figure(TExceptionKind::Voids).count);
    EXPECT_DOUBLE_EQ(10.5, side.total.figure(TExceptionKind::Voids).perBills);
}

TEST_F(ExceptionRates, ARateExactlyAtTheMultipleOrBelowTheMinimumCountIsNoFlag)
{
    // median 2 per 100 bills: 6 is exactly 3 x, 7 is above
    TExceptionSide side
            = waitersOf({{1, 100, 100000, 2}, {2, 100, 100000, 2}, {3, 100, 100000, 6}});
    EXPECT_DOUBLE_EQ(2.0, side.medianPerBills[indexOf(TExceptionKind::Voids)]);
    EXPECT_FALSE(voids(side, 3).flagged);
    side = waitersOf({{1, 100, 100000, 2}, {2, 100, 100000, 2}, {3, 100, 100000, 7}});
    EXPECT_TRUE(voids(side, 3).flagged);

    // 2 voids on 4 bills is 25 x the median, but 2 are no pattern
    side = waitersOf({{1, 100, 100000, 2}, {2, 100, 100000, 2}, {3, 4, 4000, 2}});
    EXPECT_DOUBLE_EQ(50.0, voids(side, 3).perBills);
    EXPECT_FALSE(voids(side, 3).flagged);
    TExceptionRules rules;
    rules.minCount = 2;
    side = waitersOf({{1, 100, 100000, 2}, {2, 100, 100000, 2}, {3, 4, 4000, 2}}, rules);
    EXPECT_TRUE(voids(side, 3).flagged);
}

TEST_F(ExceptionRates, AMedianOfZeroFlagsAnyoneWithEnoughEntries)
{
    const TExceptionSide side = waitersOf(
            {{1, 40, 40000, 0}, {2, 40, 40000, 0}, {3, 40, 40000, 0}, {4, 40, 40000, 3}});
    EXPECT_EQ(0.0, side.medianPerBills[indexOf(TExceptionKind::Voids)]);
    EXPECT_TRUE(voids(side, 4).flagged);
    EXPECT_EQ(QStringLiteral("Voids: 3 (7.5 per 100 bills, the team's median is 0; "
                             "0.75 % of the takings, the team's median is 0)"),
              flagReason(side, *side.group(0, 4), TExceptionKind::Voids));
}

TEST_F(ExceptionRates, TwoWaitersAndTheWaiterZeroAreNoTeam)
{
    // the waiter 0 (entries booked without one) has bills but is nobody
    TExceptionSide side = waitersOf({{0, 50, 50000, 40}, {1, 50, 50000, 1}, {2, 50, 50000, 30}});
    EXPECT_FALSE(side.group(0, 0)->member);
    EXPECT_EQ(2, side.members);
    EXPECT_FALSE(side.compared());
    EXPECT_TRUE(side.flaggedGroups().isEmpty());
    // the medians are those of the two, for the record
    EXPECT_DOUBLE_EQ(31.0, side.medianPerBills[indexOf(TExceptionKind::Voids)]);

    // a third waiter makes a team; the waiter 0 is never flagged
    side = waitersOf(
            {{0, 50, 50000, 40}, {1, 50, 50000, 1}, {2, 50, 50000, 1}, {3, 50, 50000, 30}});
    EXPECT_TRUE(side.compared());
    EXPECT_FALSE(voids(side, 0).flagged);
    EXPECT_TRUE(voids(side, 3).flagged);
    // a waiter without bills (only voids of others' tables) takes no part
    side = waitersOf({{1, 50, 50000, 1}, {2, 50, 50000, 1}, {3, 50, 50000, 1}, {4, 0, 0, 9}});
    EXPECT_FALSE(side.group(0, 4)->member);
    EXPECT_LT(voids(side, 4).perBills, 0);
    EXPECT_LT(voids(side, 4).perTakings, 0);
    EXPECT_FALSE(voids(side, 4).flagged);
}

TEST_F(ExceptionRates, FlaggedByTheTakingsAloneWhenTheAmountsStandOut)
{
    // the same count as the others, but each void ten times the money
    TExceptionTally tally;
    for (int waiter = 1; waiter <= 4; ++waiter) {
        TExceptionDay day;
        day.waiterBills[waiter] = 100;
        for (int i = 0; i < 5; ++i) {
            TExceptionEntry e = voidOf(waiter);
            e.amount = waiter == 4 ? 1000 : 100;
            day.entries.push_back(e);
        }
        tally.addDay(day, 0);
        tally.setTakings(TExceptionSide::Waiters, 0, waiter, 100000, QStringLiteral("W"));
    }
    const TExceptionSide side = tally.side(TExceptionSide::Waiters, TExceptionRules());
    EXPECT_TRUE(voids(side, 4).flagged);
    EXPECT_FALSE(voids(side, 4).byBills);
    EXPECT_TRUE(voids(side, 4).byTakings);
    const QString reason = flagReason(side, *side.group(0, 4), TExceptionKind::Voids);
    EXPECT_TRUE(reason.startsWith(QStringLiteral("Voids: 5 (5.00 % of the takings, 10.0 x")))
            << qPrintable(reason);
}

TEST_F(ExceptionRates, EntriesOfAFigureAreThoseOfItsGroupAndKind)
{
    TExceptionsResult result;
    TExceptionEntry a = voidOf(1, 2);
    a.bill = 11;
    TExceptionEntry b = voidOf(2, 2);
    b.bill = 12;
    TExceptionEntry c = voidOf(1, 3);
    c.kind = TExceptionKind::Discounts;
    c.bill = 13;
    TExceptionEntry d = voidOf(1, 2);
    d.outlet = 5;
    d.bill = 14;
    result.entries = {a, b, c, d};
    auto bills = [](const std::vector<const TExceptionEntry *> &entries) {
        QList<qint64> found;
        for (const TExceptionEntry *e : entries)
            found << e->bill;
        return found;
    };
    const TExceptionKind kind = TExceptionKind::Voids;
    EXPECT_EQ(QList<qint64>({11}), bills(result.entriesOf(TExceptionSide::Waiters, 0, 1, &kind)));
    EXPECT_EQ(QList<qint64>({11, 13}),
              bills(result.entriesOf(TExceptionSide::Waiters, 0, 1, nullptr)));
    EXPECT_EQ(QList<qint64>({11, 12}),
              bills(result.entriesOf(TExceptionSide::Centers, 0, 2, &kind)));
    EXPECT_EQ(QList<qint64>({14}), bills(result.entriesOf(TExceptionSide::Waiters, 5, 1, &kind)));
}

TEST(ExceptionWeeks, MondayToSundayCutToTheRange)
{
    // Wednesday 2026-11-04 to Tuesday 2026-11-17
    const auto weeks = weeksOf(QDate(2026, 11, 4), QDate(2026, 11, 17));
    ASSERT_EQ(3, weeks.size());
    EXPECT_EQ(qMakePair(QDate(2026, 11, 4), QDate(2026, 11, 8)), weeks[0]);
    EXPECT_EQ(qMakePair(QDate(2026, 11, 9), QDate(2026, 11, 15)), weeks[1]);
    EXPECT_EQ(qMakePair(QDate(2026, 11, 16), QDate(2026, 11, 17)), weeks[2]);
    EXPECT_EQ(1, weeksOf(QDate(2026, 11, 8), QDate(2026, 11, 8)).size());
}
