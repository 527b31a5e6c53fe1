#include "chainserver.h"

#include "tchainday.h"
#include "tchainmigrations.h"
#include "tchainupload.h"
#include "testdir.h"
#include "veltrumprocess.h"

#include <QJsonObject>
#include <QSqlQuery>

using namespace ChainLib;

namespace {

const QDate Day(2026, 12, 4);

} // namespace

TEST_F(ChainServerTest, MigrationsApplyOnceInOrderAndAFailedOneRollsBackWhole)
{
    ASSERT_EQ(0, schemaVersion(db));
    const int all = int(chainMigrations().size());
    EXPECT_EQ(all, applyMigrations(db)) << db.error().toStdString();
    EXPECT_EQ(all, schemaVersion(db));
    const QString before = digest();
    EXPECT_EQ(0, applyMigrations(db));
    EXPECT_EQ(before, digest());

    // the command line says the same
    const Outcome init = veltrum(
            {QStringLiteral("chain"), QStringLiteral("init"), QStringLiteral("--db"), urlText()});
    EXPECT_EQ(0, init.code) << init.err;
    EXPECT_TRUE(init.out.contains(QStringLiteral("schema version %1, 0 migrations").arg(all)))
            << init.out;

    // a migration that fails leaves nothing of itself behind
    TChainMigration good {all + 1, QStringLiteral("x_good.sql"),
                          QStringLiteral("CREATE TABLE extra_a (x integer);")};
    TChainMigration bad {all + 2, QStringLiteral("x_bad.sql"),
                         QStringLiteral("CREATE TABLE extra_b (x integer); SELECT no_such_thing;")};
    EXPECT_EQ(-1, applyMigrations(db, {good, bad}));
    EXPECT_EQ(all + 1, schemaVersion(db));
    EXPECT_EQ(0, number(QStringLiteral("SELECT count(*) FROM pg_tables WHERE tablename = "
                                       "'extra_b'")));
    bad.sql = QStringLiteral("CREATE TABLE extra_b (x integer);");
    EXPECT_EQ(1, applyMigrations(db, {good, bad}));
    EXPECT_EQ(all + 2, schemaVersion(db));
}

TEST_F(ChainServerTest, DayArrivesWholeAndSendingItTwiceChangesNothing)
{
    TestDir dir;
    const QString root = writeDemo(dir, 2, 8);
    ASSERT_LT(0, applyMigrations(db));

    TChainDayData data;
    QString error;
    ASSERT_TRUE(readChainDay(root, Day, data, &error)) << error.toStdString();
    EXPECT_EQ(8, data.billCount);
    ASSERT_TRUE(uploadDay(db, data, &error)) << error.toStdString();
    const QString once = digest();
    ASSERT_TRUE(uploadDay(db, data, &error)) << error.toStdString();
    EXPECT_EQ(once, digest());

    // what reports and queries use is in typed columns and adds up
    EXPECT_EQ(8, number(QStringLiteral("SELECT count(*) FROM bills")));
    EXPECT_EQ(data.amount, number(QStringLiteral("SELECT sum(amount) FROM bills")));
    EXPECT_EQ(data.amount, number(QStringLiteral("SELECT amount FROM days")));
    EXPECT_EQ(data.amount,
              number(QStringLiteral("SELECT sum(amount) FROM bill_entries WHERE type = 3")));
    EXPECT_EQ(8, number(QStringLiteral("SELECT count(*) FROM bill_entries WHERE type = 1")));
    EXPECT_EQ(0, number(QStringLiteral("SELECT count(*) FROM bill_entries WHERE type = 3 AND "
                                       "(plu = 0 OR fields->>'plu' IS NULL)")));
    // the day summary, and the groups of both sides with and without record rows
    EXPECT_EQ(9, number(QStringLiteral("SELECT count(*) FROM day_aggregates")));
    EXPECT_EQ(8, number(QStringLiteral("SELECT count(*) FROM day_aggregates WHERE kind LIKE "
                                       "'groups/%'")));
    EXPECT_LT(10, number(QStringLiteral("SELECT count(*) FROM outlet_files")));

    // a bill whose file changed is replaced with its entries, the rest stays
    QJsonObject first = data.bills[0].toObject();
    first.insert(QStringLiteral("sha256"), QStringLiteral("changed"));
    data.bills[0] = first;
    ASSERT_TRUE(uploadDay(db, data, &error)) << error.toStdString();
    EXPECT_EQ(1, number(QStringLiteral("SELECT count(*) FROM bills WHERE sha256 = 'changed'")));
    EXPECT_EQ(8, number(QStringLiteral("SELECT count(*) FROM bill_entries WHERE type = 1")));
}

TEST_F(ChainServerTest, DayNeverClosedIsNoDay)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 3);
    TChainDayData data;
    QString error;
    EXPECT_FALSE(readChainDay(root, QDate(2026, 12, 5), data, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("2026-12-05"))) << error.toStdString();
}
