#include "tfiscalfiles.h"

#include "testdir.h"

#include <gtest/gtest.h>

using namespace PosLib;

TEST(FiscalFiles, NamedByDayAndBatchFoundByDay)
{
    TestDir dir;
    const QDate day(2014, 3, 3);
    EXPECT_EQ(dir.path() + "var/reports/20140303.7.fiscal", fiscalFileName(day, 7, dir.path()));
    EXPECT_FALSE(hasFiscalFiles(day, dir.path()));
    dir.write("var/reports/20140303.7.fiscal", "lines");
    dir.write("var/reports/20140304.txt", "");
    EXPECT_TRUE(hasFiscalFiles(day, dir.path()));
    EXPECT_FALSE(hasFiscalFiles(day.addDays(1), dir.path()));
}
