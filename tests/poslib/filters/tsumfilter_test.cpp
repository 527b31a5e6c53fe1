#include "testdir.h"
#include "tsumfilter.h"
#include "tsumfilters.h"
#include "ttable.h"
#include "ttableentry.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

using PosLib::TSumFilter;
using PosLib::TTable;
using PosLib::TTableEntry;

namespace {

using Fields = std::initializer_list<std::pair<const char *, const char *>>;

void fill(Basics::TValue &record, Fields fields)
{
    for (const auto &f : fields)
        record.setString(QString::fromLatin1(f.first), QString::fromLatin1(f.second));
}

// A table in memory: header fields, creation record, entries in id order.
class Table
{
public:
    explicit Table(Fields header = {})
        : table(new TTable(nullptr))
    {
        fill(*table, header);
    }

    TTableEntry *add(int type, Fields fields = {})
    {
        auto *entry = new TTableEntry;
        entry->setId(++m_lastId);
        entry->setType(type);
        fill(*entry, fields);
        table->entries().insert(entry);
        return entry;
    }

    static TTableEntry *addChild(TTableEntry *order, int type, Fields fields = {})
    {
        auto *child = new TTableEntry;
        child->setType(type);
        fill(*child, fields);
        order->children(true)->append(child);
        return child;
    }

    std::unique_ptr<TTable> table;

private:
    int m_lastId = 0;
};

TSumFilter tableFilter(const char *condition)
{
    TSumFilter filter;
    filter.setTables(QString::fromLatin1(condition));
    return filter;
}

TSumFilter entryFilter(const char *condition)
{
    TSumFilter filter;
    filter.setEntries(QString::fromLatin1(condition));
    return filter;
}

bool passes(const char *condition, Fields header)
{
    Table t(header);
    return tableFilter(condition).testTable(t.table.get());
}

} // namespace

TEST(SumFilterCondition, SplitsAlternativesItemsAndFields)
{
    const auto c = TSumFilter::Condition::parse(
            QStringLiteral("0:vatoh:=:yes|3:plu:>:10&-1:waiter:!:12"));
    EXPECT_FALSE(c.empty);
    ASSERT_EQ(2, c.alternatives.size());
    ASSERT_EQ(1, c.alternatives[0].size());
    ASSERT_EQ(2, c.alternatives[1].size());
    const TSumFilter::Item &item = c.alternatives[1][1];
    EXPECT_EQ(-1, item.kind);
    EXPECT_EQ(QStringLiteral("waiter"), item.attribute);
    EXPECT_EQ(u'!', item.op);
    EXPECT_EQ(QStringLiteral("12"), item.value);
    EXPECT_EQ(12.0, item.number);
}

TEST(SumFilterCondition, MalformedPartsAreLeftOut)
{
    // Stray separators and items without kind, attribute and operator
    // leave out their item; an alternative left empty is dropped.
    const auto c = TSumFilter::Condition::parse(
            QStringLiteral("|0:vatoh:=:yes&&0:waiter||x:waiter:=:1|0:waiter&-2:plu:=:1"));
    EXPECT_FALSE(c.empty);
    ASSERT_EQ(1, c.alternatives.size());
    ASSERT_EQ(1, c.alternatives[0].size());
    EXPECT_EQ(QStringLiteral("vatoh"), c.alternatives[0][0].attribute);

    // Nothing usable: matches nothing.
    EXPECT_FALSE(passes("|&", {{"vatoh", "yes"}}));
    EXPECT_FALSE(passes("garbage", {{"vatoh", "yes"}}));
    // Blanks only: empty.
    EXPECT_TRUE(TSumFilter::Condition::parse(QStringLiteral("  ")).empty);
    EXPECT_TRUE(passes(" ", {}));
}

TEST(SumFilterCondition, EmptyValueAndColonsInValue)
{
    // The empty value disappears when splitting: compares with "".
    const auto c = TSumFilter::Condition::parse(QStringLiteral("0:waiter:=:"));
    ASSERT_EQ(1, c.alternatives.size());
    EXPECT_EQ(QString(), c.alternatives[0][0].value);
    EXPECT_TRUE(passes("0:waiter:=:", {}));
    EXPECT_FALSE(passes("0:waiter:=:", {{"waiter", "3"}}));
    EXPECT_TRUE(passes("0:waiter:!:", {{"waiter", "3"}}));

    EXPECT_TRUE(passes("0:note:=:Soup: tomato", {{"note", "Soup: tomato"}}));
    // The operator is the first character of its field.
    EXPECT_TRUE(passes("0:maxamount:>=:100", {{"maxamount", "101"}}));
    EXPECT_FALSE(passes("0:maxamount:>=:100", {{"maxamount", "100"}}));
}

TEST(SumFilterCondition, ParsedOncePerText)
{
    TSumFilter filter;
    filter.setTables(QStringLiteral("0:insum:=:yes"));
    const TSumFilter::Condition *first = &filter.tablesCondition();
    const TSumFilter::Item *item = &first->alternatives[0][0];
    EXPECT_EQ(item, &filter.tablesCondition().alternatives[0][0]);

    Table t({{"insum", "yes"}, {"vatoh", "no"}});
    EXPECT_TRUE(filter.testTable(t.table.get()));
    // A change through the plain record interface is seen as well.
    filter.setString(QStringLiteral("tables"), QStringLiteral("0:vatoh:=:yes"));
    EXPECT_FALSE(filter.testTable(t.table.get()));
    EXPECT_EQ(QStringLiteral("vatoh"), filter.tablesCondition().alternatives[0][0].attribute);
    filter.remove(QStringLiteral("tables"));
    EXPECT_TRUE(filter.testTable(t.table.get()));
    // The two conditions are kept apart.
    filter.setEntries(QStringLiteral("0:vatoh:=:yes"));
    EXPECT_TRUE(filter.testTable(t.table.get()));
    EXPECT_FALSE(filter.testEntry(t.table.get(), t.add(3)));
}

TEST(SumFilterCompare, NumbersAndTexts)
{
    EXPECT_TRUE(passes("0:maxamount:>:1000", {{"maxamount", "1500"}}));
    EXPECT_FALSE(passes("0:maxamount:>:1000", {{"maxamount", "999"}}));
    // Decimal numbers, not text: "999.5" < "1000" although it sorts after.
    EXPECT_TRUE(passes("0:maxamount:<:1000", {{"maxamount", "999.50000"}}));
    // No number reads as 0, on either side.
    EXPECT_TRUE(passes("0:maxamount:>:abc", {{"maxamount", "1"}}));
    EXPECT_FALSE(passes("0:maxamount:>:abc", {{"maxamount", "0"}}));
    EXPECT_TRUE(passes("0:maxamount:<:abc", {{"maxamount", "-5"}}));
    EXPECT_TRUE(passes("0:maxamount:<:1", {{"maxamount", "many"}}));
    EXPECT_TRUE(passes("0:maxamount:<:1", {}));
    // "=" is exact text: no numeric equality, case counts.
    EXPECT_FALSE(passes("0:table:=:5", {{"table", "05"}}));
    EXPECT_TRUE(passes("0:table:>:4&0:table:<:6", {{"table", "05"}}));
    EXPECT_FALSE(passes("0:vatoh:=:yes", {{"vatoh", "Yes"}}));
    // Any other operator means "differs", also one beyond 8 bits.
    EXPECT_TRUE(passes("0:table:#:5", {{"table", "6"}}));
    EXPECT_FALSE(passes("0:table:#:5", {{"table", "5"}}));
    Table t({{"table", "5"}});
    TSumFilter filter;
    filter.setTables(QStringLiteral("0:table:\u2260:5"));
    EXPECT_FALSE(filter.testTable(t.table.get()));
    filter.setTables(QStringLiteral("0:table:\u2260:6"));
    EXPECT_TRUE(filter.testTable(t.table.get()));
}

TEST(SumFilterCompare, WaiterUnequalAlsoWithoutWaiter)
{
    EXPECT_FALSE(passes("0:waiter:!:12", {{"waiter", "12"}}));
    EXPECT_TRUE(passes("0:waiter:!:12", {{"waiter", "3"}}));
    EXPECT_TRUE(passes("0:waiter:!:12", {}));
}

TEST(SumFilterCompare, DatesAndTimesLoseSeparators)
{
    Table t;
    t.table->setDate(QStringLiteral("date"), QDate(2014, 12, 31));
    t.table->setTime(QStringLiteral("time"), QTime(23, 5, 0));
    EXPECT_EQ(QStringLiteral("2014-12-31"), t.table->getString(QStringLiteral("date")));
    EXPECT_TRUE(tableFilter("0:date:<:20150101").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("0:date:>:20150101").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("0:date:=:20141231").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("0:time:>:230000&0:time:<:231000").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("0:time:=:230500").testTable(t.table.get()));
    // Other keys keep their separators.
    EXPECT_TRUE(passes("0:note:=:1-2", {{"note", "1-2"}}));
}

TEST(SumFilterTable, AlternativesAndItems)
{
    const char *any = "0:vatoh:=:yes|0:insum:=:yes";
    const char *both = "0:vatoh:=:yes&0:insum:=:yes";
    EXPECT_TRUE(passes(any, {{"vatoh", "yes"}, {"insum", "no"}}));
    EXPECT_TRUE(passes(any, {{"vatoh", "no"}, {"insum", "yes"}}));
    EXPECT_FALSE(passes(any, {{"vatoh", "no"}, {"insum", "no"}}));
    EXPECT_TRUE(passes(both, {{"vatoh", "yes"}, {"insum", "yes"}}));
    EXPECT_FALSE(passes(both, {{"vatoh", "yes"}, {"insum", "no"}}));
    EXPECT_FALSE(passes(both, {{"vatoh", "no"}, {"insum", "yes"}}));
    // As the range selection writes them: waiters 3 to 5 or 9.
    const char *range = "0:waiter:>:2&0:waiter:<:6|0:waiter:=:9";
    EXPECT_TRUE(passes(range, {{"waiter", "3"}}));
    EXPECT_TRUE(passes(range, {{"waiter", "5"}}));
    EXPECT_FALSE(passes(range, {{"waiter", "6"}}));
    EXPECT_TRUE(passes(range, {{"waiter", "9"}}));

    EXPECT_TRUE(passes("", {}));
    EXPECT_FALSE(tableFilter("0:vatoh:=:yes").testTable(nullptr));
    EXPECT_TRUE(tableFilter("").testTable(nullptr));
}

TEST(SumFilterTable, CreationRecord)
{
    Table t;
    t.table->create().setString(QStringLiteral("tablename"), QStringLiteral("Terrace 4"));
    EXPECT_TRUE(tableFilter("1:tablename:=:Terrace 4").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("1:tablename:=:Bar").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("1:type:=:1").testTable(t.table.get()));
}

TEST(SumFilterTable, TableItemsReadTheCreationRecordWhereTheHeaderHasNoField)
{
    // The waiter, cost center, date and time of a table live in its
    // creation record only; the filter dialog's waiter range still works.
    Table t({{"table", "12"}, {"insum", "yes"}});
    TTableEntry &create = t.table->create();
    create.setInt(QStringLiteral("waiter"), 4);
    create.setInt(QStringLiteral("center"), 2);
    create.setDate(QStringLiteral("date"), QDate(2014, 12, 31));
    create.setTime(QStringLiteral("time"), QTime(23, 5, 0));
    const char *range = "0:waiter:>:2&0:waiter:<:6|0:waiter:=:9";
    EXPECT_TRUE(tableFilter(range).testTable(t.table.get()));
    create.setInt(QStringLiteral("waiter"), 6);
    EXPECT_FALSE(tableFilter(range).testTable(t.table.get()));
    create.setInt(QStringLiteral("waiter"), 9);
    EXPECT_TRUE(tableFilter(range).testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("0:waiter:!:9").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("0:center:=:2&0:insum:=:yes").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("0:date:<:20150101&0:time:=:230500").testTable(t.table.get()));
    // A field of neither record reads empty.
    EXPECT_TRUE(tableFilter("0:terminal:=:").testTable(t.table.get()));

    // The header's own field wins, also an empty one.
    t.table->setInt(QStringLiteral("waiter"), 3);
    EXPECT_TRUE(tableFilter("0:waiter:=:3").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("0:waiter:=:9").testTable(t.table.get()));
    t.table->setString(QStringLiteral("center"), QString());
    EXPECT_FALSE(tableFilter("0:center:=:2").testTable(t.table.get()));

    // The entry condition reads table items the same way, for every entry.
    TTableEntry *order = t.add(3, {{"waiter", "5"}});
    TTableEntry *pay = t.add(5, {{"amount", "100"}});
    const TSumFilter byCreator = entryFilter("0:center:!:2&0:tablename:=:Bar");
    create.setString(QStringLiteral("tablename"), QStringLiteral("Bar"));
    EXPECT_TRUE(byCreator.testEntry(t.table.get(), order));
    EXPECT_TRUE(byCreator.testEntry(t.table.get(), pay));
    const TSumFilter waiter9 = entryFilter("0:waiter:=:9");
    EXPECT_FALSE(waiter9.testEntry(t.table.get(), order));
    t.table->remove(QStringLiteral("waiter"));
    EXPECT_TRUE(waiter9.testEntry(t.table.get(), order));
}

TEST(SumFilterTable, OrdersAnyMatchWithoutValuePassedOver)
{
    Table t;
    t.add(4, {{"plu", "7"}});
    t.add(3, {{"plu", "10"}, {"count", "1"}});
    t.add(3, {{"count", "1"}});
    t.add(3, {{"plu", "12"}, {"count", "2"}});
    EXPECT_TRUE(tableFilter("3:plu:=:12").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("3:plu:<:11").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("3:plu:=:7").testTable(t.table.get()));
    // The order without a PLU is no match for "not 10" or "less than 5".
    EXPECT_TRUE(tableFilter("3:plu:!:10").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("3:plu:<:5").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("3:plu:=:").testTable(t.table.get()));

    Table noOrders;
    noOrders.add(5, {{"amount", "100"}});
    EXPECT_FALSE(tableFilter("3:plu:!:10").testTable(noOrders.table.get()));
}

TEST(SumFilterTable, OrderChildrenAsTheReportCountsThem)
{
    Table t;
    auto *menu
            = t.add(3, {{"plu", "100"}, {"waiter", "4"}, {"center", "2"}, {"date", "2014-12-31"}});
    Table::addChild(menu, 12, {{"plu", "101"}, {"waiter", "9"}, {"date", "2014-01-01"}});
    Table::addChild(menu, 12, {{"plu", "102"}, {"center", "6"}});
    // A component stands for the menu: the menu's own PLU is not counted.
    EXPECT_TRUE(tableFilter("3:plu:=:101").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("3:plu:=:102").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("3:plu:=:100").testTable(t.table.get()));
    // Components read their order's waiter and date, its cost center only
    // when they have none, and count as orders.
    EXPECT_TRUE(tableFilter("3:plu:=:101&3:waiter:=:4").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("3:waiter:=:9").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("3:date:<:20141231").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("3:center:=:2").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("3:center:=:6").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("3:type:!:3").testTable(t.table.get()));

    // An order with price add-ons is looked at itself.
    Table withAddOns;
    auto *steak = withAddOns.add(3, {{"plu", "200"}});
    Table::addChild(steak, 11, {{"price", "150"}});
    EXPECT_TRUE(tableFilter("3:plu:=:200").testTable(withAddOns.table.get()));

    // A child of another kind ends the walk over the children.
    Table odd;
    auto *order = odd.add(3, {{"plu", "300"}});
    Table::addChild(order, 12, {{"plu", "301"}});
    Table::addChild(order, 9, {{"plu", "302"}});
    Table::addChild(order, 12, {{"plu", "303"}});
    EXPECT_TRUE(tableFilter("3:plu:=:301").testTable(odd.table.get()));
    EXPECT_FALSE(tableFilter("3:plu:=:303").testTable(odd.table.get()));
    EXPECT_FALSE(tableFilter("3:plu:=:300").testTable(odd.table.get()));
}

TEST(SumFilterTable, VoidsAndTableChangesAnyMatch)
{
    Table t;
    t.add(3, {{"plu", "1"}, {"amount", "900"}});
    t.add(4, {{"amount", "200"}, {"vwaiter", "5"}});
    t.add(4, {{"amount", "700"}});
    t.add(2, {{"fromtable", "12"}, {"totable", "14"}});
    EXPECT_TRUE(tableFilter("4:amount:>:500").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("4:amount:>:800").testTable(t.table.get()));
    // A void without the field reads it empty.
    EXPECT_TRUE(tableFilter("4:vwaiter:!:5").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("2:totable:=:14").testTable(t.table.get()));
    EXPECT_FALSE(tableFilter("2:totable:=:12").testTable(t.table.get()));
    // Any entry at all for -1.
    EXPECT_TRUE(tableFilter("-1:amount:>:800").testTable(t.table.get()));

    Table none;
    EXPECT_FALSE(tableFilter("4:amount:!:0").testTable(none.table.get()));
    EXPECT_FALSE(tableFilter("2:totable:!:0").testTable(none.table.get()));
}

TEST(SumFilterTable, PaymentsAllVoidedKeepThePreviousResult)
{
    const TSumFilter cash = tableFilter("5:payform:=:1");
    Table none;
    none.add(3, {{"count", "1"}});
    EXPECT_FALSE(cash.testTable(none.table.get()));

    Table allVoided({{"waiter", "4"}});
    allVoided.add(5, {{"payform", "2"}, {"voided", "yes"}});
    allVoided.add(5, {{"payform", "3"}, {"voided", "yes"}});
    EXPECT_TRUE(cash.testTable(allVoided.table.get()));
    EXPECT_TRUE(tableFilter("0:waiter:=:4&5:payform:=:1").testTable(allVoided.table.get()));
    EXPECT_FALSE(tableFilter("0:waiter:=:5&5:payform:=:1").testTable(allVoided.table.get()));
    EXPECT_FALSE(tableFilter("5:payform:=:1&0:waiter:=:5").testTable(allVoided.table.get()));

    // Voided payments are never compared, open ones are.
    Table mixed;
    mixed.add(5, {{"payform", "1"}, {"voided", "yes"}});
    mixed.add(5, {{"payform", "2"}, {"voided", "no"}});
    EXPECT_FALSE(cash.testTable(mixed.table.get()));
    EXPECT_TRUE(tableFilter("5:payform:=:2").testTable(mixed.table.get()));
    mixed.add(5, {{"payform", "1"}});
    EXPECT_TRUE(cash.testTable(mixed.table.get()));
}

TEST(SumFilterComputed, CountsOverTheTable)
{
    Table t;
    t.add(3, {{"count", "2"}});
    t.add(3, {{"count", "0.5"}});
    t.add(3, {{"count", "0"}});
    t.add(3);
    t.add(4);
    t.add(5, {{"voided", "yes"}});
    t.add(5, {{"voided", "no"}});
    t.add(5);
    EXPECT_TRUE(tableFilter("0:ordercount:=:2").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("0:voidcount:=:1").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("0:paycount:=:2").testTable(t.table.get()));
    EXPECT_TRUE(tableFilter("0:ordercount:>:1&0:paycount:<:3").testTable(t.table.get()));
    // Whatever the kind: a kind-5 item counts, it is not asked of payments.
    EXPECT_TRUE(tableFilter("5:ordercount:=:2").testTable(t.table.get()));

    Table empty;
    EXPECT_TRUE(tableFilter("0:ordercount:=:0").testTable(empty.table.get()));

    // In the entry test they count the table for every entry, of any type.
    const TSumFilter big = entryFilter("3:ordercount:>:1");
    for (const Basics::TValue *v : t.table->entries().values())
        EXPECT_TRUE(big.testEntry(t.table.get(), static_cast<const TTableEntry *>(v)));
    EXPECT_FALSE(
            entryFilter("3:voidcount:>:1").testEntry(t.table.get(), t.table->entries().entry(1)));
}

TEST(SumFilterEntry, TypedItemsLeaveOtherEntriesAlone)
{
    Table t;
    auto *order = t.add(3, {{"amount", "900"}});
    auto *bigVoid = t.add(4, {{"amount", "600"}});
    auto *smallVoid = t.add(4, {{"amount", "400"}});
    auto *pay = t.add(5, {{"amount", "100"}});
    auto *change = t.add(2, {{"totable", "4"}});
    const TSumFilter filter = entryFilter("4:amount:>:500");
    EXPECT_TRUE(filter.testEntry(t.table.get(), order));
    EXPECT_TRUE(filter.testEntry(t.table.get(), pay));
    EXPECT_TRUE(filter.testEntry(t.table.get(), bigVoid));
    EXPECT_FALSE(filter.testEntry(t.table.get(), smallVoid));

    const TSumFilter toTable4 = entryFilter("2:totable:=:4");
    EXPECT_TRUE(toTable4.testEntry(t.table.get(), change));
    EXPECT_TRUE(toTable4.testEntry(t.table.get(), order));
    EXPECT_FALSE(entryFilter("2:totable:=:5").testEntry(t.table.get(), change));

    const TSumFilter orders = entryFilter("3:type:=:3");
    EXPECT_TRUE(orders.testEntry(t.table.get(), order));
    EXPECT_FALSE(orders.testEntry(t.table.get(), bigVoid));
    EXPECT_FALSE(orders.testEntry(t.table.get(), pay));
    EXPECT_FALSE(orders.testEntry(t.table.get(), change));
    const TSumFilter ordersOrVoids = entryFilter("3:type:=:3|4:type:=:4");
    EXPECT_TRUE(ordersOrVoids.testEntry(t.table.get(), smallVoid));
    EXPECT_FALSE(ordersOrVoids.testEntry(t.table.get(), pay));

    EXPECT_TRUE(entryFilter("").testEntry(t.table.get(), order));
    EXPECT_FALSE(filter.testEntry(t.table.get(), nullptr));
    EXPECT_FALSE(filter.testEntry(nullptr, order));
}

TEST(SumFilterEntry, HeaderCreationAndOwnValues)
{
    Table t({{"vatoh", "yes"}});
    t.table->create().setString(QStringLiteral("tablename"), QStringLiteral("Bar"));
    auto *order = t.add(3, {{"waiter", "7"}});
    auto *voidEntry = t.add(4, {{"waiter", "8"}});
    EXPECT_TRUE(entryFilter("0:vatoh:=:yes").testEntry(t.table.get(), voidEntry));
    EXPECT_FALSE(entryFilter("0:vatoh:!:yes").testEntry(t.table.get(), order));
    EXPECT_TRUE(entryFilter("1:tablename:=:Bar").testEntry(t.table.get(), order));
    // -1 asks every entry for its own value.
    const TSumFilter seven = entryFilter("-1:waiter:=:7");
    EXPECT_TRUE(seven.testEntry(t.table.get(), order));
    EXPECT_FALSE(seven.testEntry(t.table.get(), voidEntry));
}

TEST(SumFilterEntry, VoidedPaymentsHold)
{
    Table t;
    auto *open = t.add(5, {{"payform", "1"}});
    auto *voided = t.add(5, {{"payform", "1"}, {"voided", "yes"}});
    auto *order = t.add(3, {{"payform", "1"}, {"voided", "yes"}});
    const TSumFilter card = entryFilter("5:payform:=:2");
    EXPECT_FALSE(card.testEntry(t.table.get(), open));
    EXPECT_TRUE(card.testEntry(t.table.get(), voided));
    EXPECT_TRUE(card.testEntry(t.table.get(), order));
    const TSumFilter payments = entryFilter("5:type:=:5");
    EXPECT_TRUE(payments.testEntry(t.table.get(), voided));
    EXPECT_FALSE(payments.testEntry(t.table.get(), order));
}

TEST(SumFilterEntry, ComponentMadeAnOrder)
{
    // The report hands a component over as an order with its order's
    // waiter, date and time.
    Table t;
    auto *menu = t.add(3, {{"plu", "100"}, {"waiter", "4"}});
    auto *component = Table::addChild(menu, 12, {{"plu", "101"}});
    component->setType(3);
    component->setString(QStringLiteral("waiter"), QStringLiteral("4"));
    EXPECT_TRUE(entryFilter("3:plu:=:101&3:waiter:=:4").testEntry(t.table.get(), component));
    EXPECT_FALSE(entryFilter("3:plu:=:100").testEntry(t.table.get(), component));
    EXPECT_TRUE(entryFilter("3:type:=:3").testEntry(t.table.get(), component));
}

TEST(SumFilterNames, KindsAndAttributes)
{
    EXPECT_EQ(QStringLiteral("Creation"), TSumFilter::kindName(1));
    EXPECT_EQ(QStringLiteral("Payment"), TSumFilter::kindName(5));
    EXPECT_EQ(QStringLiteral("Table archived"), TSumFilter::kindName(8));
    EXPECT_EQ(QStringLiteral("Table"), TSumFilter::kindName(0));
    EXPECT_EQ(QStringLiteral("Table"), TSumFilter::kindName(-1));
    EXPECT_EQ(QStringLiteral("Table"), TSumFilter::kindName(9));

    const QList<TSumFilter::Attribute> header = TSumFilter::attributes(0);
    ASSERT_EQ(8 + 12, header.size());
    EXPECT_STREQ("time", header.first().key);
    EXPECT_STREQ("waitername", header[7].key);
    EXPECT_STREQ("paycount", header.last().key);
    EXPECT_EQ(8, TSumFilter::attributes(7).size());
    EXPECT_EQ(QStringLiteral("Void-waiter"),
              TSumFilter::attributeCaption(4, QStringLiteral("vwaiter")));
    EXPECT_EQ(QStringLiteral("Pay amount"),
              TSumFilter::attributeCaption(5, QStringLiteral("amount")));
    EXPECT_EQ(QStringLiteral("Void amount"),
              TSumFilter::attributeCaption(4, QStringLiteral("amount")));
    EXPECT_EQ(QStringLiteral("vwaiter"),
              TSumFilter::attributeCaption(5, QStringLiteral("vwaiter")));
}

TEST(SumFilters, FileKeepsFilters)
{
    TestDir dir;
    {
        PosLib::TSumFilters list;
        EXPECT_EQ(QStringLiteral("sumfilters"), list.listName());
        EXPECT_EQ(QStringLiteral("sumfilters.dat"), list.fileName());
        EXPECT_EQ(QStringLiteral("sumfilter"), list.elementName());
        auto *filter = static_cast<TSumFilter *>(list.newValue());
        filter->setId(3);
        filter->setName(QStringLiteral("Takeaway"));
        filter->setDescription(QStringLiteral("Takeaway tables only"));
        filter->setTables(QStringLiteral("0:vatoh:=:yes"));
        filter->setEntries(QStringLiteral("3:type:=:3"));
        list.insert(filter);
        list.save(dir.path(), list.fileName());
    }
    PosLib::TSumFilters list;
    ASSERT_EQ(0, list.load(dir.path(), list.fileName()));
    TSumFilter *filter = list.filter(3);
    ASSERT_NE(nullptr, filter);
    EXPECT_EQ(QStringLiteral("Takeaway"), filter->name());
    EXPECT_EQ(QStringLiteral("Takeaway tables only"), filter->description());
    EXPECT_EQ(QStringLiteral("0:vatoh:=:yes"), filter->tables());
    EXPECT_EQ(QStringLiteral("3:type:=:3"), filter->entries());
    EXPECT_EQ(nullptr, list.filter(4));
    Table t({{"vatoh", "yes"}});
    EXPECT_TRUE(filter->testTable(t.table.get()));
}
