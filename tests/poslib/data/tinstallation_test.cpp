#include "tinstallation.h"

#include "testdir.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

// Runs the test body in the temporary directory, as the host runs in the
// installation directory.
class DayOffsetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    TestDir dir;

private:
    QString m_previous;
};

} // namespace

TEST(InstallationDirs, TrailingSeparatorOfTheBaseDoesNotMatter)
{
    TestDir dir;
    const QString base = dir.path(); // ends in "/"
    QString bare = base;
    bare.chop(1);
    const QString expected = base + QStringLiteral("var/tables/");
    EXPECT_EQ(expected, tablesDir(base));
    EXPECT_EQ(expected, tablesDir(bare));
    EXPECT_EQ(expected, tablesDir(bare + QLatin1Char('\\')));
    EXPECT_EQ(expected, tablesDir(bare.toLocal8Bit().constData()));
    EXPECT_TRUE(QFileInfo(expected).isDir());
}

TEST(InstallationDirs, CreatedOnDemandExceptStatistics)
{
    TestDir dir;
    const QString base = dir.path();
    EXPECT_EQ(base + "usr/data/", dataDir(base));
    EXPECT_EQ(base + "var/activetables/", activeTablesDir(base));
    EXPECT_EQ(base + "var/archives/", archivesDir(base));
    EXPECT_EQ(base + "var/summary/", summaryDir(base));
    EXPECT_EQ(base + "var/reports/", reportsDir(base));
    EXPECT_EQ(base + "var/control/", controlDir(base));
    EXPECT_EQ(base + "var/messages/", messagesDir(base));
    EXPECT_EQ(base + "var/lock/", lockDir(base));
    EXPECT_EQ(base + "etc/layout/", layoutDir(base));
    for (const char *made :
         {"usr/data", "var/activetables", "var/archives", "var/summary", "var/reports",
          "var/control", "var/messages", "var/lock", "etc/layout"})
        EXPECT_TRUE(QFileInfo(base + made).isDir()) << made;

    EXPECT_EQ(base + "var/statist/", statistDir(base));
    EXPECT_EQ(base + "var/statist/tag05.03.2014/", statistDayDir(QDate(2014, 3, 5), base));
    EXPECT_FALSE(QFileInfo::exists(base + "var/statist"));
}

TEST(InstallationDirs, StatisticsFolderOfADay)
{
    EXPECT_EQ(QStringLiteral("tag01.01.2015"), statistDayName(QDate(2015, 1, 1)));
    EXPECT_EQ(QStringLiteral("tag31.12.1999"), statistDayName(QDate(1999, 12, 31)));
    const QString d = statistDayDir(QDate(2015, 1, 1), "/pos");
    EXPECT_EQ(QStringLiteral("/pos/var/statist/tag01.01.2015/"), d);
}

TEST(InstallationDirs, ParameterLines)
{
    QStringList lines;
    appendParameter(lines, QStringLiteral("office"), 3);
    appendParameter(lines, QStringLiteral("name"), QStringLiteral("Bistro 100%"));
    EXPECT_EQ((QStringList {"office^=|3", "name^=|Bistro 100%"}), lines);
}

TEST_F(DayOffsetTest, MissingFileIsMidnight)
{
    EXPECT_EQ(QTime(0, 0, 0), dayOffset());
}

TEST_F(DayOffsetTest, FromGlobalsIni)
{
    dir.write("etc/globals.ini", "[Settings]\r\ndayoffs=530\r\n");
    EXPECT_EQ(QTime(5, 30, 0), dayOffset());
    dir.write("etc/globals.ini", "[settings]\r\nDAYOFFS = 600\r\n");
    EXPECT_EQ(QTime(6, 0, 0), dayOffset());
    dir.write("etc/globals.ini", "[Settings]\r\ndayoffs=0\r\n");
    EXPECT_EQ(QTime(0, 0, 0), dayOffset());
    dir.write("etc/globals.ini", "[Settings]\r\nother=1\r\n");
    EXPECT_EQ(QTime(0, 0, 0), dayOffset());
    dir.write("etc/globals.ini", "[Settings]\r\ndayoffs=early\r\n");
    EXPECT_EQ(QTime(0, 0, 0), dayOffset());
}

TEST_F(DayOffsetTest, FromTheWindowsName)
{
    dir.write("etc\\globals.ini", "[Settings]\r\ndayoffs=445\r\n");
    EXPECT_EQ(QTime(4, 45, 0), dayOffset());
    // The file in "etc" wins once it exists.
    dir.write("etc/globals.ini", "[Settings]\r\ndayoffs=700\r\n");
    EXPECT_EQ(QTime(7, 0, 0), dayOffset());
}

TEST(InstallationDirs, DayOffsetValuesThatMakeNoTime)
{
    EXPECT_EQ(QTime(23, 59, 0), dayOffsetTime(2359));
    EXPECT_EQ(QTime(0, 0, 0), dayOffsetTime(2400));
    EXPECT_EQ(QTime(0, 0, 0), dayOffsetTime(575));
    EXPECT_EQ(QTime(0, 0, 0), dayOffsetTime(-100));
}
