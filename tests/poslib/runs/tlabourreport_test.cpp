#include "tdemoinstallation.h"
#include "testdir.h"
#include "tlabourreport.h"
#include "treportrun.h"
#include "ttimecontrols.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QJsonArray>
#include <QLocale>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Today(2026, 12, 5);

class LabourReport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English));
        TDemoOptions o;
        o.days = 3;
        o.tables = 8;
        o.today = Today;
        TDemoInstallation(o).write(dir.path());
    }

    // Today's time controls: waiter 1 from 10:00, still logged on, and
    // waiter 2 from 11:00 to 13:30; nobody else.
    void writeToday()
    {
        TTimeControls controls(Today);
        for (const auto &[waiter, time] :
             {std::pair {1, "10:00:00"}, std::pair {2, "11:00:00#13:30:00"}}) {
            auto *record = new Basics::TValue;
            record->setId(waiter);
            record->setString(QStringLiteral("time"), QString::fromLatin1(time));
            controls.insert(record);
        }
        controls.save(dir.path());
    }

    TLabourReport read(const QDate &from, const QDate &to)
    {
        TWorkspaceLists lists(dir.path());
        TLabourReport report;
        QString error;
        EXPECT_TRUE(
                report.read(&lists, dir.path(), from, to, QDateTime(Today, QTime(14, 0)), &error))
                << error.toStdString();
        return report;
    }

    TestDir dir;
};

const TLabourLine *waiterLine(const TLabourReport &report, int waiter)
{
    for (const TLabourLine &line : report.waiters) {
        if (line.number == waiter)
            return &line;
    }
    return nullptr;
}

} // namespace

TEST_F(LabourReport, SalesBesideTheHoursOfTheWaitersWhoWorked)
{
    writeToday();
    const TLabourReport report = read(QDate(), QDate());
    EXPECT_TRUE(report.currentDay);
    EXPECT_EQ(Today, report.from);
    EXPECT_FALSE(report.withWages);

    const TLabourLine *one = waiterLine(report, 1);
    const TLabourLine *two = waiterLine(report, 2);
    ASSERT_TRUE(one && two);
    EXPECT_EQ(4 * 3600, one->seconds); // running up to 14:00
    EXPECT_EQ(2 * 3600 + 1800, two->seconds);
    EXPECT_EQ(6 * 3600 + 1800, report.total.seconds);

    // the waiters' takings add up to the day's, as two reports compute them
    qint64 sales = 0;
    qint64 covers = 0;
    for (const TLabourLine &line : report.waiters) {
        sales += line.sales;
        covers += line.covers;
        // who sold without time controls has no hours and no rate
        qint64 perHour = 0;
        if (line.number != 1 && line.number != 2) {
            EXPECT_EQ(0, line.seconds) << line.number;
            EXPECT_FALSE(line.salesPerHour(&perHour));
        }
    }
    EXPECT_GT(report.total.sales, 0);
    EXPECT_EQ(report.total.sales, sales);
    EXPECT_EQ(report.total.covers, covers);
    qint64 perHour = 0;
    ASSERT_TRUE(two->salesPerHour(&perHour));
    EXPECT_EQ(qint64(std::floor(double(two->sales) / 2.5 + 0.5)), perHour);

    // the hours of the clock: 10:00-10:59 only waiter 1, 11:00 both
    QMap<int, qint64> worked;
    for (const TLabourLine &line : report.hours)
        worked[line.number] = line.seconds;
    EXPECT_EQ(3600, worked.value(10));
    EXPECT_EQ(7200, worked.value(11));
    EXPECT_EQ(3600 + 1800, worked.value(13));
    EXPECT_EQ(0, worked.value(14));
    // their sales are the hour report's, with every node of it made
    TWorkspaceLists lists(dir.path());
    TReportRun run(&lists, dir.path());
    TReportRequest request;
    request.kind = 19;
    request.withData = true;
    request.now = QDateTime(Today, QTime(14, 0));
    const QJsonObject data = run.run(request).data;
    QMap<int, qint64> expected;
    const QJsonValue period
            = data.value(QStringLiteral("sections"))[0][QStringLiteral("periods")][0];
    for (const QJsonValue &group : period[QStringLiteral("groups")].toArray()) {
        for (const QJsonValue &item : group[QStringLiteral("items")].toArray()) {
            if (item[QStringLiteral("node")].toString() == QLatin1String("hours"))
                expected[item[QStringLiteral("values")][QStringLiteral("hour")].toInt()]
                        += qint64(item[QStringLiteral("amount")].toDouble());
        }
    }
    expected.removeIf([](const auto &hour) { return hour.value() == 0; });
    QMap<int, qint64> sold;
    for (const TLabourLine &line : report.hours) {
        if (line.sales != 0)
            sold[line.number] = line.sales;
    }
    EXPECT_FALSE(sold.isEmpty());
    EXPECT_EQ(expected, sold);

    const QStringList text = report.lines(nullptr);
    EXPECT_EQ(QStringLiteral("Sales per labour hour"), text.value(0));
    EXPECT_TRUE(std::any_of(text.cbegin(), text.cend(), [](const QString &line) {
        return line.startsWith(QStringLiteral("11:00-11:59"))
               && line.contains(QStringLiteral(" 2:00"));
    })) << text.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LabourReport, WagesGiveTheCostAndItsShare)
{
    writeToday();
    QDir(dir.path()).mkpath(QStringLiteral("etc"));
    dir.write(QStringLiteral("etc/wages.ini"), "[Wages]\r\n1=12.00\r\n");
    TLabourReport report = read(QDate(), QDate());
    EXPECT_TRUE(report.withWages);
    EXPECT_EQ(4800, waiterLine(report, 1)->cost);
    // waiter 2 has no wage: named, and left out of the costs
    EXPECT_FALSE(waiterLine(report, 2)->withCost);
    EXPECT_EQ(QList<int> {2}, report.withoutWage);
    EXPECT_EQ(4800, report.total.cost);
    const QJsonObject doc = report.document();
    EXPECT_EQ(QJsonArray {2}, doc[QStringLiteral("withoutWage")].toArray());
    EXPECT_TRUE(doc[QStringLiteral("waiters")][1][QStringLiteral("cost")].isNull());

    dir.write(QStringLiteral("etc/wages.ini"), "[Wages]\r\n1=12.00\r\ndefault=10\r\n");
    report = read(QDate(), QDate());
    EXPECT_TRUE(report.withoutWage.isEmpty());
    EXPECT_EQ(4800 + 2500, report.total.cost);
    // per hour the cost of everyone in it: 11:00 both waiters
    for (const TLabourLine &line : report.hours) {
        if (line.number == 11) {
            EXPECT_EQ(1200 + 1000, line.cost);
        }
    }
    double share = 0;
    ASSERT_TRUE(report.total.costShare(&share));
    EXPECT_NEAR(7300.0 * 100 / double(report.total.sales), share, 1e-9);
}

TEST_F(LabourReport, ClosedDaysAndFilesThatCannotBeRead)
{
    // the demo's time controls over its closed days
    const TLabourReport closed = read(Today.addDays(-3), Today.addDays(-1));
    EXPECT_FALSE(closed.currentDay);
    EXPECT_GT(closed.total.seconds, 0);
    EXPECT_GT(closed.total.sales, 0);
    const QJsonObject doc = closed.document();
    EXPECT_EQ(QStringLiteral("2026-12-02"), doc[QStringLiteral("from")].toString());
    EXPECT_EQ(closed.waiters.size(), doc[QStringLiteral("waiters")].toArray().size());
    EXPECT_EQ(1 + closed.waiters.size() + closed.hours.size() + 1, closed.csvRows().size());

    // a damaged day file and a bad wage fail, naming the file
    QDir(dir.path()).mkpath(QStringLiteral("etc"));
    dir.write(QStringLiteral("etc/wages.ini"), "[Wages]\r\n1=lots\r\n");
    TWorkspaceLists lists(dir.path());
    TLabourReport report;
    QString error;
    EXPECT_FALSE(report.read(&lists, dir.path(), QDate(), QDate(), QDateTime(Today, QTime(14, 0)),
                             &error));
    EXPECT_TRUE(error.contains(QStringLiteral("wages.ini"))) << error.toStdString();
    QFile::remove(dir.file(QStringLiteral("etc/wages.ini")));
    dir.write(QStringLiteral("var/control/") + Today.toString(QStringLiteral("yyyyMMdd")),
              "not a list");
    EXPECT_FALSE(report.read(&lists, dir.path(), QDate(), QDate(), QDateTime(Today, QTime(14, 0)),
                             &error));
    EXPECT_TRUE(error.contains(QStringLiteral("control"))) << error.toStdString();
}
