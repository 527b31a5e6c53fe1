#include "tchainmigrations.h"

#include <gtest/gtest.h>

using ChainLib::TChainMigration;

namespace {

QStringList namesOf(const QList<TChainMigration> &migrations)
{
    QStringList names;
    for (const TChainMigration &m : migrations)
        names << m.name;
    return names;
}

} // namespace

TEST(ChainMigrations, OrderedByTheirNumberNotTheirText)
{
    QList<TChainMigration> ordered;
    ASSERT_TRUE(ChainLib::orderMigrations({QStringLiteral("10_later.sql"),
                                           QStringLiteral("0002_second.sql"),
                                           QStringLiteral("1_first.sql")},
                                          ordered));
    EXPECT_EQ((QStringList {QStringLiteral("1_first.sql"), QStringLiteral("0002_second.sql"),
                            QStringLiteral("10_later.sql")}),
              namesOf(ordered));
    EXPECT_EQ(10, ordered.last().version);
}

TEST(ChainMigrations, BadNamesAndTwiceTheSameVersionAreRefused)
{
    QList<TChainMigration> ordered;
    QString error;
    EXPECT_FALSE(ChainLib::orderMigrations({QStringLiteral("readme.txt")}, ordered, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("readme.txt")));
    EXPECT_FALSE(ChainLib::orderMigrations({QStringLiteral("0_zero.sql")}, ordered, &error));
    EXPECT_FALSE(ChainLib::orderMigrations({QStringLiteral("x1_a.sql")}, ordered, &error));
    EXPECT_FALSE(ChainLib::orderMigrations(
            {QStringLiteral("0003_a.sql"), QStringLiteral("3_b.sql")}, ordered, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("0003_a.sql"))
                && error.contains(QStringLiteral("3_b.sql")))
            << error.toStdString();
}

TEST(ChainMigrations, ProgramCarriesContiguousVersionsWithTheirSql)
{
    const QList<TChainMigration> migrations = ChainLib::chainMigrations();
    ASSERT_GE(migrations.size(), 3);
    for (int i = 0; i < migrations.size(); ++i) {
        EXPECT_EQ(i + 1, migrations[i].version) << migrations[i].name.toStdString();
        // each makes a table or a view
        EXPECT_TRUE(migrations[i].sql.contains(QStringLiteral("CREATE TABLE"))
                    || migrations[i].sql.contains(QStringLiteral("CREATE VIEW"))
                    || migrations[i].sql.contains(QStringLiteral("CREATE OR REPLACE VIEW")))
                << migrations[i].name.toStdString();
    }
}
