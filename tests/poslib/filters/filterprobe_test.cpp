#include "filterprobe.h"
#include "tdemoinstallation.h"
#include "testdir.h"
#include "tsumfilter.h"
#include "ttable.h"
#include "ttablelist.h"

#include <gtest/gtest.h>

#include <memory>

using namespace PosLib;

namespace {

// Today's tables of a small demo: some paid, some open.
class FilterProbe : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TDemoOptions options;
        options.days = 0;
        options.tables = 16;
        options.today = QDate(2015, 1, 8);
        TDemoInstallation(options).write(dir.path());
    }

    // The waiter of every table of the day, open ones first, counted
    // without the probe.
    QList<int> waiters() const
    {
        QList<int> result;
        for (bool open : {true, false}) {
            std::unique_ptr<TTableList> list(open ? activeTables(dir.path())
                                                  : archiveTables(dir.path()));
            TTableIterator it(list.get(), false, 0, nullptr, dir.path());
            it.setIncludeHeld(true);
            it.setIncludeHidden(true);
            for (TTable *t = it.first(); t; t = it.next())
                result.append(t->create().getInt(QStringLiteral("waiter")));
        }
        return result;
    }

    TestDir dir;
};

} // namespace

TEST_F(FilterProbe, AnEmptyFilterKeepsEveryTableAndEntry)
{
    const TFilterProbe probe = probeFilter(TSumFilter(), dir.path(), Basics::TValue());
    EXPECT_EQ(waiters().size(), probe.tables);
    EXPECT_EQ(probe.tables, probe.keptTables);
    EXPECT_GT(probe.entries, probe.tables);
    EXPECT_EQ(probe.entries, probe.keptEntries);
    EXPECT_EQ(2, probe.kept.size());
    EXPECT_TRUE(probe.kept.first().open);
    EXPECT_TRUE(probe.dropped.isEmpty());
}

TEST_F(FilterProbe, CountsWhatTheConditionsKeep)
{
    const QList<int> all = waiters();
    // the waiter of the most tables
    int waiter = 0;
    for (int w : all)
        if (w != 0 && all.count(w) > all.count(waiter))
            waiter = w;
    ASSERT_NE(0, waiter);
    TSumFilter filter;
    filter.setTables(QStringLiteral("1:waiter:=:%1").arg(waiter));
    filter.setEntries(QStringLiteral("5:type:=:5"));
    const TFilterProbe probe = probeFilter(filter, dir.path(), Basics::TValue(), 1);
    EXPECT_EQ(all.size(), probe.tables);
    EXPECT_EQ(all.count(waiter), probe.keptTables);
    EXPECT_LT(probe.keptEntries, probe.entries);
    ASSERT_EQ(1, probe.kept.size());
    EXPECT_EQ(waiter, probe.kept.first().waiter);
    EXPECT_LT(probe.kept.first().keptEntries, probe.kept.first().entries);
    if (probe.keptTables < probe.tables) {
        ASSERT_EQ(1, probe.dropped.size());
        EXPECT_NE(waiter, probe.dropped.first().waiter);
    }

    // the same tables, narrowed by the selection instead of the filter
    Basics::TValue selection;
    selection.setInt(QStringLiteral("waiter"), waiter);
    const TFilterProbe narrowed = probeFilter(TSumFilter(), dir.path(), selection);
    EXPECT_EQ(probe.keptTables, narrowed.tables);
    EXPECT_EQ(probe.entries, narrowed.entries);
}

TEST_F(FilterProbe, SelectionLooksIntoOrdersAndPayments)
{
    Basics::TValue noSuchArticle;
    noSuchArticle.setInt(QStringLiteral("article"), 999999);
    EXPECT_EQ(0, probeFilter(TSumFilter(), dir.path(), noSuchArticle).tables);

    TTable table(nullptr);
    auto add = [&](int type, const char *key, const char *value, bool voided = false) {
        auto *entry = new TTableEntry;
        entry->setId(table.entries().count() + 1);
        entry->setType(type);
        entry->setString(QLatin1String(key), QLatin1String(value));
        if (voided)
            entry->setBool(QStringLiteral("voided"), true);
        table.entries().insert(entry);
    };
    table.create().setString(QStringLiteral("center"), QStringLiteral("2"));
    add(EntryOrder, "plu", "1201");
    add(EntryOrder, "family", "7");
    add(EntryPay, "payform", "3", true);
    add(EntryPay, "payform", "1");

    auto selecting = [](const char *key, int value) {
        Basics::TValue v;
        v.setInt(QLatin1String(key), value);
        return v;
    };
    EXPECT_TRUE(matchesSelection(table, Basics::TValue()));
    EXPECT_TRUE(matchesSelection(table, selecting("center", 2)));
    EXPECT_FALSE(matchesSelection(table, selecting("center", 3)));
    EXPECT_TRUE(matchesSelection(table, selecting("article", 1201)));
    EXPECT_FALSE(matchesSelection(table, selecting("article", 1202)));
    EXPECT_TRUE(matchesSelection(table, selecting("family", 7)));
    EXPECT_TRUE(matchesSelection(table, selecting("payform", 1)));
    // a voided payment is no payment
    EXPECT_FALSE(matchesSelection(table, selecting("payform", 3)));
    // a family is looked for among the orders, not the payments
    EXPECT_FALSE(matchesSelection(table, selecting("family", 1)));
}
