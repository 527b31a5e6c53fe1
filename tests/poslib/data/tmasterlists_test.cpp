#include "tdepartments.h"
#include "testdir.h"
#include "tnumberlist.h"
#include "ttaxgroups.h"

#include <gtest/gtest.h>

using PosLib::TDepartments;

namespace {

Basics::TValue *addDepartment(TDepartments &list, int id, bool leaf, const QString &items)
{
    auto *department = list.newValue();
    department->setId(id);
    department->setBool(QStringLiteral("leaf"), leaf);
    department->setString(leaf ? QStringLiteral("articles") : QStringLiteral("children"), items);
    list.insert(department);
    return department;
}

} // namespace

TEST(NumberList, KeepsOrderAndSkipsJunk)
{
    EXPECT_EQ(QList<int>({2, -17, 3, 5}), PosLib::parseNumberList(QStringLiteral("2;-17;;x;3, 5")));
    EXPECT_TRUE(PosLib::parseNumberList(QString()).isEmpty());
}

TEST(Departments, CoveredItemsFollowChildren)
{
    TDepartments list;
    addDepartment(list, 1, false, QStringLiteral("2;3;8"));
    addDepartment(list, 2, true, QStringLiteral("100;-4"));
    addDepartment(list, 3, false, QStringLiteral("4"));
    addDepartment(list, 4, true, QStringLiteral("101;100"));
    EXPECT_EQ(QSet<int>({100, -4, 101}), list.coveredItems(list.find(1)));
    EXPECT_EQ(QSet<int>({101, 100}), list.coveredItems(list.find(3)));
    EXPECT_TRUE(list.coveredItems(nullptr).isEmpty());
}

TEST(Departments, CyclesEnd)
{
    TDepartments list;
    addDepartment(list, 1, false, QStringLiteral("2"));
    addDepartment(list, 2, false, QStringLiteral("1;2;3"));
    addDepartment(list, 3, true, QStringLiteral("7"));
    EXPECT_EQ(QSet<int>({7}), list.coveredItems(list.find(1)));
}

TEST(TaxGroups, FileGivesTypedRecords)
{
    TestDir dir;
    {
        PosLib::TTaxGroups list;
        auto *group = static_cast<PosLib::TTaxGroup *>(list.newValue());
        group->setId(3);
        group->setName(QStringLiteral("Reduced"));
        group->setRate(7.7);
        group->setAmount(-1250);
        list.insert(group);
        list.save(dir.path().toLocal8Bit().constData());
    }
    ASSERT_TRUE(dir.exists(QStringLiteral("usr/data/taxgroups.dat")));
    PosLib::TTaxGroups loaded;
    ASSERT_EQ(0, loaded.load(dir.path().toLocal8Bit().constData()));
    PosLib::TTaxGroup *group = loaded.taxGroup(3);
    ASSERT_NE(nullptr, group);
    EXPECT_DOUBLE_EQ(7.7, group->rate());
    EXPECT_EQ(-1250, group->amount());
}
