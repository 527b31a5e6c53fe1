#include "treportdata.h"

#include "testdir.h"

#include <gtest/gtest.h>

using namespace PrintEngine;

TEST(ReportData, CsvAsRfc4180WritesIt)
{
    const QString text = QStringLiteral("\xFEFF"
                                        "a,b,c\r\n"
                                        "1,\"x, y\",\"say \"\"hi\"\"\"\r\n"
                                        "2,\"two\r\nlines\",\r\n"
                                        "3,,\n"
                                        "\r\n"
                                        "4,last,row");
    const QList<QStringList> rows = parseCsv(text, QLatin1Char(','));
    ASSERT_EQ(5, rows.size());
    EXPECT_EQ((QStringList {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}),
              rows.at(0));
    EXPECT_EQ((QStringList {QStringLiteral("1"), QStringLiteral("x, y"),
                            QStringLiteral("say \"hi\"")}),
              rows.at(1));
    EXPECT_EQ((QStringList {QStringLiteral("2"), QStringLiteral("two\r\nlines"), QString()}),
              rows.at(2));
    EXPECT_EQ((QStringList {QStringLiteral("3"), QString(), QString()}), rows.at(3));
    EXPECT_EQ(QStringLiteral("row"), rows.at(4).at(2));
}

TEST(ReportData, SeparatorFromTheHeaderLine)
{
    EXPECT_EQ(QLatin1Char(';'), detectSeparator(QStringLiteral("id;name\r\n1;\"a,b\"")));
    EXPECT_EQ(QLatin1Char('|'), detectSeparator(QStringLiteral("id|name")));
    EXPECT_EQ(QLatin1Char('\t'), detectSeparator(QStringLiteral("id\tname")));
    EXPECT_EQ(QLatin1Char(','), detectSeparator(QStringLiteral("id\r\n1;2")));

    const TDataList list = parseList("ref_table;amount\r\n7;1250\r\n8;\"1,5\"\r\n");
    EXPECT_EQ(2, list.count());
    EXPECT_EQ(1, list.column(QStringLiteral("amount")));
    EXPECT_EQ(QStringLiteral("1,5"), list.value(1, QStringLiteral("amount")));
    EXPECT_EQ(QString(), list.value(1, QStringLiteral("missing")));
    EXPECT_EQ(QString(), list.value(5, 0));
}

TEST(ReportData, MissingFilesAreEmptyLists)
{
    TestDir dir;
    dir.write(QStringLiteral("pays.txt"), "id,amount\r\n1,500\r\n");
    TReportData data;
    ASSERT_TRUE(data.load(dir.path(), {QStringLiteral("pays"), QStringLiteral("voids")}));
    ASSERT_NE(nullptr, data.list(QStringLiteral("voids")));
    EXPECT_EQ(0, data.list(QStringLiteral("voids"))->count());
    EXPECT_EQ(1, data.list(QStringLiteral("pays"))->count());
    EXPECT_EQ(nullptr, data.list(QStringLiteral("orders")));
}
