#include "tcrystalcatalogue.h"

#include "logcapture.h"
#include "testdir.h"

#include <gtest/gtest.h>

using namespace Crystal;

namespace {

class Catalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.write(QStringLiteral("a-daily.ini"),
                  "[Settings]\r\nlists = tables,pays\r\nreport = daily.vrt\r\n"
                  "name = Daily sheet\r\nname_de = Tagesblatt\r\nimage = daily.png\r\n");
        dir.write(QStringLiteral("daily.vrt"), "{user}");
        dir.write(QStringLiteral("b-sql.ini"),
                  "[Settings]\r\nlists = tables, SQL\r\nreport = daily.vrt\r\nname = Query\r\n");
        dir.write(QStringLiteral("c-missing.ini"),
                  "[Settings]\r\nlists = pays\r\nreport = gone.vrt\r\nname = Gone\r\n");
        dir.write(QStringLiteral("d-plain.ini"), "[Settings]\r\nreport = daily.vrt\r\n");
        dir.write(QStringLiteral("e-export.ini"), "[default]\r\npays = amount\r\n");
    }

    QList<TCatalogueEntry> scan(const QString &language, const QStringList &enabled = {})
    {
        const QString base = dir.path();
        return scanCatalogue(base, language, enabled,
                             [base](const QString &name) { return base + name; });
    }

    TestDir dir;
};

} // namespace

TEST_F(Catalogue, OffersTheReportsWhoseFilesExistAndNeedNoSql)
{
    LogCapture log;
    const QList<TCatalogueEntry> entries = scan(QStringLiteral("en"));
    ASSERT_EQ(2, entries.size());
    EXPECT_EQ(dir.file(QStringLiteral("daily.vrt")), entries.at(0).report);
    EXPECT_EQ(QStringLiteral("Daily sheet"), entries.at(0).name);
    EXPECT_EQ(dir.file(QStringLiteral("daily.png")), entries.at(0).image);
    EXPECT_EQ(dir.file(QStringLiteral("a-daily.ini")), entries.at(0).ini);
    // no name: the ini's own; no picture: none
    EXPECT_EQ(QStringLiteral("d-plain"), entries.at(1).name);
    EXPECT_EQ(QString(), entries.at(1).image);

    EXPECT_TRUE(log.contains(QStringLiteral("Reports, Report not found for ")
                             + dir.file(QStringLiteral("c-missing.ini"))));
    EXPECT_TRUE(log.contains(QStringLiteral("Scanning ") + dir.file(QStringLiteral("b-sql.ini"))));
}

TEST_F(Catalogue, NamesInTheUsersLanguageAndOnlyTheEnabledReports)
{
    EXPECT_EQ(QStringLiteral("Tagesblatt"), scan(QStringLiteral("de")).at(0).name);
    EXPECT_EQ(QStringLiteral("Tagesblatt"), scan(QStringLiteral("de_AT")).at(0).name);
    const QList<TCatalogueEntry> enabled = scan(QString(), {QStringLiteral("D-PLAIN")});
    ASSERT_EQ(1, enabled.size());
    EXPECT_EQ(QStringLiteral("d-plain"), enabled.at(0).name);
}

TEST(CatalogueEntry, TextRoundTripWithTheReportFirst)
{
    const TCatalogueEntry entry {QStringLiteral("/r/daily.vrt"), QStringLiteral("Daily"), QString(),
                                 QStringLiteral("/r/daily.ini")};
    EXPECT_EQ(QStringLiteral("/r/daily.vrt;Daily;;/r/daily.ini"), entry.text());
    const TCatalogueEntry back = TCatalogueEntry::fromText(entry.text());
    EXPECT_EQ(entry.report, back.report);
    EXPECT_EQ(entry.name, back.name);
    EXPECT_EQ(entry.image, back.image);
    EXPECT_EQ(entry.ini, back.ini);
    EXPECT_TRUE(needsSql(QStringLiteral("tables,sql")));
    EXPECT_FALSE(needsSql(QStringLiteral("tables,sqlite,mysql")));
}
