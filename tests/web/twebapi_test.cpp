// Today's figures against the same weekday last week, as the web view's
// "comparison" words them.
#include "qstringprint.h"
#include "tdayfigures.h"
#include "twebapi.h"

#include <QLocale>
#include <gtest/gtest.h>

using PosLib::TDayFigures;
using WebLib::TWebApi;

namespace {

TDayFigures today()
{
    TDayFigures f;
    f.read = true;
    f.allAmount = 90452;
    f.paidTables = 10;
    f.guests = 25;
    f.voids = 2;
    f.voidAmount = 1250;
    f.lastWeek.read = true;
    f.lastWeek.day = QDate(2026, 11, 28);
    f.lastWeek.until = QTime(21, 0);
    f.lastWeek.allAmount = 81200;
    f.lastWeek.paidTables = 8;
    f.lastWeek.guests = 25;
    return f;
}

} // namespace

TEST(WebComparison, EachFigureStandsBesideLastWeeksWithTheChange)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QStringList texts = TWebApi::comparisonTexts(today(), nullptr);
    ASSERT_EQ(5, texts.size()) << texts.join('|');
    EXPECT_EQ("Same weekday last week, 28/11/2026 until 21:00", texts[0]);
    EXPECT_TRUE(texts[1].startsWith("All amount: 904")) << texts[1];
    EXPECT_TRUE(texts[1].contains("against 812")) << texts[1];
    EXPECT_TRUE(texts[1].endsWith("(+11.4%)")) << texts[1];
    EXPECT_TRUE(texts[2].startsWith("Guests: 25 against 25")) << texts[2];
    // average bill 9045 against 10150 cents
    EXPECT_TRUE(texts[3].contains("-10.9%")) << texts[3];
    // last week had no void: new, not a percentage of nothing
    EXPECT_TRUE(texts[4].startsWith("Voids: 2 - ")) << texts[4];
    EXPECT_TRUE(texts[4].contains("against 0 - ")) << texts[4];
    EXPECT_TRUE(texts[4].endsWith("(new)")) << texts[4];
    QLocale::setDefault(QLocale::c());
}

TEST(WebComparison, ADayLastWeekWithNothingIsNoComparison)
{
    TDayFigures f = today();
    f.lastWeek.allAmount = 0;
    f.lastWeek.paidTables = 0;
    f.lastWeek.guests = 0;
    EXPECT_TRUE(TWebApi::comparisonTexts(f, nullptr).isEmpty());
    f = today();
    f.lastWeek.read = false; // the run was stopped
    EXPECT_TRUE(TWebApi::comparisonTexts(f, nullptr).isEmpty());
}
