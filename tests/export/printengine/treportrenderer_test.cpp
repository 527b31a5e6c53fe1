#include "treportrenderer.h"

#include "testdir.h"

#include <gtest/gtest.h>

using namespace PrintEngine;

namespace {

// Three tables of two waiters, their orders and payments, one infos record.
class Renderer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.write(QStringLiteral("tables.txt"), "id,ref_table,table,waitername,maxamount\r\n"
                                                "1,1,12,Anna,1500\r\n"
                                                "2,2,14,Bruno,2250\r\n"
                                                "3,3,15,Anna,999\r\n");
        dir.write(QStringLiteral("orders.txt"), "id;ref_table;article;count;maxamount\r\n"
                                                "1;1;Soup;2.000;1000\r\n"
                                                "2;1;Water;1.000;500\r\n"
                                                "3;2;Pizza;1.500;2250\r\n"
                                                "4;3;Soup;1.000;500\r\n");
        dir.write(QStringLiteral("pays.txt"), "id,ref_table,waitername,payformname,amount\r\n"
                                              "1,1,Anna,Cash,1500\r\n"
                                              "2,2,Bruno,Card,2250\r\n"
                                              "3,3,Anna,Card,999\r\n");
        dir.write(QStringLiteral("infos.txt"), "id,installationname\r\n1,Trattoria <Roma>\r\n");
        ASSERT_TRUE(data.load(dir.path(), {QStringLiteral("tables"), QStringLiteral("orders"),
                                           QStringLiteral("pays"), QStringLiteral("voids"),
                                           QStringLiteral("infos")}));
    }

    QString render(const QString &text, const QHash<QString, QString> &parameters = {},
                   const QHash<QString, QString> &texts = {})
    {
        TReportTemplate design;
        EXPECT_TRUE(design.parse(text)) << design.errorText().toStdString();
        TReportRenderer renderer(data, parameters, texts);
        return renderer.render(design.body());
    }

    TestDir dir;
    TReportData data;
};

} // namespace

TEST_F(Renderer, ASectionOverTablesNarrowsTheLinkedLists)
{
    EXPECT_EQ(QStringLiteral("[12:Soup,Water,15.00][14:Pizza,22.50][15:Soup,5.00]"),
              render(QStringLiteral("<!-- @section tables -->[{tables.table}:"
                                    "<!-- @section orders -->{orders.article},<!-- @end -->"
                                    "{sum orders.maxamount:money}]<!-- @end -->")));
}

TEST_F(Renderer, GroupsInKeyOrderWithSumsAndCountsPerGroup)
{
    EXPECT_EQ(QStringLiteral("Anna=24.99 (2) t=2499|Bruno=22.50 (1) t=2250|"),
              render(QStringLiteral("<!-- @section pays by waitername -->"
                                    "{pays.waitername}={sum pays.amount:money} ({count pays}) "
                                    "t={sum tables.maxamount}|<!-- @end -->")));
    // a group within a group, numeric keys in numeric order
    EXPECT_EQ(QStringLiteral("Anna:Card 999,Cash 1500,;Bruno:Card 2250,;"),
              render(QStringLiteral("<!-- @section pays by waitername -->{pays.waitername}:"
                                    "<!-- @section pays by payformname -->{pays.payformname} "
                                    "{sum pays.amount},<!-- @end -->;<!-- @end -->")));
    EXPECT_EQ(QStringLiteral("15 12 14 "),
              render(QStringLiteral("<!-- @section tables by maxamount -->{tables.table} "
                                    "<!-- @end -->")));
}

TEST_F(Renderer, TopLevelSumsCountsAndFieldsOverEverything)
{
    EXPECT_EQ(QStringLiteral("47,49 4 5.5 Trattoria &lt;Roma&gt;"),
              render(QStringLiteral("{sum pays.amount:money,} {count orders} {sum orders.count} "
                                    "{infos.installationname}")));
    // infos has no ref_table: it stays in scope inside every section
    EXPECT_EQ(QStringLiteral("Trattoria &lt;Roma&gt;|"),
              render(QStringLiteral("<!-- @section pays where waitername=Bruno -->"
                                    "{infos.installationname}|<!-- @end -->")));
}

TEST_F(Renderer, WhereKeepsTheRecordsEveryConditionHolds)
{
    EXPECT_EQ(QStringLiteral("2250.999."),
              render(QStringLiteral("<!-- @section pays where payformname=Card -->"
                                    "{pays.amount}.<!-- @end -->")));
    EXPECT_EQ(QStringLiteral("999."),
              render(QStringLiteral("<!-- @section pays where payformname=Card waitername!=Bruno "
                                    "-->{pays.amount}.<!-- @end -->")));
}

TEST_F(Renderer, ConditionsParametersAndTexts)
{
    const QHash<QString, QString> parameters {
            {QStringLiteral("header1"), QStringLiteral("Line\nTwo")},
            {QStringLiteral("noheader"), QStringLiteral("no")}};
    EXPECT_EQ(QStringLiteral("Line<br>Two|Y|novoids|Anna"),
              render(QStringLiteral("<!-- @if header1 -->{header1}<!-- @end -->|"
                                    "<!-- @if noheader -->X<!-- @else -->Y<!-- @end -->|"
                                    "<!-- @if not count voids -->novoids<!-- @end -->|"
                                    "<!-- @if count pays -->{pays.waitername}<!-- @end -->"),
                     parameters));
    EXPECT_EQ(QStringLiteral("Summe Subtotal {page}/{pages}"),
              render(QStringLiteral("{@Total} {@Subtotal} {page}/{pages}"), {},
                     {{QStringLiteral("Total"), QStringLiteral("Summe")}}));
}

TEST(RendererFormats, MoneyCountDateAndTruth)
{
    EXPECT_EQ(QStringLiteral("12.35"),
              formatValue(QStringLiteral("1234.5"), QStringLiteral("money")));
    EXPECT_EQ(QStringLiteral("-12.34"),
              formatValue(QStringLiteral("-1234.5"), QStringLiteral("money")));
    EXPECT_EQ(QStringLiteral("-0,05"), formatValue(QStringLiteral("-5"), QStringLiteral("money,")));
    EXPECT_EQ(QStringLiteral("abc"), formatValue(QStringLiteral("abc"), QStringLiteral("money")));
    EXPECT_EQ(QStringLiteral("1.5"), formatValue(QStringLiteral("1.500"), QStringLiteral("count")));
    EXPECT_EQ(QStringLiteral("2"), formatValue(QStringLiteral("2,000"), QStringLiteral("count")));
    EXPECT_EQ(QStringLiteral("05.12.2026"),
              formatValue(QStringLiteral("2026-12-05"), QStringLiteral("date")));
    EXPECT_EQ(QStringLiteral("05.12.2026"),
              formatValue(QStringLiteral("20261205"), QStringLiteral("date")));
    EXPECT_EQ(QStringLiteral("soon"), formatValue(QStringLiteral("soon"), QStringLiteral("date")));

    for (const char *yes : {"yes", "1", "x", "On "})
        EXPECT_TRUE(isTrue(QLatin1String(yes))) << yes;
    for (const char *no : {"", "no", "FALSE", "off", "0", "  "})
        EXPECT_FALSE(isTrue(QLatin1String(no))) << no;
}
