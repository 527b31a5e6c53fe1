#include "ttimecontrols.h"

#include "testdir.h"

#include <gtest/gtest.h>

using PosLib::TLogonPeriod;
using PosLib::TTimeControlList;
using PosLib::TTimeControls;

namespace {

class TimeControlsTest : public ::testing::Test
{
protected:
    // Saves a day with one record for waiter `waiter`.
    void writeDay(const QDate &day, int waiter, const QString &time)
    {
        TTimeControls controls(day);
        auto *record = new Basics::TValue;
        record->setId(waiter);
        record->setString(QStringLiteral("time"), time);
        controls.insert(record);
        controls.save(dir.path());
    }

    TestDir dir;
    const QDate first {2014, 3, 1};
    const QDate second {2014, 3, 2};
    const QDate third {2014, 3, 3};
    const QDate fifth {2014, 3, 5};
};

TEST_F(TimeControlsTest, SaveAndLoadKeepRecords)
{
    TTimeControls controls(fifth);
    auto *anna = new Basics::TValue;
    anna->setId(3);
    anna->setString(QStringLiteral("time"), QStringLiteral("08:00:00#12:00:00;13:00:00#"));
    controls.insert(anna);
    auto *ben = new Basics::TValue;
    ben->setId(7);
    ben->setString(QStringLiteral("time"), QStringLiteral("17:30:00"));
    controls.insert(ben);
    controls.save(dir.path());

    EXPECT_TRUE(dir.exists(QStringLiteral("var/control/20140305")));
    EXPECT_FALSE(dir.exists(QStringLiteral("var/control/20140305.new")));
    EXPECT_TRUE(controls.exists(dir.path()));

    TTimeControls loaded(fifth);
    ASSERT_EQ(0, loaded.load(dir.path()));
    ASSERT_EQ(2, loaded.count());
    ASSERT_NE(nullptr, loaded.find(3));
    ASSERT_NE(nullptr, loaded.find(7));
    EXPECT_EQ(QStringLiteral("08:00:00#12:00:00;13:00:00#"),
              loaded.find(3)->getString(QStringLiteral("time")));
    EXPECT_EQ(QStringLiteral("17:30:00"), loaded.find(7)->getString(QStringLiteral("time")));

    // a second save keeps the first file as ".old"
    controls.save(dir.path());
    EXPECT_TRUE(dir.exists(QStringLiteral("var/control/20140305.old")));
}

TEST_F(TimeControlsTest, EmptyDaySaveDeletesItsFile)
{
    writeDay(first, 1, QStringLiteral("08:00:00#"));
    ASSERT_TRUE(dir.exists(QStringLiteral("var/control/20140301")));

    TTimeControls controls(first);
    ASSERT_EQ(0, controls.load(dir.path()));
    controls.clear();
    controls.save(dir.path());
    EXPECT_FALSE(dir.exists(QStringLiteral("var/control/20140301")));
    EXPECT_FALSE(controls.exists(dir.path()));
    EXPECT_EQ(7, controls.load(dir.path()));

    // nothing to delete is no error
    EXPECT_NO_THROW(controls.save(dir.path()));
}

TEST_F(TimeControlsTest, RangeSkipsOldFilesAndOtherDays)
{
    writeDay(first, 1, QStringLiteral("08:00:00#"));
    writeDay(fifth, 2, QStringLiteral("09:00:00#"));
    writeDay(second, 3, QStringLiteral("10:00:00#"));
    dir.write(QStringLiteral("var/control/20140302.old"),
              dir.read(QStringLiteral("var/control/20140302")));
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("var/control/20140302"))));

    TTimeControlList list;
    ASSERT_EQ(0, list.load(first, third, dir.path()));
    ASSERT_EQ(1, list.count());
    ASSERT_NE(nullptr, list.find(20140301));
    EXPECT_EQ(first, list.find(20140301)->day());
    EXPECT_NE(nullptr, list.find(first)->find(1));
}

TEST_F(TimeControlsTest, NamesThatAreNoDayAreSkipped)
{
    writeDay(first, 1, QStringLiteral("08:00:00#"));
    dir.write(QStringLiteral("var/control/20140302.new"), "garbage");
    dir.write(QStringLiteral("var/control/2014033"), "garbage");
    dir.write(QStringLiteral("var/control/20141399"), "garbage");
    dir.write(QStringLiteral("var/control/notes"), "garbage");

    TTimeControlList list;
    EXPECT_EQ(0, list.load(QDate(), QDate(), dir.path()));
    EXPECT_EQ(QList<int>({20140301}), list.days().keys());
}

TEST_F(TimeControlsTest, InvalidBoundsAreOpenAndReloadReplaces)
{
    writeDay(fifth, 2, QStringLiteral("09:00:00#"));
    writeDay(first, 1, QStringLiteral("08:00:00#"));

    TTimeControlList list;
    ASSERT_EQ(0, list.load(QDate(), QDate(), dir.path()));
    EXPECT_EQ(QList<int>({20140301, 20140305}), list.days().keys());

    ASSERT_EQ(0, list.load(second, QDate(), dir.path()));
    EXPECT_EQ(QList<int>({20140305}), list.days().keys());
}

TEST_F(TimeControlsTest, MissingDirectoryGivesEmptyList)
{
    TTimeControlList list;
    EXPECT_EQ(0, list.load(first, fifth, dir.path()));
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(TimeControlsTest, UnreadableDayEndsTheLoad)
{
    writeDay(first, 1, QStringLiteral("08:00:00#"));
    writeDay(fifth, 2, QStringLiteral("09:00:00#"));
    QByteArray bytes = dir.read(QStringLiteral("var/control/20140301"));
    bytes.chop(1);
    dir.write(QStringLiteral("var/control/20140301"), bytes);

    TTimeControlList list;
    EXPECT_EQ(304, list.load(first, fifth, dir.path()));
    EXPECT_EQ(nullptr, list.find(20140305));
}

TEST(LogonPeriods, ClosedRunningAndOpenEnded)
{
    const QList<TLogonPeriod> periods = PosLib::parseLogonPeriods(
            QStringLiteral("08:00:00#12:30:15;13:00:00#;;#02:00:00;22:10:00"));
    ASSERT_EQ(4, periods.size());

    EXPECT_EQ(QTime(8, 0), periods[0].on);
    EXPECT_EQ(QTime(12, 30, 15), periods[0].off);
    EXPECT_FALSE(periods[0].running);

    // nothing after "#": still logged on
    EXPECT_EQ(QTime(13, 0), periods[1].on);
    EXPECT_TRUE(periods[1].running);
    EXPECT_TRUE(periods[1].off.isNull());

    // no logon time: logged on since the start of the day
    EXPECT_EQ(QTime(0, 0), periods[2].on);
    EXPECT_EQ(QTime(2, 0), periods[2].off);
    EXPECT_FALSE(periods[2].running);

    // no "#": still logged on
    EXPECT_EQ(QTime(22, 10), periods[3].on);
    EXPECT_TRUE(periods[3].running);

    EXPECT_TRUE(PosLib::parseLogonPeriods(QString()).isEmpty());
}

} // namespace
