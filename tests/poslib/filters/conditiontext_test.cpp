#include "conditiontext.h"
#include "testdir.h"

#include <gtest/gtest.h>

using namespace PosLib;

TEST(RangeCondition, RunsBecomeBoundsAndSingleNumbersEquals)
{
    EXPECT_EQ(QStringLiteral("0:waiter:>:2&0:waiter:<:6|0:waiter:=:9"),
              rangeCondition(0, QStringLiteral("waiter"), {3, 4, 5, 9}));
    // order and repetition of the selection do not matter
    EXPECT_EQ(QStringLiteral("0:waiter:>:2&0:waiter:<:6|0:waiter:=:9"),
              rangeCondition(0, QStringLiteral("waiter"), {9, 5, 3, 4, 4}));
    // two neighbours already make a run
    EXPECT_EQ(QStringLiteral("3:plu:>:10&3:plu:<:13"),
              rangeCondition(3, QStringLiteral("plu"), {11, 12}));
    EXPECT_EQ(QStringLiteral("5:payform:=:1|5:payform:=:3|5:payform:=:5"),
              rangeCondition(5, QStringLiteral("payform"), {5, 1, 3}));
    EXPECT_EQ(QStringLiteral("0:table:>:-1&0:table:<:2|0:table:=:7"),
              rangeCondition(0, QStringLiteral("table"), {0, 1, 7}));
    EXPECT_EQ(QString(), rangeCondition(0, QStringLiteral("waiter"), {}));
}

TEST(ConditionText, AlternativesSplitAndJoinWithoutStrayParts)
{
    const QString text = QStringLiteral("0:vatoh:=:yes&0:insum:=:yes|3:type:=:3");
    const QList<QStringList> parts = conditionAlternatives(text);
    ASSERT_EQ(2, parts.size());
    EXPECT_EQ(QStringList({"0:vatoh:=:yes", "0:insum:=:yes"}), parts.at(0));
    EXPECT_EQ(QStringList({"3:type:=:3"}), parts.at(1));
    EXPECT_EQ(text, joinAlternatives(parts));

    EXPECT_EQ(QStringLiteral("0:a:=:1|0:b:=:2"),
              joinAlternatives(conditionAlternatives(QStringLiteral("|0:a:=:1&&|  |0:b:=:2|"))));
    EXPECT_TRUE(conditionAlternatives(QString()).isEmpty());
    EXPECT_EQ(QString(), joinAlternatives({{}, {}}));

    EXPECT_EQ(QStringLiteral("0:vatoh:=:yes"),
              appendAlternative(QString(), QStringLiteral("0:vatoh:=:yes")));
    EXPECT_EQ(QStringLiteral("0:vatoh:=:yes|0:insum:!:yes"),
              appendAlternative(QStringLiteral("0:vatoh:=:yes"), QStringLiteral("0:insum:!:yes")));
    EXPECT_EQ(QStringLiteral("0:vatoh:=:yes"),
              appendAlternative(QStringLiteral("0:vatoh:=:yes"), QString()));
}

TEST(ConditionText, ItemsReadAsTheFilterReadsThem)
{
    TConditionItem item;
    ASSERT_TRUE(TConditionItem::parse(QStringLiteral("3:article:=:Soup: tomato"), item));
    EXPECT_EQ(3, item.kind);
    EXPECT_EQ(QStringLiteral("article"), item.attribute);
    EXPECT_EQ(QChar(u'='), item.op);
    EXPECT_EQ(QStringLiteral("Soup: tomato"), item.value);
    EXPECT_EQ(QStringLiteral("3:article:=:Soup: tomato"), item.text());

    // an empty value still writes four fields
    ASSERT_TRUE(TConditionItem::parse(QStringLiteral("0:waiter:=:"), item));
    EXPECT_EQ(QString(), item.value);
    EXPECT_EQ(QStringLiteral("0:waiter:=:"), item.text());

    EXPECT_FALSE(TConditionItem::parse(QStringLiteral("0:waiter"), item));
    EXPECT_FALSE(TConditionItem::parse(QStringLiteral("x:waiter:=:1"), item));
}

TEST(ConditionCheck, RefusesWhatCannotBeCompared)
{
    auto check = [](const char *text) {
        TConditionItem item;
        if (!TConditionItem::parse(QLatin1String(text), item))
            return QStringLiteral("unreadable");
        return checkConditionItem(item);
    };
    for (const char *good : {"0:date:<:20141231", "0:date:=:20141231", "0:time:>:063000",
                             "0:maxamount:>:1000", "0:maxamount:<:-12.5", "0:waitername:=:Anna",
                             "0:waiter:!:", "3:type:=:3", "-1:center:=:2"})
        EXPECT_EQ(QString(), check(good)) << good;

    EXPECT_TRUE(check("0:date:<:20141331").contains(QStringLiteral("is no date")));
    EXPECT_TRUE(check("0:date:=:2014").contains(QStringLiteral("is no date")));
    EXPECT_TRUE(check("0:time:=:256000").contains(QStringLiteral("is no time")));
    EXPECT_TRUE(check("0:maxamount:>:abc").contains(QStringLiteral("is no number")));
    EXPECT_TRUE(check("0:waiter:<:").contains(QStringLiteral("is no number")));
    EXPECT_TRUE(check("0:waiter:?:3").contains(QStringLiteral("no comparison")));
    EXPECT_TRUE(check("-2:waiter:=:3").contains(QStringLiteral("no record kind")));

    TConditionItem item;
    item.attribute = QStringLiteral("waitername");
    item.value = QStringLiteral("Anna|Ben");
    EXPECT_TRUE(checkConditionItem(item).contains(QStringLiteral("may not contain")));
    item.value = QStringLiteral("Anna&Ben");
    EXPECT_TRUE(checkConditionItem(item).contains(QStringLiteral("may not contain")));

    EXPECT_EQ(QString(), checkCondition(QStringLiteral("0:waiter:>:2&0:waiter:<:6|0:waiter:=:9")));
    EXPECT_EQ(QString(), checkCondition(QString()));
    EXPECT_TRUE(checkCondition(QStringLiteral("0:waiter:=:2|0:date:=:2014"))
                        .contains(QStringLiteral("is no date")));
    EXPECT_TRUE(checkCondition(QStringLiteral("0:waiter:=:2&nonsense"))
                        .contains(QStringLiteral("is no filter item")));
}
