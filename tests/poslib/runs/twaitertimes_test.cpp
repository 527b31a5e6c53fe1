#include "testdir.h"
#include "ttimecontrols.h"
#include "twaitertimes.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Day(2026, 12, 1);

TLogonSpan spanOf(const QString &text, const QDate &day, const QDateTime &now)
{
    const QList<TLogonPeriod> periods = parseLogonPeriods(text);
    EXPECT_EQ(1, periods.size()) << text.toStdString();
    return periods.isEmpty() ? TLogonSpan() : logonSpan(day, periods.first(), now);
}

void addRecord(TTimeControls &day, int waiter, const QString &time)
{
    auto *record = new Basics::TValue;
    record->setId(waiter);
    record->setString(QStringLiteral("time"), time);
    day.insert(record);
}

} // namespace

TEST(LogonSpan, LogoffBeforeLogonLiesOnTheNextDay)
{
    const QDateTime later(Day.addDays(3), QTime(12, 0));
    const TLogonSpan night = spanOf(QStringLiteral("22:00:00#02:00:00"), Day, later);
    EXPECT_EQ(QDateTime(Day, QTime(22, 0), Qt::UTC), night.logon);
    EXPECT_EQ(QDateTime(Day.addDays(1), QTime(2, 0), Qt::UTC), night.logoff);
    EXPECT_EQ(4 * 3600, night.seconds());
    EXPECT_EQ(QStringLiteral("   4 hours  0 minutes"), durationText(night.seconds()));

    // the night the clocks go forward in much of Europe counts the same
    const QDate change(2026, 3, 28);
    EXPECT_EQ(4 * 3600, spanOf(QStringLiteral("22:00:00#02:00:00"), change, later).seconds());

    EXPECT_EQ(8 * 3600 + 15 * 60 + 30,
              spanOf(QStringLiteral("08:00:00#16:15:30"), Day, later).seconds());
    EXPECT_EQ(QStringLiteral("   8 hours 15 minutes"), durationText(8 * 3600 + 15 * 60 + 30));
    EXPECT_EQ(QStringLiteral(" 123 hours  5 minutes"), durationText(123 * 3600 + 5 * 60 + 59));
}

TEST(LogonSpan, RunningPeriodEndsNowTodayAndAtDayEndBefore)
{
    const QDateTime afternoon(Day, QTime(15, 30));
    for (const QString &running : {QStringLiteral("08:00:00"), QStringLiteral("08:00:00#")}) {
        // today: up to now
        const TLogonSpan today = spanOf(running, Day, afternoon);
        EXPECT_EQ(QDateTime(Day, QTime(15, 30), Qt::UTC), today.logoff);
        EXPECT_EQ(7 * 3600 + 30 * 60, today.seconds());
        // a day before today: to its last second
        const TLogonSpan past = spanOf(running, Day.addDays(-1), afternoon);
        EXPECT_EQ(QDateTime(Day.addDays(-1), QTime(23, 59, 59), Qt::UTC), past.logoff);
        EXPECT_EQ(16 * 3600 - 1, past.seconds());
    }
    // a clock before the logon, or a day still to come, counts nothing
    EXPECT_EQ(0, spanOf(QStringLiteral("16:00:00"), Day, afternoon).seconds());
    EXPECT_EQ(0, spanOf(QStringLiteral("08:00:00"), Day.addDays(1), afternoon).seconds());
}

TEST(LogonSpan, HashAtTheStartMeansSinceMidnightUnreadableTimesAreInvalid)
{
    const QDateTime later(Day.addDays(1), QTime(9, 0));
    for (const QString &text : {QStringLiteral("#02:30:00"), QStringLiteral("x#02:30:00")}) {
        const TLogonSpan span = spanOf(text, Day, later);
        EXPECT_EQ(QDateTime(Day, QTime(0, 0), Qt::UTC), span.logon) << text.toStdString();
        EXPECT_EQ(2 * 3600 + 30 * 60, span.seconds());
    }
    EXPECT_FALSE(spanOf(QStringLiteral("late#02:30:00"), Day, later).isValid());
    EXPECT_FALSE(spanOf(QStringLiteral("08:00:00#soon"), Day, later).isValid());
}

TEST(WaiterTimes, DaysAddUpPerWaiterAndRestrictToOne)
{
    const QDateTime now(Day.addDays(5), QTime(12, 0));
    TTimeControls first(Day);
    addRecord(first, 2, QStringLiteral("10:00:00#12:00:00;18:00:00#23:30:00"));
    addRecord(first, 1, QStringLiteral("22:00:00#02:00:00;bad#worse"));
    TTimeControls second(Day.addDays(1));
    addRecord(second, 2, QStringLiteral("09:00:00#10:00:00"));

    QMap<int, TWaiterTimes> all;
    addLogonSpans(all, first, 0, now);
    addLogonSpans(all, second, 0, now);
    ASSERT_EQ(QList<int>({1, 2}), all.keys());
    EXPECT_EQ(4 * 3600, all[1].total);
    EXPECT_EQ(1, all[1].spans.size());
    EXPECT_EQ(2 * 3600 + 5 * 3600 + 30 * 60 + 3600, all[2].total);
    ASSERT_EQ(3, all[2].spans.size());
    EXPECT_EQ(Day.addDays(1), all[2].spans[2].day);

    EXPECT_EQ(QStringList({QStringLiteral("2"), QStringLiteral("Bruno"),
                           QStringLiteral("   8 hours 30 minutes")}),
              waiterColumns(all[2], QStringLiteral("Bruno")));
    EXPECT_EQ(QStringList({QStringLiteral("01.12.2026"), QString(),
                           QStringLiteral("   4 hours  0 minutes"), QStringLiteral("22:00"),
                           QStringLiteral("02:00")}),
              spanColumns(all[1].spans[0]));

    QMap<int, TWaiterTimes> one;
    addLogonSpans(one, first, 1, now);
    addLogonSpans(one, second, 1, now);
    EXPECT_EQ(QList<int>({1}), one.keys());
}
