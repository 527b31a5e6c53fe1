// 'veltrum serve' as a program: what it refuses to start with, the users
// it is given, and a running server on a demo installation answering what
// the command line writes, without changing a byte of the installation.
#include "httpclient.h"
#include "testdir.h"
#include "veltrumprocess.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString Now = QStringLiteral("2026-12-05T21:00:00");

// A demo installation with three closed days, today's tables and a
// closing record of the last closed day's second closing... made once.
QString writeInstallation(const TestDir &dir)
{
    return writeDemo(dir, 3, 16);
}

QString addUser(const TestDir &dir)
{
    const QString users = dir.file(QStringLiteral("users"));
    const Outcome add
            = veltrum({"serve", "--add-user", "owner", "--users", users}, "correct horse\n");
    EXPECT_EQ(0, add.code) << add.err;
    return users;
}

// A server started for a test, stopped with SIGTERM at the end.
class ServeProcess
{
public:
    explicit ServeProcess(const QStringList &args)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        m_process.setProcessEnvironment(env);
        m_process.start(binPath(QStringLiteral("veltrum")),
                        QStringList {"serve", "--listen", "127.0.0.1:0"} + args);
        // "Serving ... at http://127.0.0.1:PORT/"
        static const QRegularExpression address(QStringLiteral("127\\.0\\.0\\.1:(\\d+)/"));
        while (m_port == 0 && m_process.waitForReadyRead(60000)) {
            m_out += QString::fromUtf8(m_process.readAllStandardOutput());
            const auto match = address.match(m_out);
            if (match.hasMatch())
                m_port = quint16(match.captured(1).toUInt());
        }
    }
    ~ServeProcess() { stop(); }

    quint16 port() const { return m_port; }

    // SIGTERM; the exit code (-1 when it did not end by itself).
    int stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return m_code;
        m_process.terminate();
        if (!m_process.waitForFinished(60000)) {
            m_process.kill();
            m_process.waitForFinished();
            return m_code = -1;
        }
        m_out += QString::fromUtf8(m_process.readAllStandardOutput());
        m_err = QString::fromUtf8(m_process.readAllStandardError());
        return m_code = m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    QString out() const { return m_out; }
    QString err() const { return m_err; }

private:
    QProcess m_process;
    quint16 m_port = 0;
    QString m_out;
    QString m_err;
    int m_code = -1;
};

// Every file and folder below `root` with its size, time of change and
// bytes' hash.
QStringList snapshot(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QString entry = path.mid(root.size()) + QLatin1Char(' ') + QString::number(info.size())
                        + QLatin1Char(' ')
                        + QString::number(info.lastModified().toMSecsSinceEpoch())
                        + QLatin1Char(' ') + QString::number(int(info.permissions()), 16);
        if (info.isFile()) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            entry += QLatin1Char(' ')
                     + QString::fromLatin1(
                             QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                     .toHex());
        }
        entries << entry;
    }
    entries.sort();
    return entries;
}

class Serve : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = new TestDir;
        root = writeInstallation(*dir);
        // a closing with its record: the last demo day closed once more
        // is no good; today's day closed gives Z 104 with a record
        users = addUser(*dir);
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }

    static QStringList serveArgs(const QString &installation)
    {
        return {"--data", installation, "--users", users, "--now", Now};
    }

    inline static TestDir *dir = nullptr;
    inline static QString root;
    inline static QString users;
};

} // namespace

TEST_F(Serve, AnAddressOthersReachNeedsTlsOrInsecure)
{
    const Outcome open
            = veltrum({"serve", "--data", root, "--users", users, "--listen", "0.0.0.0:0"});
    EXPECT_EQ(2, open.code);
    EXPECT_TRUE(open.err.contains("0.0.0.0:0")) << open.err;
    EXPECT_TRUE(open.err.contains("--cert")) << open.err;
    EXPECT_TRUE(open.err.contains("--insecure")) << open.err;
    const Outcome v6 = veltrum({"serve", "--data", root, "--users", users, "--listen", "[::]:0"});
    EXPECT_EQ(2, v6.code);
    const Outcome half = veltrum({"serve", "--data", root, "--users", users, "--cert",
                                  VELTRUM_WEB_TEST_DATA "/test-cert.pem"});
    EXPECT_EQ(2, half.code);
    EXPECT_TRUE(half.err.contains("--cert and --key")) << half.err;
    const Outcome badCert
            = veltrum({"serve", "--data", root, "--users", users, "--listen", "0.0.0.0:0", "--cert",
                       dir->file("missing.pem"), "--key", VELTRUM_WEB_TEST_DATA "/test-key.pem"});
    EXPECT_EQ(1, badCert.code);
    EXPECT_TRUE(badCert.err.contains(dir->file("missing.pem"))) << badCert.err;
    const Outcome bad
            = veltrum({"serve", "--data", root, "--users", users, "--listen", "somewhere:80"});
    EXPECT_EQ(2, bad.code);
    EXPECT_TRUE(bad.err.contains("somewhere")) << bad.err;
}

TEST_F(Serve, NoServerWithoutSomeoneWhoMayLogIn)
{
    const Outcome missing = veltrum({"serve", "--data", root, "--users", dir->file("nobody")});
    EXPECT_EQ(1, missing.code);
    EXPECT_TRUE(missing.err.contains(dir->file("nobody"))) << missing.err;
    dir->write("empty-users", "# nobody yet\n");
    const Outcome empty = veltrum({"serve", "--data", root, "--users", dir->file("empty-users")});
    EXPECT_EQ(1, empty.code);
    EXPECT_TRUE(empty.err.contains("--add-user")) << empty.err;
    dir->write("broken-users", "owner:secret\n");
    const Outcome broken = veltrum({"serve", "--data", root, "--users", dir->file("broken-users")});
    EXPECT_EQ(1, broken.code);
    EXPECT_TRUE(broken.err.contains("line 1")) << broken.err;
    const Outcome noData = veltrum({"serve", "--users", users});
    EXPECT_EQ(2, noData.code);
    EXPECT_TRUE(noData.err.contains("--data")) << noData.err;
}

TEST_F(Serve, UsersAreAddedAndTakenOutFromTheCommandLine)
{
    TestDir own;
    const QString file = own.file("users");
    Outcome r = veltrum({"serve", "--add-user", "anna", "--users", file}, "short\n");
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.err.contains("8")) << r.err;
    EXPECT_FALSE(QFileInfo::exists(file));
    r = veltrum({"serve", "--add-user", "anna", "--users", file}, "");
    EXPECT_EQ(1, r.code);
    r = veltrum({"serve", "--add-user", "anna", "--users", file}, "long enough\n");
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_TRUE(r.out.contains("anna")) << r.out;
    EXPECT_FALSE(r.out.contains("long enough"));
    EXPECT_FALSE(own.read("users").contains("long enough"));
    r = veltrum({"serve", "--add-user", "anna", "--users", file}, "another password\n");
    EXPECT_EQ(0, r.code);
    EXPECT_TRUE(r.out.contains("new password")) << r.out;
    r = veltrum({"serve", "--remove-user", "bob", "--users", file});
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.err.contains("bob")) << r.err;
    r = veltrum({"serve", "--remove-user", "anna", "--users", file});
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_TRUE(own.read("users").isEmpty());
    r = veltrum({"serve", "--add-user", "no good", "--users", file}, "long enough\n");
    EXPECT_EQ(2, r.code);
    r = veltrum({"serve", "--add-user", "anna", "--data", root, "--users", file}, "long enough\n");
    EXPECT_EQ(2, r.code);
    EXPECT_TRUE(r.err.contains("--data")) << r.err;
}

TEST_F(Serve, TheApiAnswersWhatTheCommandLineWrites)
{
    ServeProcess server(serveArgs(root));
    ASSERT_NE(0, server.port()) << server.err().toStdString();
    HttpVisitor visitor(server.port());
    ASSERT_EQ(200, visitor.login("owner", "correct horse").status);

    // the same files through the command line, which may write its cache
    TestDir copyDir;
    const QString copy = copyDir.file("inst");
    ASSERT_EQ(0, QProcess::execute("cp", {"-a", root, copy}));
    const struct
    {
        QByteArray query;
        QStringList args;
    } reports[] = {
            {"kind=5&from=2026-12-02&to=2026-12-04&format=json",
             {"--kind", "5", "--from", "2026-12-02", "--to", "2026-12-04", "--format", "json"}},
            {"kind=5", {"--kind", "5"}},
            {"kind=7&from=2026-12-03&format=csv",
             {"--kind", "7", "--from", "2026-12-03", "--format", "csv"}},
            {"kind=19&from=2026-12-02&to=2026-12-04&period=1",
             {"--kind", "19", "--from", "2026-12-02", "--to", "2026-12-04", "--period", "1"}},
            {"kind=102&from=2026-12-04&turnover=in",
             {"--kind", "102", "--from", "2026-12-04", "--turnover", "in"}},
            {"kind=1&show-bill=yes", {"--kind", "1", "--show-bill", "yes"}},
            {"kind=4&open-tables=1&format=json",
             {"--kind", "4", "--open-tables", "--format", "json"}},
    };
    for (const auto &report : reports) {
        const HttpReply web = visitor.get("/api/report?" + report.query);
        const Outcome cli
                = veltrum(QStringList {"report", "--data", copy, "--now", Now} + report.args);
        ASSERT_EQ(0, cli.code) << cli.err;
        EXPECT_EQ(200, web.status) << report.query.toStdString() << ' ' << web;
        EXPECT_EQ(cli.out.toUtf8(), web.body) << report.query.toStdString();
    }
    const HttpReply z = visitor.get("/api/z?z=103");
    const Outcome zCli = veltrum({"z", "--data", copy, "--show", "103", "--now", Now});
    EXPECT_EQ(zCli.out.toUtf8(), z.body);

    const QJsonObject closings
            = QJsonDocument::fromJson(visitor.get("/api/closings").body).object();
    const QJsonObject zList
            = QJsonDocument::fromJson(
                      veltrum({"z", "--data", copy, "--format", "json"}).out.toUtf8())
                      .object();
    const QJsonArray web = closings.value("closings").toArray();
    const QJsonArray cli = zList.value("closings").toArray();
    ASSERT_EQ(3, cli.size());
    ASSERT_EQ(cli.size(), web.size());
    for (qsizetype i = 0; i < cli.size(); ++i) {
        QJsonObject w = web.at(i).toObject();
        w.remove("amountText");
        EXPECT_EQ(cli.at(i).toObject(), w);
    }

    // today's figures are the "Today" panel's: those of the report of all waiters
    const QJsonObject today = QJsonDocument::fromJson(visitor.get("/api/today").body).object();
    const QJsonObject all = QJsonDocument::fromJson(veltrum({"report", "--data", copy, "--kind",
                                                             "4", "--now", Now, "--format", "json"})
                                                            .out.toUtf8())
                                    .object();
    const QJsonObject figures
            = all.value("sections")[0]["periods"][0]["groups"][0]["figures"].toObject();
    EXPECT_EQ("2026-12-05", today.value("day").toString());
    EXPECT_EQ(figures.value("allAmount").toInteger(), today["figures"]["allAmount"].toInteger());
    EXPECT_EQ("All amount", today["captions"]["allAmount"].toString());
    EXPECT_EQ(figures.value("guests").toInteger(), today["figures"]["guests"].toInteger());
    EXPECT_EQ(figures.value("openTables").toInteger(), today["figures"]["openTables"].toInteger());
    EXPECT_EQ(103, today["lastClosing"]["z"].toInteger());
    // the day's exceptions as the Z report words them: the team's kinds,
    // then the flagged waiters (the demo's day has voids and a waiter who
    // discounts far above the team)
    QStringList exceptions;
    for (const QJsonValue &e : today["exceptions"].toArray())
        exceptions << e["text"].toString();
    ASSERT_FALSE(exceptions.isEmpty());
    EXPECT_TRUE(exceptions.first().startsWith("Voids: 3")) << exceptions.join('|').toStdString();
    EXPECT_TRUE(exceptions.join('|').contains("Clara")) << exceptions.join('|').toStdString();
    // the demo's days begin after the same weekday last week: nothing to compare with
    EXPECT_FALSE(today.contains("comparison"));

    // German for a German browser
    const HttpReply german = visitor.get("/api/report?kind=5", {"Accept-Language: de-DE,de;q=0.9"});
    EXPECT_TRUE(german.body.startsWith("Auswertung")) << german;
    EXPECT_TRUE(visitor.get("/api/report?kind=5").body.startsWith("Summary")) << "English again";
    EXPECT_EQ(0, server.stop());
    EXPECT_TRUE(server.out().contains("Stopped.")) << server.out().toStdString();
    EXPECT_TRUE(server.err().contains("'owner' logged in from 127.0.0.1"))
            << server.err().toStdString();
}

TEST_F(Serve, ParametersFollowTheCommandLinesRules)
{
    ServeProcess server(serveArgs(root));
    ASSERT_NE(0, server.port());
    HttpVisitor visitor(server.port());
    ASSERT_EQ(200, visitor.login("owner", "correct horse").status);
    const struct
    {
        QByteArray target;
        int status;
        const char *names;
    } cases[] = {
            {"/api/report?kind=99", 400, "99"},
            {"/api/report", 400, "--kind"},
            {"/api/report?kind=five", 400, "five"},
            {"/api/report?kind=5&from=2026-13-01", 400, "2026-13-01"},
            {"/api/report?kind=5&from=2026-12-04&to=2026-12-01", 400, "--from"},
            {"/api/report?kind=5&to=2026-12-01", 400, "--to"},
            {"/api/report?kind=5&from=2025-01-01&to=2026-12-01", 400, "400"},
            {"/api/report?kind=5&format=xls", 400, "xls"},
            {"/api/report?kind=5&open-tables=yes", 400, "open-tables"},
            {"/api/report?kind=5&filter=77", 400, "77"},
            {"/api/report?kind=5&turnover=some", 400, "some"},
            {"/api/report?kind=150", 404, "150"},
            {"/api/report?kind=38&format=svg", 400, "38"},
            {"/api/z?z=999", 404, "999"},
            {"/api/z", 400, "z"},
            {"/api/z?z=103&format=csv", 400, "csv"},
            {"/api/closings?from=yesterday", 400, "yesterday"},
            {"/api/chain/report?kind=5&from=2026-12-01", 404, "--db"},
    };
    for (const auto &c : cases) {
        const HttpReply r = visitor.get(c.target);
        EXPECT_EQ(c.status, r.status) << c.target.toStdString() << ' ' << r;
        const QString error = QJsonDocument::fromJson(r.body).object().value("error").toString();
        EXPECT_TRUE(error.contains(QLatin1String(c.names)))
                << c.target.toStdString() << ": " << error;
    }
    // the server is still there for the next question
    EXPECT_EQ(200, visitor.get("/api/report?kind=5&format=svg").status);
}

TEST_F(Serve, BrowsingChangesNothingInTheInstallation)
{
    // what a server would write if it could: a closed day without its
    // summary, another whose tables are newer than its summary, a fiscal
    // batch over a closed day, the cache of closed days
    TestDir own;
    const QString installation = own.file("inst");
    ASSERT_EQ(0, QProcess::execute("cp", {"-a", root, installation}));
    QFile::remove(installation + "/var/summary/2026-12-03.dat");
    QDirIterator tables(installation + "/var/statist/tag04.12.2026", {"a*"}, QDir::Files);
    while (tables.hasNext()) {
        QFile table(tables.next());
        table.open(QIODevice::ReadWrite);
        table.setFileTime(QDateTime::currentDateTime().addSecs(3600),
                          QFileDevice::FileModificationTime);
    }
    const QStringList before = snapshot(installation);
    ASSERT_GT(before.size(), 50);

    ServeProcess server(serveArgs(installation));
    ASSERT_NE(0, server.port());
    HttpVisitor visitor(server.port());
    ASSERT_EQ(200, visitor.login("owner", "correct horse").status);
    for (const char *target :
         {"/api/today", "/api/open-tables", "/api/kinds", "/api/closings",
          "/api/report?kind=5&from=2026-12-02&to=2026-12-04",
          "/api/report?kind=5&from=2026-12-02&to=2026-12-04&format=pdf",
          "/api/report?kind=7&from=2026-12-03&format=svg",
          "/api/report?kind=7&from=2026-12-03&format=png",
          "/api/report?kind=19&from=2026-12-02&to=2026-12-04&format=json",
          "/api/report?kind=38&from=2026-12-04&format=csv", "/api/report?kind=101&from=2026-12-04",
          "/api/report?kind=101&from=2026-12-03&format=json",
          "/api/report?kind=1&from=2026-12-03&to=2026-12-04", "/api/report?kind=2",
          "/api/report?kind=4&open-tables=1", "/api/z?z=102", "/api/z?z=103&format=pdf",
          "/api/z?z=101&format=json", "/"}) {
        const HttpReply r = visitor.get(target);
        EXPECT_EQ(200, r.status) << target << ' ' << r;
    }
    EXPECT_EQ(200,
              visitor.post("/api/logout", "{}",
                           {"Content-Type: application/json", "X-CSRF-Token: " + visitor.csrf()})
                      .status);
    EXPECT_EQ(0, server.stop());
    const QStringList after = snapshot(installation);
    EXPECT_EQ(before, after);
}
