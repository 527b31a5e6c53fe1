#include "tarchtable.h"
#include "testdir.h"
#include "tinstallation.h"
#include "trepdata.h"
#include "treport.h"
#include "tsumfilter.h"
#include "ttable.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <utime.h>

using namespace PosLib;

namespace {

const QDate Day1(2014, 3, 5);
const QDate Day2(2014, 3, 6);

TTableEntry *order(int id, int waiter, qint64 plu, qint64 price, double count,
                   const QTime &time = QTime(19, 30))
{
    auto *e = new TTableEntry;
    e->setId(id);
    e->setType(EntryOrder);
    e->setInt(QStringLiteral("waiter"), waiter);
    e->setInt(QStringLiteral("plu"), plu);
    e->setInt(QStringLiteral("price"), price);
    e->setDouble(QStringLiteral("count"), count);
    e->setTime(QStringLiteral("time"), time);
    e->setDate(QStringLiteral("date"), Day1);
    return e;
}

TTableEntry *pay(int id, int waiter, qint64 amount)
{
    auto *e = new TTableEntry;
    e->setId(id);
    e->setType(EntryPay);
    e->setInt(QStringLiteral("waiter"), waiter);
    e->setInt(QStringLiteral("amount"), amount);
    e->setInt(QStringLiteral("payform"), 1);
    e->setString(QStringLiteral("payformname"), QStringLiteral("Cash"));
    return e;
}

// A paid table of one order line, paid in full.
struct TableFacts
{
    int waiter = 1;
    qint64 price = 300;
    double count = 1;
    bool inSum = true;
    bool trainee = false;
    bool open = false; // no pay yet
};

QByteArray tableBytes(long number, const TableFacts &facts)
{
    TTable t(nullptr);
    t.setTable(number);
    t.setParty(1);
    t.setInSum(facts.inSum);
    if (facts.trainee)
        t.setBool(QStringLiteral("trainee"), true);
    t.create().setInt(QStringLiteral("waiter"), facts.waiter);
    t.create().setDate(QStringLiteral("date"), Day1);
    t.entries().insert(order(1, facts.waiter, 101, facts.price, facts.count));
    const qint64 total = qint64(facts.price * facts.count);
    if (!facts.open)
        t.entries().insert(pay(2, facts.waiter, total));
    t.setAmount(facts.open ? double(total) : 0.0);
    QByteArray bytes;
    t.write(bytes);
    return bytes;
}

// A paid table of waiter 4 at 12:15 holding menu 900 (price 0) made of the
// components 901 (400) and 902 (500), with a price add-on of 100 on request.
QByteArray menuTableBytes(bool addOn)
{
    TTable t(nullptr);
    t.setTable(3);
    t.setParty(1);
    t.setInSum(true);
    t.create().setInt(QStringLiteral("waiter"), 4);
    TTableEntry *menu = order(1, 4, 900, 0, 1, QTime(12, 15));
    if (addOn) {
        auto *extra = new TTableEntry;
        extra->setType(EntryAddOn);
        extra->setInt(QStringLiteral("price"), 100);
        menu->children(true)->append(extra);
    }
    for (int i = 0; i < 2; ++i) {
        auto *part = new TTableEntry;
        part->setType(EntryComponent);
        part->setInt(QStringLiteral("plu"), 901 + i);
        part->setInt(QStringLiteral("price"), 400 + 100 * i);
        part->setDouble(QStringLiteral("count"), 1);
        menu->children(true)->append(part);
    }
    t.entries().insert(menu);
    t.entries().insert(pay(2, 4, addOn ? 1000 : 900));
    QByteArray bytes;
    t.write(bytes);
    return bytes;
}

class ReportRun : public ::testing::Test
{
protected:
    QString root() const { return dir.path(); }
    void archived(long archive, const TableFacts &facts = {})
    {
        dir.write(QStringLiteral("var/archives/a%1").arg(archive), tableBytes(archive, facts));
    }
    void openTable(long number, const TableFacts &facts)
    {
        dir.write(QStringLiteral("var/tables/t%1.001").arg(number), tableBytes(number, facts));
    }
    void closedDay(const QDate &day, long archive, const TableFacts &facts = {})
    {
        const QString rel = QStringLiteral("var/statist/") + statistDayName(day)
                            + QStringLiteral("/a%1").arg(archive);
        dir.write(rel, tableBytes(archive, facts));
    }
    static double ordersAmount(const TRepDatas &groups, const QString &key = QStringLiteral("0"))
    {
        const TRepData *g = groups.group(key);
        return g ? g->node(QStringLiteral("orders"))->total()->amount() : 0.0;
    }

    TestDir dir;
};

} // namespace

TEST_F(ReportRun, CurrentDataCountsOpenTablesAndTheirEntriesOnlyOnRequest)
{
    archived(1); // 300 paid
    openTable(5, {1, 500, 2, true, false, true}); // 1000 open

    TReport report(QDate(), nullptr, root());
    TRepWaiters without(nullptr, root());
    ASSERT_TRUE(report.runDay(&without, nullptr, QDate()));
    EXPECT_EQ(1, without.overall()->getLong(QStringLiteral("tablecount")));
    EXPECT_EQ(1000, without.overall()->getLong(QStringLiteral("tableamount")));
    EXPECT_EQ(300.0, ordersAmount(without));

    report.setWithOpenTables(true);
    TRepWaiters with(nullptr, root());
    ASSERT_TRUE(report.runDay(&with, nullptr, QDate()));
    EXPECT_EQ(1300.0, ordersAmount(with)); // 300 paid + 500 x 2 open
    EXPECT_EQ(1, with.overall()->getLong(QStringLiteral("tablecount")));
}

TEST_F(ReportRun, RangeReadsEveryClosedDayInOrder)
{
    closedDay(Day1, 1, {1, 300});
    closedDay(Day2, 2, {2, 450});

    TReport report(QDate(), nullptr, root());
    QList<QDate> days;
    QObject::connect(&report, &TReport::sigDate, [&days](const QDate &d) { days << d; });
    std::unique_ptr<TRepWaiters> groups(report.makeWaiterReport(Day1, Day2));
    // each day announced by the range and again by the day's own run
    EXPECT_EQ(QList<QDate>({Day1, Day1, Day2, Day2}), days);
    EXPECT_EQ(750.0, ordersAmount(*groups));
    EXPECT_EQ(300.0, ordersAmount(*groups, QStringLiteral("1")));
    EXPECT_EQ(450.0, ordersAmount(*groups, QStringLiteral("2")));
    EXPECT_TRUE(dir.exists(QStringLiteral("var/summary/2014-03-05.dat")));

    std::unique_ptr<TRepWaiters> backwards(report.makeWaiterReport(Day2, Day1));
    EXPECT_TRUE(backwards->isEmpty());
}

TEST_F(ReportRun, ChangedTableFileRebuildsTheDaySummary)
{
    closedDay(Day1, 1, {1, 300});
    TReport report(QDate(), nullptr, root());
    std::unique_ptr<TRepWaiters> first(report.makeWaiterReport(Day1, Day1));
    EXPECT_EQ(300.0, ordersAmount(*first));

    // the summary dates from an hour ago; the table file changes now
    const QByteArray summary
            = QFile::encodeName(dir.file(QStringLiteral("var/summary/2014-03-05.dat")));
    struct utimbuf old = {time(nullptr) - 3600, time(nullptr) - 3600};
    ASSERT_EQ(0, utime(summary.constData(), &old));
    closedDay(Day1, 1, {1, 300, 3});

    std::unique_ptr<TRepWaiters> second(report.makeWaiterReport(Day1, Day1));
    EXPECT_EQ(900.0, ordersAmount(*second));
}

TEST_F(ReportRun, TurnoverAndTraineeTypesSkipWholeTables)
{
    archived(1, {1, 300, 1, true});
    archived(2, {1, 200, 1, false}); // not in summary
    archived(3, {1, 100, 1, true, true}); // trainee
    openTable(9, {1, 50, 1, false, false, true});

    TReport report(QDate(), nullptr, root());
    report.setTurnoverType(TReport::InSummaryOnly);
    TRepWaiters in(nullptr, root());
    report.runDay(&in, nullptr, QDate());
    EXPECT_EQ(400.0, ordersAmount(in)); // 300 + trainee 100
    // an open table counts as a table whatever its "insum"
    EXPECT_EQ(1, in.overall()->getLong(QStringLiteral("tablecount")));

    TReport trainees(QDate(), nullptr, root());
    trainees.setTraineeType(TReport::TraineesOnly);
    TRepWaiters only(nullptr, root());
    trainees.runDay(&only, nullptr, QDate());
    EXPECT_EQ(100.0, ordersAmount(only));
    EXPECT_EQ(0, only.overall()->getLong(QStringLiteral("tablecount")));

    TReport without(QDate(), nullptr, root());
    without.setTraineeType(TReport::WithoutTrainees);
    TRepWaiters rest(nullptr, root());
    without.runDay(&rest, nullptr, QDate());
    EXPECT_EQ(500.0, ordersAmount(rest));
}

TEST_F(ReportRun, ComponentsCountAsOrdersOfTheirParentsWaiterAndHour)
{
    dir.write(QStringLiteral("var/archives/a7"), menuTableBytes(false));

    TReport report(QDate(), nullptr, root());
    TRepWaiters groups(nullptr, root());
    report.runDay(&groups, nullptr, QDate());
    const TRepData *waiter = groups.group(QStringLiteral("4"));
    ASSERT_NE(nullptr, waiter);
    const TReportNode *orders = waiter->node(QStringLiteral("orders"));
    // keys: article x 1000 + the only pay form (1)
    EXPECT_EQ(900.0, orders->total()->amount()); // 400 + 500, the menu itself not
    EXPECT_EQ(nullptr, orders->leaf(QStringLiteral("900001")));
    EXPECT_NE(nullptr, orders->leaf(QStringLiteral("901001")));
    const TReportNode *hours = waiter->node(QStringLiteral("hours"));
    ASSERT_NE(nullptr, hours->leaf(QStringLiteral("12")));
    EXPECT_EQ(2.0, hours->leaf(QStringLiteral("12"))->count());
}

TEST_F(ReportRun, FilterAndReportWaiterRestrictTheData)
{
    archived(1, {1, 300});
    archived(2, {2, 2000});

    TSumFilter big;
    big.setTables(QStringLiteral("0:table:>:1"));
    TReport filtered(QDate(), nullptr, root());
    filtered.setFilter(&big);
    TRepWaiters f(nullptr, root());
    filtered.runDay(&f, nullptr, QDate());
    EXPECT_EQ(2000.0, ordersAmount(f));

    Basics::TValue waiter;
    waiter.setId(1);
    TReport own(QDate(), &waiter, root());
    TRepWaiters w(&waiter, root());
    own.runDay(&w, nullptr, QDate());
    EXPECT_EQ(300.0, ordersAmount(w));
}

TEST_F(ReportRun, OutletPathsReplaceTheDataPath)
{
    TestDir second;
    archived(1, {1, 300});
    second.write(QStringLiteral("var/archives/a1"), tableBytes(1, {1, 700}));

    TReport report(QDate(), nullptr, root());
    report.setOutletPaths({root(), second.path()});
    TRepWaiters groups(nullptr, root());
    report.runDay(&groups, nullptr, QDate());
    EXPECT_EQ(1000.0, ordersAmount(groups));

    report.setOutletPaths({second.path()});
    TRepWaiters only(nullptr, root());
    report.runDay(&only, nullptr, QDate());
    EXPECT_EQ(700.0, ordersAmount(only));
}

TEST_F(ReportRun, StoppingKeepsWhatWasAddedAndEndsEveryLaterRun)
{
    archived(1, {1, 300});
    archived(2, {1, 200});
    archived(3, {1, 100});

    TReport report(QDate(), nullptr, root());
    QList<int> steps;
    QList<int> counts;
    QObject::connect(&report, &TReport::sigDataCount, [&counts](int n) { counts << n; });
    QObject::connect(&report, &TReport::sigProgress, [&](int step) {
        steps << step;
        if (step == 2)
            report.setStopped();
    });
    TRepWaiters groups(nullptr, root());
    EXPECT_FALSE(report.runDay(&groups, nullptr, QDate()));
    EXPECT_EQ(QList<int>({3}), counts);
    EXPECT_EQ(QList<int>({1, 2}), steps);
    EXPECT_EQ(300.0, ordersAmount(groups)); // the first table only

    EXPECT_FALSE(report.runRange(&groups, nullptr, Day1, Day2));
    EXPECT_FALSE(report.runDay(&groups, nullptr, QDate()));
    EXPECT_EQ(QList<int>({1, 2}), steps);
}

TEST_F(ReportRun, EntryFilterTestsComponentsInPlaceOfTheirOrder)
{
    auto amount = [this](bool addOn, const char *entries) {
        dir.write(QStringLiteral("var/archives/a7"), menuTableBytes(addOn));
        TSumFilter filter;
        filter.setEntries(QString::fromLatin1(entries));
        TReport report(QDate(), nullptr, root());
        report.setFilter(&filter);
        TRepWaiters groups(nullptr, root());
        report.runDay(&groups, nullptr, QDate());
        return ordersAmount(groups);
    };
    // a component passes on its own article
    EXPECT_EQ(400.0, amount(false, "3:plu:=:901"));
    EXPECT_EQ(500.0, amount(false, "3:plu:!:901"));
    // the menu counts only through its components, so its own article
    // selects nothing; with an add-on the menu itself counts (0 + 100)
    EXPECT_EQ(0.0, amount(false, "3:plu:=:900"));
    EXPECT_EQ(100.0, amount(true, "3:plu:=:900"));
    EXPECT_EQ(400.0, amount(true, "3:plu:=:901"));
    // components are tested with the time of their menu (12:15:00)
    EXPECT_EQ(900.0, amount(false, "3:time:<:130000"));
    EXPECT_EQ(0.0, amount(false, "3:time:>:130000"));
}

TEST(ReportOptions, ReportsRightFollowsTheReportWaiter)
{
    EXPECT_TRUE(TReport(QDate(), nullptr, QString()).reportsRight());
    Basics::TValue manager;
    manager.setId(8);
    manager.setBool(QStringLiteral("reports"), true);
    EXPECT_TRUE(TReport(QDate(), &manager, QString()).reportsRight());
    Basics::TValue waiter;
    waiter.setId(2);
    EXPECT_FALSE(TReport(QDate(), &waiter, QString()).reportsRight());
}

// A day whose summary cannot be built (one of its bills is damaged) is
// read from its tables, and the report says so instead of passing a
// summary without that bill for the day.
TEST_F(ReportRun, DayWhoseSummaryCannotBeBuiltIsReadFromItsTables)
{
    closedDay(Day1, 1, {1, 300});
    closedDay(Day1, 2, {2, 450});
    const QByteArray whole = tableBytes(3, {3, 100});
    const QString damaged
            = QStringLiteral("var/statist/") + statistDayName(Day1) + QStringLiteral("/a3");
    dir.write(damaged, whole.left(whole.size() - 3));

    TReport report(QDate(), nullptr, root());
    QStringList notices;
    QObject::connect(&report, &TReport::sigNotice, [&](const QString &text) { notices << text; });
    std::unique_ptr<TRepWaiters> groups(report.makeWaiterReport(Day1, Day1));
    // the readable bills count (the damaged one as far as it reads)
    EXPECT_LE(750.0, ordersAmount(*groups));
    ASSERT_EQ(1, notices.size());
    EXPECT_TRUE(notices.first().contains(dir.file(damaged))) << qPrintable(notices.first());
    EXPECT_TRUE(notices.first().contains(QStringLiteral("2014-03-05")));
    EXPECT_FALSE(dir.exists(QStringLiteral("var/summary/2014-03-05.dat")));
}
