#include "chainserver.h"

#include <QRandomGenerator>
#include <QSqlQuery>

void ChainServerTest::SetUp()
{
    const QString admin = qEnvironmentVariable("VELTRUM_TEST_DB");
    if (admin.isEmpty())
        GTEST_SKIP() << "VELTRUM_TEST_DB names no PostgreSQL server; scripts/test.sh starts one";
    QString error;
    ASSERT_TRUE(ChainLib::TChainUrl::parse(admin, m_admin, &error)) << error.toStdString();
    const QString name
            = QStringLiteral("chain_test_%1")
                      .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
    {
        ChainLib::TChainDb server;
        ASSERT_TRUE(server.open(m_admin)) << server.error().toStdString();
        ASSERT_TRUE(server.exec(QStringLiteral("CREATE DATABASE %1").arg(name)))
                << server.error().toStdString();
    }
    m_url = m_admin;
    m_url.database = name;
    ASSERT_TRUE(db.open(m_url)) << db.error().toStdString();
}

void ChainServerTest::TearDown()
{
    if (m_url.database.isEmpty())
        return;
    db.database().close();
    ChainLib::TChainDb server;
    if (server.open(m_admin))
        server.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_url.database));
}

QString ChainServerTest::deadUrlText()
{
    return QStringLiteral("postgresql://veltrum@/chain?host=/nonexistent/veltrum-test-socket");
}

QString ChainServerTest::digest()
{
    QString all;
    for (const char *table : {"outlets", "outlet_files", "days", "closings", "bills",
                              "bill_entries", "day_aggregates", "schema_version"}) {
        QSqlQuery query(db.database());
        const QString statement = QStringLiteral("SELECT count(*), md5(coalesce(string_agg(t::text "
                                                 "|| ':' || t.xmin::text, '|' ORDER BY t::text), "
                                                 "'')) FROM %1 t")
                                          .arg(QLatin1String(table));
        EXPECT_TRUE(db.exec(query, statement, {})) << db.error().toStdString();
        if (query.next())
            all += QLatin1String(table) + QLatin1Char('=') + query.value(0).toString()
                   + QLatin1Char('/') + query.value(1).toString() + QLatin1Char(' ');
    }
    return all;
}

qint64 ChainServerTest::number(const QString &statement)
{
    QSqlQuery query(db.database());
    EXPECT_TRUE(db.exec(query, statement, {})) << db.error().toStdString();
    return query.next() ? query.value(0).toLongLong() : -1;
}
