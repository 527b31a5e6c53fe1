#include "toutlets.h"

#include <gtest/gtest.h>

#include <string>

using OutletsLib::TOutlets;

namespace {

void addOutlet(Basics::TValueList &tree, int id, bool leaf, const QString &ids)
{
    auto *outlet = tree.newValue();
    outlet->setId(id);
    outlet->setBool(QStringLiteral("isleaf"), leaf);
    outlet->setString(leaf ? QStringLiteral("outlets") : QStringLiteral("children"), ids);
    tree.insert(outlet);
}

void addPath(Basics::TValueList &list, int id, const QString &path)
{
    auto *record = list.newValue();
    record->setId(id);
    record->setString(QStringLiteral("path"), path);
    list.insert(record);
}

// Readable in failure messages.
std::string joined(const QStringList &paths)
{
    return paths.join(QLatin1Char('|')).toStdString();
}

} // namespace

class OutletTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        addPath(data, 1, QStringLiteral("/pos/bar/"));
        addPath(data, 4, QStringLiteral("/pos/terrace/"));
    }

    TOutlets tree;
    Basics::TValueList data;
};

TEST_F(OutletTree, CollectsLeafPathsInOrder)
{
    addOutlet(tree, 1, false, QStringLiteral("2;3"));
    addOutlet(tree, 2, true, QStringLiteral("1"));
    addOutlet(tree, 3, true, QStringLiteral("4;9"));
    EXPECT_EQ("/pos/bar/|/pos/terrace/", joined(tree.paths(&data, tree.find(1))));
    EXPECT_EQ("/pos/terrace/", joined(tree.paths(&data, tree.find(3))));
    EXPECT_TRUE(tree.paths(&data, nullptr).isEmpty());
}

TEST_F(OutletTree, OutletWithoutLeafFlagUsesChildren)
{
    auto *top = tree.newValue();
    top->setId(1);
    top->setString(QStringLiteral("children"), QStringLiteral("2;5"));
    top->setString(QStringLiteral("outlets"), QStringLiteral("1"));
    tree.insert(top);
    addOutlet(tree, 2, true, QStringLiteral("4"));
    EXPECT_EQ("/pos/terrace/", joined(tree.paths(&data, top)));
}

TEST_F(OutletTree, CyclesEndAndSharedOutletsCountInEveryBranch)
{
    addOutlet(tree, 1, false, QStringLiteral("1;2;3"));
    addOutlet(tree, 2, false, QStringLiteral("1;4"));
    addOutlet(tree, 3, true, QStringLiteral("4"));
    addOutlet(tree, 4, true, QStringLiteral("1"));
    addOutlet(tree, 5, false, QStringLiteral("4;3;4"));
    EXPECT_EQ("/pos/bar/|/pos/terrace/", joined(tree.paths(&data, tree.find(1))));
    // from 2, outlet 1 is a child like any other: only 2 itself is an ancestor
    EXPECT_EQ("/pos/terrace/|/pos/bar/", joined(tree.paths(&data, tree.find(2))));
    EXPECT_EQ("/pos/bar/|/pos/terrace/|/pos/bar/", joined(tree.paths(&data, tree.find(5))));
}

TEST_F(OutletTree, TopOutletFromAnotherList)
{
    // a summary outlet with the id of a tree outlet is not that outlet
    Basics::TValueList summaryOutlets;
    addOutlet(summaryOutlets, 2, false, QStringLiteral("2"));
    addOutlet(tree, 2, true, QStringLiteral("1"));
    EXPECT_EQ("/pos/bar/", joined(TOutlets::paths(&tree, &data, summaryOutlets.find(2))));
}
