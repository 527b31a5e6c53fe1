#include "smalldemo.h"
#include "tdemoinstallation.h"
#include "tdayfigures.h"
#include "testdir.h"
#include "tinstallation.h"
#include "treportrun.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace PosLib;

TEST(DayFigures, AverageBillRoundsHalfUpAndIsZeroWithoutTables)
{
    TDayFigures f;
    f.allAmount = 1000;
    f.paidTables = 3;
    EXPECT_EQ(333, f.averageBill());
    f.allAmount = 1001;
    f.paidTables = 2;
    EXPECT_EQ(501, f.averageBill()); // 500.5
    f.paidTables = 0;
    EXPECT_EQ(0, f.averageBill());
}

TEST(DayFigures, TodayOfTheDemoAsTheReportOfAllWaitersPrintsIt)
{
    TestDir dir;
    smalldemo::write(dir.path());
    TWorkspaceLists lists(dir.path());
    const TDayFigures f = dayFigures(&lists, dir.path());
    ASSERT_TRUE(f.read);

    TReportRun run(&lists, dir.path());
    TReportRequest request;
    request.kind = 4;
    request.withData = true;
    const QJsonObject figures
            = run.run(request)
                      .data[QStringLiteral("sections")][0][QStringLiteral("periods")][0]
                           [QStringLiteral("groups")][0][QStringLiteral("figures")]
                      .toObject();
    EXPECT_EQ(long(figures[QStringLiteral("allAmount")].toDouble()), f.allAmount);
    EXPECT_EQ(long(figures[QStringLiteral("guests")].toDouble()), f.guests);
    EXPECT_EQ(long(figures[QStringLiteral("openTablesAmount")].toDouble()), f.openAmount);
    EXPECT_GT(f.paidTables, 0);
    EXPECT_GT(f.openTables, 0);
    EXPECT_GT(f.voids, 0);

    // the demo closed the two days before today
    EXPECT_EQ(smalldemo::Today.addDays(-1), f.lastClosing);
    EXPECT_GT(f.lastZ, 0);
}

TEST(DayFigures, LastClosingIsTheLatestJournaledDay)
{
    TestDir dir;
    EXPECT_FALSE(lastClosedDay(dir.path()).isValid());
    for (const QDate &day : {QDate(2026, 3, 9), QDate(2026, 11, 30), QDate(2026, 12, 1)}) {
        QDir().mkpath(statistDayDir(day, dir.path()));
        // a day folder without its journal was never closed
        if (day != QDate(2026, 12, 1)) {
            QFile journal(statistDayDir(day, dir.path()) + QStringLiteral("turnover.z"));
            ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
        }
    }
    QDir().mkpath(dir.file(QStringLiteral("var/statist/tagnonsense")));
    EXPECT_EQ(QDate(2026, 11, 30), lastClosedDay(dir.path()));
}

TEST(DayFigures, AgainstTheSameWeekdayLastWeekUpToTheSameHour)
{
    TestDir dir;
    TDemoOptions o;
    o.days = 8;
    o.tables = 8;
    o.today = QDate(2026, 12, 5);
    TDemoInstallation(o).write(dir.path());
    TWorkspaceLists lists(dir.path());
    const QDateTime now(o.today, QTime(15, 0));
    const TDayFigures plain = dayFigures(&lists, dir.path(), now);
    const TDayFigures f = dayFigures(&lists, dir.path(), now, true);
    EXPECT_FALSE(plain.lastWeek.read);
    ASSERT_TRUE(f.lastWeek.read);
    // today's own figures stay what they are
    EXPECT_EQ(plain.allAmount, f.allAmount);
    EXPECT_EQ(plain.guests, f.guests);
    EXPECT_EQ(plain.openAmount, f.openAmount);
    EXPECT_EQ(QDate(2026, 11, 28), f.lastWeek.day);
    EXPECT_EQ(QTime(15, 0), f.lastWeek.until);

    // last Saturday up to 15:00, as a report of that day cut there prints it
    TReportRun run(&lists, dir.path());
    TReportRequest request;
    request.kind = 4;
    request.withData = true;
    request.from = request.to = f.lastWeek.day;
    request.until = QTime(15, 0);
    const QJsonObject figures
            = run.run(request)
                      .data[QStringLiteral("sections")][0][QStringLiteral("periods")][0]
                           [QStringLiteral("groups")][0][QStringLiteral("figures")]
                      .toObject();
    EXPECT_EQ(long(figures[QStringLiteral("allAmount")].toDouble()), f.lastWeek.allAmount);
    EXPECT_EQ(long(figures[QStringLiteral("guests")].toDouble()), f.lastWeek.guests);
    EXPECT_GT(f.lastWeek.paidTables, 0);
    // the whole day took more than its part up to 15:00
    request.until = QTime();
    const QJsonObject whole
            = run.run(request)
                      .data[QStringLiteral("sections")][0][QStringLiteral("periods")][0]
                           [QStringLiteral("groups")][0][QStringLiteral("figures")]
                      .toObject();
    EXPECT_GT(long(whole[QStringLiteral("allAmount")].toDouble()), f.lastWeek.allAmount);
}
