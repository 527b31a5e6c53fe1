#include "testdir.h"
#include "tlistrow.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

TEST(ListRowText, ChildrenIndentTwoMoreSpacesPerLevel)
{
    TListRow table(QStringLiteral("table 1"));
    TListRow &order = table.addChild(QStringLiteral("order"));
    order.addChild(QStringLiteral("add-on"));
    table.addChild(QStringLiteral("pay"));
    const TListRows rows {table, TListRow(QStringLiteral("===="))};

    EXPECT_EQ(QStringLiteral("table 1\n"
                             "  order\n"
                             "    add-on\n"
                             "  pay\n"
                             "====\n"),
              listRowsText(rows));
}

TEST(ListRowText, LineBreaksContinueAtTheItemsIndentationWithoutCarriageReturns)
{
    TListRow parent(QStringLiteral("parent"));
    parent.addChild(QStringLiteral("12:00:00 first\r\n    15.00 EUR"));
    parent.addChild(QStringLiteral("a\nb\rc"));

    EXPECT_EQ(QStringLiteral("parent\n"
                             "  12:00:00 first\n"
                             "      15.00 EUR\n"
                             "  a\n"
                             "  b\n"
                             "  c\n"),
              listRowsText({parent}));
}

TEST(ListRowText, ColumnsJoinedByOneTabTrailingEmptyOnesDropped)
{
    const TListRows rows {
            TListRow(QStringList {QStringLiteral("a"), QString(), QStringLiteral("c"), QString(),
                                  QString()}),
            TListRow(QStringList {QStringLiteral("only"), QString(), QString()}),
            TListRow(QStringList {QString(), QString()}),
    };

    EXPECT_EQ(QStringLiteral("a\t\tc\nonly\n\n"), listRowsText(rows));
}

TEST(ListRowText, NoRowsNoText)
{
    EXPECT_EQ(QString(), listRowsText({}));
}

} // namespace
