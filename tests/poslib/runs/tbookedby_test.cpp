#include "tbookedby.h"
#include "ttable.h"
#include "ttableentry.h"

#include <gtest/gtest.h>

#include <memory>

using namespace PosLib;

namespace {

// A table with a pay and an order at each of the given times.
struct Table
{
    std::unique_ptr<TTable> table {new TTable(nullptr)};
    int lastId = 0;

    TTableEntry *add(int type, const char *time)
    {
        auto *entry = new TTableEntry;
        entry->setId(++lastId);
        entry->setType(type);
        entry->setString(QStringLiteral("time"), QString::fromLatin1(time));
        table->entries().insert(entry);
        return entry;
    }
};

bool keeps(const TSumFilter &filter, const char *time)
{
    Table t;
    const TTableEntry *order = t.add(3, time);
    return filter.testEntry(t.table.get(), order);
}

} // namespace

TEST(BookedBy, KeepsWhatWasBookedFromTheDayStartUpToTheHour)
{
    const TSumFilter filter = bookedByFilter(nullptr, QTime(6, 0), QTime(14, 30), false);
    EXPECT_TRUE(keeps(filter, "06:00:00"));
    EXPECT_TRUE(keeps(filter, "12:15:00"));
    EXPECT_TRUE(keeps(filter, "14:30:00")); // the minute itself
    EXPECT_FALSE(keeps(filter, "14:30:01"));
    EXPECT_FALSE(keeps(filter, "23:00:00"));
    // after midnight, before the day started: the day before's
    EXPECT_FALSE(keeps(filter, "05:59:59"));
}

TEST(BookedBy, AnHourAfterMidnightKeepsTheWholeEveningBeforeIt)
{
    // 01:30 on a day that starts at 06:00: from 06:00 through midnight
    const TSumFilter filter = bookedByFilter(nullptr, QTime(6, 0), QTime(1, 30), false);
    EXPECT_TRUE(keeps(filter, "06:00:00"));
    EXPECT_TRUE(keeps(filter, "23:59:59"));
    EXPECT_TRUE(keeps(filter, "00:10:00"));
    EXPECT_TRUE(keeps(filter, "01:30:00"));
    EXPECT_FALSE(keeps(filter, "01:30:01"));
    EXPECT_FALSE(keeps(filter, "04:00:00"));
    // a day that starts at midnight
    const TSumFilter midnight = bookedByFilter(nullptr, QTime(0, 0), QTime(9, 0), false);
    EXPECT_TRUE(keeps(midnight, "00:00:00"));
    EXPECT_FALSE(keeps(midnight, "09:00:01"));
}

TEST(BookedBy, KeepsTheConditionsOfTheChosenFilter)
{
    TSumFilter base;
    base.setName(QStringLiteral("Bar"));
    base.setEntries(QStringLiteral("-1:waiter:=:2|-1:waiter:=:3"));
    base.setTables(QStringLiteral("0:table:>:10"));
    const TSumFilter filter = bookedByFilter(&base, QTime(6, 0), QTime(14, 0), true);
    EXPECT_EQ(QStringLiteral("Bar"), filter.name());

    Table t;
    t.table->setString(QStringLiteral("table"), QStringLiteral("12"));
    TTableEntry *early = t.add(3, "12:00:00");
    early->setString(QStringLiteral("waiter"), QStringLiteral("3"));
    TTableEntry *other = t.add(3, "12:00:00");
    other->setString(QStringLiteral("waiter"), QStringLiteral("1"));
    TTableEntry *late = t.add(3, "15:00:00");
    late->setString(QStringLiteral("waiter"), QStringLiteral("2"));
    EXPECT_TRUE(filter.testEntry(t.table.get(), early));
    EXPECT_FALSE(filter.testEntry(t.table.get(), other)); // the chosen filter's waiters only
    EXPECT_FALSE(filter.testEntry(t.table.get(), late)); // after the hour

    // a table counts only once it was paid by then
    EXPECT_FALSE(filter.testTable(t.table.get()));
    t.add(5, "16:00:00");
    EXPECT_FALSE(filter.testTable(t.table.get()));
    t.add(5, "13:59:00");
    EXPECT_TRUE(filter.testTable(t.table.get()));
    // and only when the chosen filter keeps it
    t.table->setString(QStringLiteral("table"), QStringLiteral("4"));
    EXPECT_FALSE(filter.testTable(t.table.get()));
}
