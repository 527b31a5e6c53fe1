#include "tarchtable.h"
#include "tdemoinstallation.h"
#include "testdir.h"
#include "toutlets.h"
#include "trepdata.h"
#include "treport.h"
#include "tsumfilters.h"
#include "tworkspacelists.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace PosLib;

// Runs of the report generator over a small demo installation. The demo's
// figures are whatever its generator made of them, so these tests check
// what must hold on any data.

namespace {

const QDate Today(2026, 12, 5);
const QDate First = Today.addDays(-3); // the closed days
const QDate Last = Today.addDays(-1);

// The figures of a group that any run adds up: orders amount and count,
// pays amount and count, voids amount, then the group sums.
QList<double> figures(const TRepData *g)
{
    if (!g)
        return QList<double>(12, 0.0);
    auto exact = [](double v) { return std::round(v * 1000.0) / 1000.0; };
    const TReportLeaf *orders = g->node(QStringLiteral("orders"))->total();
    const TReportLeaf *pays = g->node(QStringLiteral("pays"))->total();
    const TReportLeaf *voids = g->node(QStringLiteral("voids"))->total();
    QList<double> list = {exact(orders->amount()), exact(orders->count()), pays->amount(),
                          pays->count(), voids->amount()};
    for (const char *key : {"tip", "cash", "voids", "credits", "tablecount", "tableamount"})
        list << double(g->getLong(QString::fromLatin1(key)));
    list << double(g->node(QStringLiteral("cashins"))->count());
    return list;
}

QList<double> plus(QList<double> a, const QList<double> &b)
{
    for (int i = 0; i < a.size(); ++i)
        a[i] = std::round((a[i] + b[i]) * 1000.0) / 1000.0;
    return a;
}

QList<double> times(QList<double> a, double factor)
{
    for (double &v : a)
        v *= factor;
    return a;
}

// The figures of every group but the overall one, added up.
QList<double> groupsSum(const TRepDatas &groups, bool withZero)
{
    QList<double> sum = figures(nullptr);
    for (auto it = groups.groups().cbegin(); it != groups.groups().cend(); ++it) {
        if (withZero || it.key() != QLatin1String("0"))
            sum = plus(sum, figures(it.value()));
    }
    return sum;
}

double ordersAmount(const TRepDatas &groups)
{
    return figures(groups.overall())[0];
}

// Signals of a run in the order they came: 'D' date (as julian day),
// 'C' data count, 'P' progress.
struct Events
{
    explicit Events(TReport &report)
    {
        QObject::connect(&report, &TReport::sigDate, [this](const QDate &d) {
            list.append({'D', d.toJulianDay()});
        });
        QObject::connect(&report, &TReport::sigDataCount, [this](int n) { list.append({'C', n}); });
        QObject::connect(&report, &TReport::sigProgress, [this](int n) { list.append({'P', n}); });
    }
    QList<QDate> dates() const
    {
        QList<QDate> days;
        for (const auto &e : list) {
            if (e.first == 'D')
                days << QDate::fromJulianDay(e.second);
        }
        return days;
    }
    int progressCount() const
    {
        int n = 0;
        for (const auto &e : list)
            n += e.first == 'P';
        return n;
    }
    QList<QPair<char, qint64>> list;
};

class ReportOverDemo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TDemoOptions options;
        options.days = 3;
        options.tables = 10;
        options.today = Today;
        written = TDemoInstallation(options).write(root());
    }
    QString root() const { return dir.path(); }

    // One grouping by waiter of the range (invalid dates: the current data).
    std::unique_ptr<TRepWaiters> waiters(TReport &report, const QDate &from, const QDate &to)
    {
        auto groups = std::make_unique<TRepWaiters>(nullptr, root());
        if (from.isValid())
            report.runRange(groups.get(), nullptr, from, to);
        else
            report.runDay(groups.get(), nullptr, QDate());
        return groups;
    }
    std::unique_ptr<TRepWaiters> waiters(const QDate &from = QDate(), const QDate &to = QDate())
    {
        TReport report(QDate(), nullptr, root());
        return waiters(report, from, to);
    }

    TestDir dir;
    TDemoSummary written;
};

} // namespace

TEST_F(ReportOverDemo, GroupsAddUpToTheOverallGroup)
{
    TReport report(QDate(), nullptr, root());
    report.setWithOpenTables(true);
    TRepWaiters byWaiter(nullptr, root());
    TRepCenters byCenter(nullptr, root());
    ASSERT_TRUE(report.runRange(&byWaiter, &byCenter, First, Last));
    ASSERT_TRUE(report.runDay(&byWaiter, &byCenter, QDate()));

    const QList<double> overall = figures(byWaiter.overall());
    ASSERT_GT(overall[0], 0.0);
    ASSERT_GT(overall[9], 0.0); // open tables counted
    EXPECT_EQ(overall, groupsSum(byWaiter, false));
    // every entry falls into exactly one cost center, "0" included; table
    // counts go to the centers of the table headers and to "0"
    QList<double> centers = groupsSum(byCenter, true);
    QList<double> entryFigures = overall;
    for (int i : {9, 10}) {
        entryFigures[i] = 0;
        centers[i] = 0;
    }
    EXPECT_EQ(entryFigures, centers);
}

TEST_F(ReportOverDemo, RangeEqualsItsDaysAndAnnouncesEachDay)
{
    QList<double> days = figures(nullptr);
    for (QDate d = First; d <= Last; d = d.addDays(1)) {
        TReport report(QDate(), nullptr, root());
        TRepWaiters groups(nullptr, root());
        ASSERT_TRUE(report.runDay(&groups, nullptr, d));
        days = plus(days, figures(groups.overall()));
    }
    ASSERT_GT(days[0], 0.0);

    TReport report(QDate(), nullptr, root());
    Events events(report);
    std::unique_ptr<TRepWaiters> range = waiters(report, First, Last);
    EXPECT_EQ(days, figures(range->overall()));
    EXPECT_EQ(QList<QDate>({First, First, First.addDays(1), First.addDays(1), Last, Last}),
              events.dates());
    // the last closed day had none; its day summary was built
    EXPECT_TRUE(dir.exists(QStringLiteral("var/summary/") + summaryFileName(Last)));

    // today is no closed day: it has no day summary and adds nothing
    std::unique_ptr<TRepWaiters> today = waiters(Today, Today);
    EXPECT_EQ(figures(nullptr), figures(today->overall()));
}

TEST_F(ReportOverDemo, OpenTablesAddTheirEntriesOnlyOnRequest)
{
    std::unique_ptr<TRepWaiters> without = waiters();
    TReport report(QDate(), nullptr, root());
    report.setWithOpenTables(true);
    std::unique_ptr<TRepWaiters> with = waiters(report, QDate(), QDate());

    const QList<double> a = figures(without->overall());
    const QList<double> b = figures(with->overall());
    ASSERT_GT(a[9], 0.0);
    EXPECT_LE(a[9], double(written.openTables));
    EXPECT_EQ(a[9], b[9]); // the same tables counted
    EXPECT_EQ(a[10], b[10]);
    EXPECT_GE(b[0], a[0]);
    EXPECT_GT(b[1], a[1]); // open tables hold orders
    EXPECT_GE(b[2], a[2]); // open tables may be paid in part
}

TEST_F(ReportOverDemo, OutletPathsReplaceTheDataPath)
{
    TWorkspaceLists lists(root());
    const Basics::TValueList *tree = lists.get(QStringLiteral("sumoutlets"));
    const Basics::TValueList *terminals = lists.get(QStringLiteral("outlets"));
    ASSERT_NE(nullptr, tree);
    ASSERT_NE(nullptr, terminals);
    const QStringList paths = OutletsLib::TOutlets::paths(tree, terminals, tree->find(1));
    ASSERT_EQ(1, paths.size());
    EXPECT_EQ(QDir(root()).canonicalPath(), QDir(paths.at(0)).canonicalPath());

    TestDir elsewhere; // the data path itself holds nothing
    auto run = [&](const QStringList &outletPaths) {
        TReport report(QDate(), nullptr, elsewhere.path());
        report.setOutletPaths(outletPaths);
        report.setWithOpenTables(true);
        TRepWaiters groups(nullptr, root());
        report.runRange(&groups, nullptr, First, Last);
        report.runDay(&groups, nullptr, QDate());
        return figures(groups.overall());
    };
    TReport direct(QDate(), nullptr, root());
    direct.setWithOpenTables(true);
    TRepWaiters groups(nullptr, root());
    direct.runRange(&groups, nullptr, First, Last);
    direct.runDay(&groups, nullptr, QDate());
    const QList<double> own = figures(groups.overall());
    ASSERT_GT(own[0], 0.0);

    EXPECT_EQ(own, run(paths));
    EXPECT_EQ(times(own, 2), run(paths + paths)); // each path is read in turn
    EXPECT_EQ(figures(nullptr), run({}));
}

TEST_F(ReportOverDemo, FilterOfTheInstallationKeepsWhatItSelects)
{
    TSumFilters filters;
    ASSERT_EQ(0, filters.load(root().toLocal8Bit().constData()));
    // "Food only": tables in the summary, of their orders family group 1
    const TSumFilter *food = filters.filter(3);
    ASSERT_NE(nullptr, food);
    ASSERT_EQ(QStringLiteral("0:insum:=:yes"), food->tables());

    TReport filtered(QDate(), nullptr, root());
    filtered.setFilter(food);
    std::unique_ptr<TRepWaiters> kept = waiters(filtered, First, Last);
    TReport inSum(QDate(), nullptr, root());
    inSum.setTurnoverType(TReport::InSummaryOnly);
    std::unique_ptr<TRepWaiters> all = waiters(inSum, First, Last);

    const TReportNode *groups = kept->overall()->node(QStringLiteral("famgroups"));
    ASSERT_EQ(QStringList({QStringLiteral("1")}), QStringList(groups->leaves().keys()));
    const TReportLeaf *food1
            = all->overall()->node(QStringLiteral("famgroups"))->leaf(QStringLiteral("1"));
    ASSERT_NE(nullptr, food1);
    EXPECT_EQ(food1->amount(), groups->leaf(QStringLiteral("1"))->amount());
    EXPECT_EQ(food1->count(), groups->leaf(QStringLiteral("1"))->count());
    EXPECT_LT(figures(kept->overall())[0], figures(all->overall())[0]);
    // payments are no orders: the entry condition leaves them alone
    EXPECT_EQ(figures(all->overall())[2], figures(kept->overall())[2]);

    // "Card payments": only payments pass the entry condition
    TReport cards(QDate(), nullptr, root());
    cards.setFilter(filters.filter(5));
    std::unique_ptr<TRepWaiters> paid = waiters(cards, First, Last);
    EXPECT_EQ(0.0, figures(paid->overall())[1]);
    EXPECT_GT(figures(paid->overall())[2], 0.0);
}

TEST_F(ReportOverDemo, CancellingKeepsWhatWasAddedAndEndsEveryLaterRun)
{
    const QDate second = First.addDays(1);
    const double firstDay = ordersAmount(*waiters(First, First));
    const double twoDays = ordersAmount(*waiters(First, second));

    TReport report(QDate(), nullptr, root());
    Events events(report);
    bool armed = false;
    QObject::connect(&report, &TReport::sigDate, [&](const QDate &d) { armed = d == second; });
    QObject::connect(&report, &TReport::sigProgress, [&](int) {
        if (armed)
            report.setStopped();
    });
    TRepWaiters groups(nullptr, root());
    EXPECT_FALSE(report.runRange(&groups, nullptr, First, Last));
    EXPECT_TRUE(report.isStopped());
    EXPECT_EQ(QList<QDate>({First, First, second, second}), events.dates());
    // the first day whole, and of the second day the table being read
    const QList<double> kept = figures(groups.overall());
    EXPECT_GE(kept[0], firstDay);
    EXPECT_LE(kept[0], twoDays);
    EXPECT_LT(kept[0], ordersAmount(*waiters(First, Last)));

    const qsizetype signalsSoFar = events.list.size();
    EXPECT_FALSE(report.runRange(&groups, nullptr, First, Last));
    EXPECT_EQ(signalsSoFar, events.list.size()); // not even a date
    EXPECT_FALSE(report.runDay(&groups, nullptr, Last));
    report.setWithOpenTables(true);
    EXPECT_FALSE(report.runDay(&groups, nullptr, QDate()));
    EXPECT_EQ(kept, figures(groups.overall()));
    std::unique_ptr<TRepWaiters> made(report.makeWaiterReport(First, Last));
    EXPECT_TRUE(made->isEmpty());
}

TEST_F(ReportOverDemo, ProgressCountsUpWithinEachSource)
{
    TReport report(QDate(), nullptr, root());
    report.setWithOpenTables(true);
    Events events(report);
    TRepWaiters groups(nullptr, root());
    ASSERT_TRUE(report.runRange(&groups, nullptr, First, Last));
    ASSERT_TRUE(report.runDay(&groups, nullptr, QDate()));

    // sources: each closed day's summary, then the current day's open and
    // paid tables, counted as one
    int sources = 0;
    qint64 steps = -1; // the data count of the current source
    qint64 last = 0;
    char previous = 0;
    for (const auto &e : std::as_const(events.list)) {
        if (e.first == 'D') {
            steps = -1;
        } else if (e.first == 'C') {
            // a day summary built while it is read announces its size again
            if (previous != 'C')
                ++sources;
            steps = e.second;
            last = 0;
        } else {
            ASSERT_GE(steps, 0) << "progress before any data count";
            EXPECT_GT(e.second, last);
            EXPECT_LE(e.second, steps);
            last = e.second;
        }
        previous = e.first;
    }
    ASSERT_GT(written.openTables, 0);
    ASSERT_GT(written.paidTables, 0);
    EXPECT_EQ(3 + 1, sources);
    EXPECT_GT(events.progressCount(), written.closedTables);
}

// Reading a node's leaves one at a time gives the leaves it holds once it
// is asked for them: the same keys in the same order with the same values,
// for the nodes that keep a compact row per pay or record as for the rest.
TEST_F(ReportOverDemo, VisitedLeavesAreTheLeavesTheNodesHold)
{
    const auto groups = waiters(First, Last);
    const auto describe = [](const QString &key, const TReportLeaf &leaf) {
        QStringList parts {key, QString::number(leaf.count(), 'g', 17),
                           QString::number(leaf.amount(), 'g', 17)};
        for (auto it = leaf.fields().cbegin(); it != leaf.fields().cend(); ++it)
            parts << QStringLiteral("%1=%2:%3")
                             .arg(it.key())
                             .arg(it.value().type)
                             .arg(it.value().text);
        return parts.join(QLatin1Char('|'));
    };
    int leaves = 0;
    QStringList nodesWithLeaves;
    for (const TRepData *group : groups->groups()) {
        for (const TRepData::Nodes *nodes :
             {&group->orderNodes(), &group->voidNodes(), &group->payNodes(), &group->cashNodes(),
              &group->balanceNodes()}) {
            for (auto n = nodes->cbegin(); n != nodes->cend(); ++n) {
                const TReportNode *node = n.value();
                SCOPED_TRACE(n.key().toStdString());
                QStringList visited;
                node->visitLeaves([&](const QString &key, const TReportLeaf &leaf) {
                    visited << describe(key, leaf);
                });
                QStringList held;
                for (auto it = node->leaves().cbegin(); it != node->leaves().cend(); ++it)
                    held << describe(it.key(), *it.value());
                EXPECT_EQ(held, visited);
                leaves += int(held.size());
                if (!held.isEmpty() && !nodesWithLeaves.contains(n.key()))
                    nodesWithLeaves << n.key();
            }
        }
    }
    EXPECT_GT(leaves, 100);
    for (const char *name : {"tables", "currencies", "cashins", "articles"})
        EXPECT_TRUE(nodesWithLeaves.contains(QLatin1String(name))) << name;
}
