#include "tchainurl.h"

#include "testdir.h"
#include "tvalue.h"

#include <gtest/gtest.h>

using ChainLib::TChainUrl;

namespace {

TChainUrl parsed(const QString &text)
{
    TChainUrl url;
    QString error;
    EXPECT_TRUE(TChainUrl::parse(text, url, &error))
            << text.toStdString() << ": " << error.toStdString();
    return url;
}

QString refused(const QString &text)
{
    TChainUrl url;
    QString error;
    EXPECT_FALSE(TChainUrl::parse(text, url, &error)) << text.toStdString();
    return error;
}

// Sets an environment variable for one test and restores it afterwards.
class Environment
{
public:
    Environment(const char *name, const QByteArray &value)
        : m_name(name)
        , m_old(qgetenv(name))
        , m_had(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~Environment()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_old;
    bool m_had;
};

} // namespace

TEST(ChainUrl, ReadsEveryPartOfTheUsualForms)
{
    const TChainUrl full = parsed(QStringLiteral("postgresql://office@db.example:5433/chain"));
    EXPECT_EQ(QStringLiteral("db.example"), full.host);
    EXPECT_EQ(5433, full.port);
    EXPECT_EQ(QStringLiteral("chain"), full.database);
    EXPECT_EQ(QStringLiteral("office"), full.user);
    EXPECT_TRUE(full.password.isEmpty());

    const TChainUrl plain = parsed(QStringLiteral("postgres://db/chain"));
    EXPECT_EQ(5432, plain.port);
    EXPECT_TRUE(plain.user.isEmpty());

    const TChainUrl v6 = parsed(QStringLiteral("postgresql://u@[::1]:6000/c"));
    EXPECT_EQ(QStringLiteral("::1"), v6.host);
    EXPECT_EQ(6000, v6.port);
    EXPECT_EQ(QStringLiteral("postgresql://u@[::1]:6000/c"), v6.text());
}

TEST(ChainUrl, SocketDirectoryAsEncodedHostOrParameter)
{
    const TChainUrl encoded = parsed(QStringLiteral("postgresql://veltrum@%2Ftmp%2Fpg%20x/db"));
    EXPECT_EQ(QStringLiteral("/tmp/pg x"), encoded.host);
    const TChainUrl parameter
            = parsed(QStringLiteral("postgresql:///db?host=/run/pg&port=5999&user=a%40b"));
    EXPECT_EQ(QStringLiteral("/run/pg"), parameter.host);
    EXPECT_EQ(5999, parameter.port);
    EXPECT_EQ(QStringLiteral("a@b"), parameter.user);
    EXPECT_EQ(QStringLiteral("postgresql://a%40b@/db?host=/run/pg&port=5999"), parameter.text());
    // the text parses back to the same target
    const TChainUrl again = parsed(parameter.text());
    EXPECT_EQ(parameter.host, again.host);
    EXPECT_EQ(parameter.port, again.port);
    EXPECT_EQ(parameter.user, again.user);
}

TEST(ChainUrl, PasswordIsTakenButNeverShown)
{
    const TChainUrl url = parsed(QStringLiteral("postgresql://office:s3cr%3At@db/chain"));
    EXPECT_EQ(QStringLiteral("s3cr:t"), url.password);
    EXPECT_FALSE(url.text().contains(QStringLiteral("s3cr")));
    EXPECT_EQ(QStringLiteral("postgresql://office@db/chain"), url.text());
    // nor in an error about the rest of the URL
    EXPECT_FALSE(refused(QStringLiteral("postgresql://office:s3cret@db:99999/chain"))
                         .contains(QStringLiteral("s3cret")));
}

TEST(ChainUrl, RefusesWhatIsNoPostgresqlTarget)
{
    EXPECT_TRUE(refused(QStringLiteral("mysql://db/chain")).contains(QStringLiteral("PostgreSQL")));
    EXPECT_TRUE(refused(QStringLiteral("postgresql://db")).contains(QStringLiteral("database")));
    EXPECT_TRUE(refused(QStringLiteral("postgresql://db:0/c")).contains(QStringLiteral("port")));
    EXPECT_TRUE(refused(QStringLiteral("postgresql://db:x/c")).contains(QStringLiteral("port")));
    EXPECT_TRUE(refused(QStringLiteral("postgresql://db/c?sslmode=require"))
                        .contains(QStringLiteral("sslmode")));
    EXPECT_TRUE(refused(QStringLiteral("postgresql://[::1/c")).contains(QStringLiteral("IPv6")));
}

TEST(ChainUrl, InstallationRecordNamesServerDatabaseAndLogin)
{
    Basics::TValue record;
    record.setString(QStringLiteral("dbservername"), QStringLiteral("db.example:5444"));
    record.setString(QStringLiteral("dbdatabasename"), QStringLiteral("chain"));
    record.setString(QStringLiteral("dbusername"), QStringLiteral("office"));
    record.setString(QStringLiteral("dbpassword"), QStringLiteral("pw"));
    TChainUrl url;
    ASSERT_TRUE(TChainUrl::fromInstallation(record, url));
    EXPECT_EQ(QStringLiteral("db.example"), url.host);
    EXPECT_EQ(5444, url.port);
    // the integrated login: no user name or password of the record
    EXPECT_TRUE(url.user.isEmpty());
    EXPECT_TRUE(url.password.isEmpty());

    record.setBool(QStringLiteral("dbnointegratedsec"), true);
    ASSERT_TRUE(TChainUrl::fromInstallation(record, url));
    EXPECT_EQ(QStringLiteral("office"), url.user);
    EXPECT_EQ(QStringLiteral("pw"), url.password);

    // a socket directory, and a whole URL whose database the field overrides
    ASSERT_TRUE(TChainUrl::fromTarget(QStringLiteral("/run/pg"), QStringLiteral("c"), {}, {}, url));
    EXPECT_EQ(QStringLiteral("/run/pg"), url.host);
    EXPECT_EQ(5432, url.port);
    ASSERT_TRUE(TChainUrl::fromTarget(QStringLiteral("postgresql://u@h:7000/old"),
                                      QStringLiteral("new"), {}, {}, url));
    EXPECT_EQ(QStringLiteral("h"), url.host);
    EXPECT_EQ(7000, url.port);
    EXPECT_EQ(QStringLiteral("u"), url.user);
    EXPECT_EQ(QStringLiteral("new"), url.database);
    ASSERT_TRUE(TChainUrl::fromTarget(QStringLiteral("postgresql://u@h/"), QStringLiteral("d"), {},
                                      {}, url));
    EXPECT_EQ(QStringLiteral("d"), url.database);

    EXPECT_FALSE(TChainUrl::fromTarget(QStringLiteral("db"), QString(), {}, {}, url));
    EXPECT_FALSE(
            TChainUrl::fromTarget(QStringLiteral("db:port"), QStringLiteral("c"), {}, {}, url));
}

TEST(ChainUrl, PasswordFromEnvironmentOrFile)
{
    TestDir dir;
    dir.write(QStringLiteral("pw"), "from file\nsecond line\n");
    dir.write(QStringLiteral("other"), "other file\r\n");
    const Environment noFile("VELTRUM_CHAIN_PASSWORD_FILE", QByteArray());

    {
        const Environment env("VELTRUM_CHAIN_PASSWORD", "from env");
        TChainUrl url = parsed(QStringLiteral("postgresql://u@h/d"));
        ASSERT_TRUE(url.resolvePassword());
        EXPECT_EQ(QStringLiteral("from env"), url.password);
        // a file given on the command line wins over the environment
        TChainUrl named = parsed(QStringLiteral("postgresql://u@h/d"));
        ASSERT_TRUE(named.resolvePassword(dir.file(QStringLiteral("pw"))));
        EXPECT_EQ(QStringLiteral("from file"), named.password);
        // and a password of the URL or the record wins over both
        TChainUrl given = parsed(QStringLiteral("postgresql://u:given@h/d"));
        ASSERT_TRUE(given.resolvePassword(dir.file(QStringLiteral("pw"))));
        EXPECT_EQ(QStringLiteral("given"), given.password);
    }
    {
        const Environment env("VELTRUM_CHAIN_PASSWORD", QByteArray());
        const Environment file("VELTRUM_CHAIN_PASSWORD_FILE",
                               dir.file(QStringLiteral("other")).toUtf8());
        TChainUrl url = parsed(QStringLiteral("postgresql://u@h/d"));
        ASSERT_TRUE(url.resolvePassword());
        EXPECT_EQ(QStringLiteral("other file"), url.password);

        TChainUrl missing = parsed(QStringLiteral("postgresql://u@h/d"));
        QString error;
        EXPECT_FALSE(missing.resolvePassword(dir.file(QStringLiteral("none")), &error));
        EXPECT_TRUE(error.contains(QStringLiteral("none")));
    }
    {
        // nothing anywhere: left to the client library (PGPASSWORD, ~/.pgpass)
        const Environment env("VELTRUM_CHAIN_PASSWORD", QByteArray());
        TChainUrl url = parsed(QStringLiteral("postgresql://u@h/d"));
        ASSERT_TRUE(url.resolvePassword());
        EXPECT_TRUE(url.password.isEmpty());
    }
}
