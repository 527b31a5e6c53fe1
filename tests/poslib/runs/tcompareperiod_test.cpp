#include "tcompareperiod.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

TDayRange days(const char *from, const char *to)
{
    return {QDate::fromString(QLatin1String(from), Qt::ISODate),
            QDate::fromString(QLatin1String(to), Qt::ISODate)};
}

TDayRange compared(TCompareWith::Mode mode, const TDayRange &report)
{
    TCompareWith with;
    with.mode = mode;
    return comparedRange(with, report);
}

} // namespace

TEST(CompareWith, ReadsTheModesAndRanges)
{
    TCompareWith with;
    ASSERT_TRUE(TCompareWith::parse(QStringLiteral("week"), &with));
    EXPECT_EQ(TCompareWith::Week, with.mode);
    ASSERT_TRUE(TCompareWith::parse(QStringLiteral(" Year "), &with));
    EXPECT_EQ(TCompareWith::Year, with.mode);
    ASSERT_TRUE(TCompareWith::parse(QStringLiteral("previous"), &with));
    EXPECT_EQ(TCompareWith::Previous, with.mode);
    ASSERT_TRUE(TCompareWith::parse(QStringLiteral("none"), &with));
    EXPECT_FALSE(with.isSet());

    ASSERT_TRUE(TCompareWith::parse(QStringLiteral("2025-12-01..2025-12-31"), &with));
    EXPECT_EQ(TCompareWith::Range, with.mode);
    EXPECT_EQ(QDate(2025, 12, 1), with.from);
    EXPECT_EQ(QDate(2025, 12, 31), with.to);
    EXPECT_EQ(QStringLiteral("2025-12-01..2025-12-31"), with.text());

    // a first day alone: as many days as the report's
    ASSERT_TRUE(TCompareWith::parse(QStringLiteral("2025-12-01"), &with));
    EXPECT_EQ(QDate(2025, 12, 1), with.from);
    EXPECT_FALSE(with.to.isValid());
    EXPECT_EQ(QStringLiteral("2025-12-01"), with.text());
}

TEST(CompareWith, RefusesWhatIsNoPeriodAndKeepsTheValueAsItWas)
{
    TCompareWith with;
    with.mode = TCompareWith::Week;
    for (const char *bad : {"month", "2025-12-31..2025-12-01", "2025-02-30", "2025-12-01..",
                            "..2025-12-01", "2025-12-01..2025-12-01..2025-12-02", "1.12.2025"}) {
        EXPECT_FALSE(TCompareWith::parse(QLatin1String(bad), &with)) << bad;
        EXPECT_EQ(TCompareWith::Week, with.mode) << bad;
    }
}

TEST(ComparedRange, AYearBackIsTheSameWeekdayAcrossLeapDaysAndYearBoundaries)
{
    // Monday 7 December 2026 against Monday 8 December 2025
    EXPECT_EQ(days("2025-12-08", "2025-12-08"),
              compared(TCompareWith::Year, days("2026-12-07", "2026-12-07")));
    // across the leap day of 2024: Monday 4 March 2024 against Monday 6 March 2023
    EXPECT_EQ(days("2023-03-06", "2023-03-06"),
              compared(TCompareWith::Year, days("2024-03-04", "2024-03-04")));
    // the leap day itself (a Tuesday) against Tuesday 2 March 2027
    EXPECT_EQ(days("2027-03-02", "2027-03-02"),
              compared(TCompareWith::Year, days("2028-02-29", "2028-02-29")));
    // a year boundary: Friday 1 January 2027 against Friday 2 January 2026,
    // Monday 29 December 2025 against Monday 30 December 2024
    EXPECT_EQ(days("2026-01-02", "2026-01-02"),
              compared(TCompareWith::Year, days("2027-01-01", "2027-01-01")));
    EXPECT_EQ(days("2024-12-30", "2024-12-30"),
              compared(TCompareWith::Year, days("2025-12-29", "2025-12-29")));
    // every day of four years keeps its weekday and lies 363 to 367 days
    // from the same date a year before
    for (QDate day(2023, 1, 1); day <= QDate(2027, 12, 31); day = day.addDays(1)) {
        const TDayRange then = compared(TCompareWith::Year, {day, day});
        ASSERT_EQ(day.dayOfWeek(), then.from.dayOfWeek())
                << day.toString(Qt::ISODate).toStdString();
        const qint64 offset = std::abs(then.from.daysTo(day.addYears(-1)));
        ASSERT_LE(offset, 2) << day.toString(Qt::ISODate).toStdString();
    }
}

TEST(ComparedRange, ARangeShiftsAsAWhole)
{
    // December 2026 a year back: the same weekdays, into January
    EXPECT_EQ(days("2025-12-02", "2026-01-01"),
              compared(TCompareWith::Year, days("2026-12-01", "2026-12-31")));
    // a week across the year boundary, a week back
    EXPECT_EQ(days("2026-12-21", "2026-12-27"),
              compared(TCompareWith::Week, days("2026-12-28", "2027-01-03")));
    // across a leap day
    EXPECT_EQ(days("2028-02-22", "2028-02-28"),
              compared(TCompareWith::Week, days("2028-02-29", "2028-03-06")));
}

TEST(ComparedRange, PreviousIsTheDaysJustBeforeOrTheMonthsBefore)
{
    EXPECT_EQ(days("2026-12-04", "2026-12-04"),
              compared(TCompareWith::Previous, days("2026-12-05", "2026-12-05")));
    EXPECT_EQ(days("2026-11-23", "2026-11-29"),
              compared(TCompareWith::Previous, days("2026-11-30", "2026-12-06")));
    // ten days that are no whole month: the ten days before
    EXPECT_EQ(days("2026-02-19", "2026-02-28"),
              compared(TCompareWith::Previous, days("2026-03-01", "2026-03-10")));
    // whole months: the months before, however long they are
    EXPECT_EQ(days("2028-02-01", "2028-02-29"),
              compared(TCompareWith::Previous, days("2028-03-01", "2028-03-31")));
    EXPECT_EQ(days("2026-12-01", "2026-12-31"),
              compared(TCompareWith::Previous, days("2027-01-01", "2027-01-31")));
    EXPECT_EQ(days("2025-01-01", "2025-12-31"),
              compared(TCompareWith::Previous, days("2026-01-01", "2026-12-31")));
    EXPECT_EQ(days("2026-07-01", "2026-09-30"),
              compared(TCompareWith::Previous, days("2026-10-01", "2026-12-31")));
}

TEST(ComparedRange, ARangeOfItsOwnOrFromAFirstDay)
{
    TCompareWith with;
    ASSERT_TRUE(TCompareWith::parse(QStringLiteral("2025-06-01..2025-06-03"), &with));
    EXPECT_EQ(days("2025-06-01", "2025-06-03"),
              comparedRange(with, days("2026-12-01", "2026-12-31")));
    ASSERT_TRUE(TCompareWith::parse(QStringLiteral("2024-02-20"), &with));
    EXPECT_EQ(days("2024-02-20", "2024-03-01"),
              comparedRange(with, days("2026-12-01", "2026-12-11")));
}

TEST(ComparedRange, NothingWithoutAComparisonOrAReportRange)
{
    EXPECT_FALSE(compared(TCompareWith::None, days("2026-12-01", "2026-12-31")).isValid());
    EXPECT_FALSE(compared(TCompareWith::Week, days("2026-12-31", "2026-12-01")).isValid());
    EXPECT_FALSE(compared(TCompareWith::Week, TDayRange()).isValid());
}
