#include "testdir.h"
#include "tlabourhours.h"
#include "ttimecontrols.h"
#include "twages.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Day(2026, 12, 1);
const QTime SixOClock(6, 0);
const QDateTime Later(QDate(2026, 12, 10), QTime(12, 0));

qint64 h(double hours)
{
    return qint64(hours * 3600);
}

// The hours of one period written on `written`, counted for `from` … `to`.
TLabourHours one(const QDate &written, const QString &time, const QTime &dayStart,
                 const QDate &from, const QDate &to, const QDateTime &now = Later)
{
    TLabourHours hours;
    for (const TLogonPeriod &period : parseLogonPeriods(time))
        addLabour(hours, 7, logonSpan(written, period, now), dayStart, from, to);
    return hours;
}

void writeDay(const QString &root, const QDate &day, const QList<QPair<int, QString>> &records)
{
    TTimeControls controls(day);
    for (const auto &[waiter, time] : records) {
        auto *record = new Basics::TValue;
        record->setId(waiter);
        record->setString(QStringLiteral("time"), time);
        controls.insert(record);
    }
    controls.save(root);
}

} // namespace

TEST(LabourHours, APeriodIsSplitAtTheFullHours)
{
    const TLabourHours hours = one(Day, QStringLiteral("10:30:00#12:15:00"), SixOClock, Day, Day);
    EXPECT_EQ(h(0.5), hours.perHour[10]);
    EXPECT_EQ(h(1), hours.perHour[11]);
    EXPECT_EQ(h(0.25), hours.perHour[12]);
    EXPECT_EQ(0, hours.perHour[13]);
    EXPECT_EQ(h(1.75), hours.total);
    EXPECT_EQ(h(1.75), hours.perWaiter.value(7));
    EXPECT_EQ(h(1), hours.perWaiterHour.value(7)[11]);
}

TEST(LabourHours, ANightAfterMidnightBelongsToTheEveningsBusinessDay)
{
    // 22:00 to 02:00, written on the 1st: the logoff lies on the 2nd, and
    // with the day starting at 06:00 all four hours are the 1st's
    const TLabourHours night = one(Day, QStringLiteral("22:00:00#02:00:00"), SixOClock, Day, Day);
    EXPECT_EQ(h(4), night.total);
    EXPECT_EQ(h(1), night.perHour[23]);
    EXPECT_EQ(h(1), night.perHour[0]);
    EXPECT_EQ(h(1), night.perHour[1]);
    EXPECT_EQ(0, one(Day, QStringLiteral("22:00:00#02:00:00"), SixOClock, Day.addDays(1),
                     Day.addDays(1))
                         .total);

    // with the day starting at midnight the hours after it are the 2nd's
    const TLabourHours midnight
            = one(Day, QStringLiteral("22:00:00#02:00:00"), QTime(0, 0), Day, Day);
    EXPECT_EQ(h(2), midnight.total);
    EXPECT_EQ(h(2), one(Day, QStringLiteral("22:00:00#02:00:00"), QTime(0, 0), Day.addDays(1),
                        Day.addDays(1))
                            .total);

    // a period begun after midnight, written on the 2nd, is still the 1st's
    EXPECT_EQ(h(1.5),
              one(Day.addDays(1), QStringLiteral("00:30:00#02:00:00"), SixOClock, Day, Day).total);
}

TEST(LabourHours, APeriodAcrossTheDayStartIsSharedByBothDays)
{
    const QString early = QStringLiteral("05:00:00#07:30:00");
    EXPECT_EQ(h(1), one(Day, early, SixOClock, Day.addDays(-1), Day.addDays(-1)).total);
    EXPECT_EQ(h(1.5), one(Day, early, SixOClock, Day, Day).total);
    EXPECT_EQ(h(2.5), one(Day, early, SixOClock, Day.addDays(-1), Day).total);
    // the day start at 05:30 splits an hour of the clock
    EXPECT_EQ(h(0.5), one(Day, early, QTime(5, 30), Day.addDays(-1), Day.addDays(-1)).total);
    EXPECT_EQ(h(0.5), one(Day, early, QTime(5, 30), Day.addDays(-1), Day.addDays(-1)).perHour[5]);
}

TEST(LabourHours, AnOpenPeriodCountsUpToNow)
{
    const QDateTime now(Day, QTime(14, 20));
    const TLabourHours running = one(Day, QStringLiteral("12:00:00"), SixOClock, Day, Day, now);
    EXPECT_EQ(h(2) + 20 * 60, running.total);
    EXPECT_EQ(20 * 60, running.perHour[14]);
    EXPECT_EQ(0, running.perHour[15]);
    // on a day gone by it runs to the end of the calendar day
    EXPECT_EQ(h(12) - 1, one(Day, QStringLiteral("12:00:00#"), SixOClock, Day, Day).total);
}

TEST(LabourHours, TheDayFilesAroundTheRangeAreRead)
{
    TestDir dir;
    writeDay(dir.path(), Day.addDays(-1), {{1, QStringLiteral("20:00:00#23:00:00")}});
    writeDay(dir.path(), Day,
             {{1, QStringLiteral("10:00:00#14:00:00;18:00:00#23:30:00")},
              {2, QStringLiteral("17:00:00#01:00:00")}});
    // waiter 2 came back after midnight: the 1st's business day
    writeDay(dir.path(), Day.addDays(1),
             {{2, QStringLiteral("01:30:00#03:00:00")}, {1, QStringLiteral("09:00:00#10:00:00")}});
    TTimeControlList days;
    ASSERT_EQ(0, days.load(Day.addDays(-1), Day.addDays(1), dir.path()));
    const TLabourHours hours = labourHours(days, SixOClock, Day, Day, Later);
    EXPECT_EQ(h(9.5), hours.perWaiter.value(1));
    EXPECT_EQ(h(9.5), hours.perWaiter.value(2));
    EXPECT_EQ(h(19), hours.total);
    EXPECT_EQ(h(1), hours.perHour[0]); // waiter 2 from 00:00 to 01:00
    EXPECT_EQ(h(0.5), hours.perHour[1]); // and again from 01:30
    EXPECT_EQ(h(2), hours.perHour[22]);
    EXPECT_FALSE(hours.perWaiter.contains(3));
}

TEST(Wages, ReadsWagesPerWaiterAndADefault)
{
    qint64 cents = 0;
    EXPECT_TRUE(TWages::parseWage(QStringLiteral("12.50"), &cents));
    EXPECT_EQ(1250, cents);
    EXPECT_TRUE(TWages::parseWage(QStringLiteral(" 12,5 "), &cents));
    EXPECT_EQ(1250, cents);
    EXPECT_TRUE(TWages::parseWage(QStringLiteral("9"), &cents));
    EXPECT_EQ(900, cents);
    for (const char *bad : {"", "-3", "12.505", "12 EUR", "1.2.3", ".5"})
        EXPECT_FALSE(TWages::parseWage(QString::fromLatin1(bad), &cents)) << bad;

    TestDir dir;
    TWages wages;
    QString error;
    EXPECT_TRUE(wages.read(TWages::path(dir.path()), &error)) << error.toStdString();
    EXPECT_TRUE(wages.isEmpty());
    EXPECT_FALSE(wages.wage(1, &cents));

    QDir(dir.path()).mkpath(QStringLiteral("etc"));
    dir.write(QStringLiteral("etc/wages.ini"), "[Wages]\r\n1=12.50\r\n7 = 14,00\r\n");
    ASSERT_TRUE(wages.read(TWages::path(dir.path()), &error)) << error.toStdString();
    EXPECT_TRUE(wages.wage(7, &cents));
    EXPECT_EQ(1400, cents);
    EXPECT_FALSE(wages.wage(2, &cents));
    dir.write(QStringLiteral("etc/wages.ini"), "[Wages]\r\n1=12.50\r\ndefault=11\r\n");
    ASSERT_TRUE(wages.read(TWages::path(dir.path()), &error));
    EXPECT_TRUE(wages.wage(2, &cents));
    EXPECT_EQ(1100, cents);

    // a wage that cannot be read names the file and the entry, and takes
    // nothing from the file
    dir.write(QStringLiteral("etc/wages.ini"), "[Wages]\r\n1=12.50\r\n2=twelve\r\n");
    EXPECT_FALSE(wages.read(TWages::path(dir.path()), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("wages.ini"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("2=twelve"))) << error.toStdString();
    EXPECT_TRUE(wages.isEmpty());
    dir.write(QStringLiteral("etc/wages.ini"), "[Wages]\r\nAnna=12.50\r\n");
    EXPECT_FALSE(wages.read(TWages::path(dir.path()), &error));
}

TEST(Wages, CostsRoundHalfUp)
{
    EXPECT_EQ(1250, labourCost(3600, 1250));
    EXPECT_EQ(938, labourCost(2700, 1250)); // 937.5
    EXPECT_EQ(0, labourCost(0, 1250));
}
