#include "terror.h"
#include "testdir.h"
#include "tinifile.h"
#include "toffconfig.h"

#include <gtest/gtest.h>

namespace {

// Each test has a configuration file of its own.
class OffConfig : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("VELTRUM_CONFIG", dir.file(QStringLiteral("conf/office.ini")).toLocal8Bit());
        TOffConfig::reload();
    }
    void TearDown() override { TOffConfig::reload(); }
    // Writes and forgets, so that the next read comes from the file.
    void writeAndReload()
    {
        TOffConfig::write();
        TOffConfig::reload();
    }

    TestDir dir;
};

} // namespace

TEST_F(OffConfig, PathComesFromTheEnvironment)
{
    EXPECT_EQ(dir.file(QStringLiteral("conf/office.ini")), TOffConfig::path());
}

TEST_F(OffConfig, RightsAreGrantedUntilRevoked)
{
    EXPECT_TRUE(TOffConfig::checkLstRight("turnover"));
    EXPECT_FALSE(TOffConfig::checkLstRight(""));
    EXPECT_TRUE(TOffConfig::checkDlgRight("TSumFilterDlg", "b_Test"));

    TOffConfig::setLstRight(QStringLiteral("turnover"), false);
    TOffConfig::setDlgRight(QStringLiteral("TSumFilterDlg"), QStringLiteral("b_Test"), false);
    writeAndReload();
    EXPECT_FALSE(TOffConfig::checkLstRight("turnover"));
    EXPECT_TRUE(TOffConfig::checkLstRight("sumfilters"));
    EXPECT_FALSE(TOffConfig::checkDlgRight("TSumFilterDlg", "b_Test"));
    EXPECT_TRUE(TOffConfig::checkDlgRight("TSumFilterDlg"));

    // Without the dialog itself no element is allowed.
    TOffConfig::setDlgRight(QStringLiteral("TSumFilterDlg"), QString(), false);
    EXPECT_FALSE(TOffConfig::checkDlgRight("TSumFilterDlg", "m_Name"));
}

TEST_F(OffConfig, ReportingDefaultsSurviveARestart)
{
    EXPECT_EQ(0, TOffConfig::getDefReport());
    EXPECT_EQ(QStringList(), TOffConfig::getDisabledReps());
    TOffConfig::setDefReport(10);
    TOffConfig::setDefFilter(3);
    TOffConfig::setDefOpenTabs(true);
    TOffConfig::setDefWithoutCredits(true);
    TOffConfig::setDefInTurnOver(2);
    TOffConfig::setDefTraineeType(1);
    TOffConfig::setDisabledReps({QStringLiteral("2"), QStringLiteral("38")});
    writeAndReload();
    EXPECT_EQ(10, TOffConfig::getDefReport());
    EXPECT_EQ(3, TOffConfig::getDefFilter());
    EXPECT_TRUE(TOffConfig::getDefOpenTabs());
    EXPECT_TRUE(TOffConfig::getDefWithoutCredits());
    EXPECT_EQ(2, TOffConfig::getDefInTurnOver());
    EXPECT_EQ(1, TOffConfig::getDefTraineeType());
    EXPECT_EQ(QStringList({"2", "38"}), TOffConfig::getDisabledReps());
    EXPECT_EQ(QStringLiteral("2;38"), TOffConfig::ini().readString("Reporting", "DisabledReps"));
}

TEST_F(OffConfig, StatesOutOfRangeReadAsAll)
{
    TOffConfig::setDefInTurnOver(7);
    TOffConfig::setDefTraineeType(-1);
    EXPECT_EQ(0, TOffConfig::getDefInTurnOver());
    EXPECT_EQ(0, TOffConfig::getDefTraineeType());
}

TEST_F(OffConfig, UnreadableFileIsNeverWrittenOver)
{
    // An include line with its brackets the wrong way round cannot be read.
    dir.write(QStringLiteral("conf/office.ini"), QByteArray("#>rights.ini<\r\nToolAusw = yes\r\n"));
    TOffConfig::reload();
    EXPECT_TRUE(TOffConfig::checkLstRight("turnover"));
    TOffConfig::setLstRight(QStringLiteral("turnover"), false);
    TOffConfig::write();
    EXPECT_EQ(QByteArray("#>rights.ini<\r\nToolAusw = yes\r\n"),
              dir.read(QStringLiteral("conf/office.ini")));
}
