#include "treporttemplate.h"

#include "testdir.h"

#include <gtest/gtest.h>

using namespace PrintEngine;

namespace {

TPlaceholder placeholder(const QString &inside)
{
    TPlaceholder p;
    EXPECT_TRUE(parsePlaceholder(inside, p)) << inside.toStdString();
    return p;
}

bool isPlaceholder(const QString &inside)
{
    TPlaceholder p;
    return parsePlaceholder(inside, p);
}

} // namespace

TEST(ReportTemplate, PlaceholdersOfEveryKind)
{
    TPlaceholder p = placeholder(QStringLiteral("header1"));
    EXPECT_EQ(TPlaceholder::Parameter, p.kind);
    EXPECT_EQ(QStringLiteral("header1"), p.name);

    p = placeholder(QStringLiteral("pays.amount:money,"));
    EXPECT_EQ(TPlaceholder::Field, p.kind);
    EXPECT_EQ(QStringLiteral("pays"), p.name);
    EXPECT_EQ(QStringLiteral("amount"), p.field);
    EXPECT_EQ(QStringLiteral("money,"), p.format);

    p = placeholder(QStringLiteral("sum orders.maxamount:money"));
    EXPECT_EQ(TPlaceholder::Sum, p.kind);
    EXPECT_EQ(QStringLiteral("orders"), p.name);
    EXPECT_EQ(QStringLiteral("maxamount"), p.field);

    p = placeholder(QStringLiteral("count tables"));
    EXPECT_EQ(TPlaceholder::Count, p.kind);
    EXPECT_EQ(QStringLiteral("tables"), p.name);

    EXPECT_EQ(TPlaceholder::LanguageText, placeholder(QStringLiteral("@Total")).kind);
    EXPECT_EQ(TPlaceholder::PageNumber, placeholder(QStringLiteral("pages")).kind);
}

TEST(ReportTemplate, BracesThatAreNoPlaceholdersStayText)
{
    // style sheets, unknown formats, sums without a field, counts of a field
    EXPECT_FALSE(isPlaceholder(QStringLiteral(" padding: 2px ")));
    EXPECT_FALSE(isPlaceholder(QStringLiteral("color:red")));
    EXPECT_FALSE(isPlaceholder(QStringLiteral("sum pays")));
    EXPECT_FALSE(isPlaceholder(QStringLiteral("count pays.amount")));
    EXPECT_FALSE(isPlaceholder(QStringLiteral("a.b.c")));
    EXPECT_FALSE(isPlaceholder(QString()));

    TReportTemplate design;
    ASSERT_TRUE(design.parse(QStringLiteral("<style>td { padding: 2px }</style>{user}")));
    ASSERT_EQ(2, design.body().size());
    EXPECT_EQ(QStringLiteral("<style>td { padding: 2px }</style>"), design.body().at(0).text);
    EXPECT_EQ(TTemplateNode::Value, design.body().at(1).kind);
}

TEST(ReportTemplate, ParametersInOrderOfFirstMentionWithDeclaredDefaults)
{
    TReportTemplate design;
    ASSERT_TRUE(design.parse(QStringLiteral("{user} <!-- @parameter weather sunny, warm -->\n"
                                            "<!-- @if noheader -->{header1}<!-- @end -->"
                                            "{user}{pays.amount}{@Total}{page}")));
    const QList<TReportTemplate::Parameter> &fields = design.parameters();
    ASSERT_EQ(4, fields.size());
    EXPECT_EQ(QStringLiteral("user"), fields.at(0).name);
    EXPECT_EQ(QStringLiteral("weather"), fields.at(1).name);
    EXPECT_EQ(QStringLiteral("sunny, warm"), fields.at(1).defaultValue);
    EXPECT_EQ(QStringLiteral("noheader"), fields.at(2).name);
    EXPECT_EQ(QStringLiteral("header1"), fields.at(3).name);
}

TEST(ReportTemplate, SectionsIfsAndPageParts)
{
    TReportTemplate design;
    ASSERT_TRUE(design.parse(
            QStringLiteral("<!-- @pageheader -->H {page}<!-- @end -->"
                           "<!-- @section pays by waitername where voided!=yes payform=1 -->"
                           "<!-- @section pays -->x<!-- @end -->"
                           "<!-- @end -->"
                           "<!-- @if not count voids -->none<!-- @else -->some<!-- @end -->"
                           "<!-- @pagefooter -->F<!-- @end -->")));
    ASSERT_EQ(2, design.body().size());
    const TTemplateNode &section = design.body().at(0);
    EXPECT_EQ(TTemplateNode::Section, section.kind);
    EXPECT_EQ(QStringLiteral("pays"), section.list);
    EXPECT_EQ(QStringLiteral("waitername"), section.groupBy);
    ASSERT_EQ(2, section.where.size());
    EXPECT_FALSE(section.where.at(0).equal);
    EXPECT_EQ(QStringLiteral("voided"), section.where.at(0).field);
    EXPECT_EQ(QStringLiteral("yes"), section.where.at(0).value);
    EXPECT_TRUE(section.where.at(1).equal);
    ASSERT_EQ(1, section.children.size());
    EXPECT_EQ(TTemplateNode::Section, section.children.at(0).kind);

    const TTemplateNode &test = design.body().at(1);
    EXPECT_EQ(TTemplateNode::If, test.kind);
    EXPECT_TRUE(test.negate);
    EXPECT_TRUE(test.countList);
    EXPECT_EQ(QStringLiteral("voids"), test.condition);
    EXPECT_EQ(QStringLiteral("none"), test.children.at(0).text);
    EXPECT_EQ(QStringLiteral("some"), test.otherwise.at(0).text);

    EXPECT_EQ(2, design.pageHeader().size());
    EXPECT_EQ(1, design.pageFooter().size());
    // counts of lists are no parameters
    EXPECT_TRUE(design.parameters().isEmpty());
}

TEST(ReportTemplate, MistakesAreReportedWithTheirLine)
{
    const QList<QPair<QString, QString>> cases = {
            {QStringLiteral("a\n<!-- @end -->"), QStringLiteral("line 2: @end without a start")},
            {QStringLiteral("\n\n<!-- @section pays -->x"),
             QStringLiteral("line 3: block not closed with @end")},
            {QStringLiteral("<!-- @repeat pays -->"),
             QStringLiteral("line 1: unknown directive @repeat")},
            {QStringLiteral("<!-- @else -->"), QStringLiteral("line 1: @else without @if")},
            {QStringLiteral("<!-- @section pays order amount --><!-- @end -->"),
             QStringLiteral("line 1: @section: unexpected order")},
            {QStringLiteral("<!-- @section pays --><!-- @pageheader --><!-- @end --><!-- @end -->"),
             QStringLiteral("line 1: @pageheader inside another block")},
    };
    for (const auto &c : cases) {
        TReportTemplate design;
        EXPECT_FALSE(design.parse(c.first)) << c.first.toStdString();
        EXPECT_EQ(c.second, design.errorText());
    }
}

TEST(ReportTemplate, LoadsUtf8Files)
{
    TestDir dir;
    dir.write(QStringLiteral("r.vrt"), QStringLiteral("Caffè {user}").toUtf8());
    TReportTemplate design;
    ASSERT_TRUE(design.load(dir.file(QStringLiteral("r.vrt"))));
    EXPECT_EQ(QStringLiteral("Caffè "), design.body().at(0).text);
    EXPECT_FALSE(design.load(dir.file(QStringLiteral("missing.vrt"))));
    EXPECT_TRUE(design.errorText().contains(QStringLiteral("missing.vrt")));
}
