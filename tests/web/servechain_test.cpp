// 'veltrum serve --db': the outlets of the chain database and the chain
// report through the web view, against the command line's. Needs the test
// PostgreSQL server (scripts/test.sh starts one); skipped without it.
#include "chainserver.h"
#include "httpclient.h"
#include "testdir.h"
#include "veltrumprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

namespace {

class ServeChain : public ChainServerTest
{
};

} // namespace

TEST_F(ServeChain, TheChainIsTheCommandLinesChain)
{
    TestDir dir;
    const QString root = dir.file(QStringLiteral("inst"));
    ASSERT_EQ(
            0,
            veltrum({"demo", root, "--days", "3", "--tables", "10", "--today", "2026-12-05"}).code);
    ASSERT_EQ(0, veltrum({"chain", "init", "--db", urlText()}).code);
    const Outcome pushed = veltrum({"chain", "push", "--data", root, "--db", urlText(), "--from",
                                    "2026-12-02", "--to", "2026-12-04"});
    ASSERT_EQ(0, pushed.code) << pushed.err.toStdString();
    const QString users = dir.file(QStringLiteral("users"));
    ASSERT_EQ(0,
              veltrum({"serve", "--add-user", "owner", "--users", users}, "correct horse\n").code);

    QProcess server;
    server.start(binPath(QStringLiteral("veltrum")),
                 {"serve", "--data", root, "--users", users, "--db", urlText(), "--listen",
                  "127.0.0.1:0", "--now", "2026-12-05T21:00:00"});
    quint16 port = 0;
    QString out;
    static const QRegularExpression address(QStringLiteral("127\\.0\\.0\\.1:(\\d+)/"));
    while (port == 0 && server.waitForReadyRead(60000)) {
        out += QString::fromUtf8(server.readAllStandardOutput());
        const auto m = address.match(out);
        if (m.hasMatch())
            port = quint16(m.captured(1).toUInt());
    }
    ASSERT_NE(0, port);
    HttpVisitor visitor(port);
    const HttpReply login = visitor.login("owner", "correct horse");
    ASSERT_EQ(200, login.status);
    EXPECT_TRUE(QJsonDocument::fromJson(login.body).object().value("chain").toBool());

    const QJsonArray outlets
            = QJsonDocument::fromJson(visitor.get("/api/chain/outlets").body)["outlets"].toArray();
    ASSERT_EQ(1, outlets.size());
    const int office = outlets.at(0)["office"].toInt();
    EXPECT_GT(office, 0);

    for (const QByteArray &format : {QByteArray("json"), QByteArray("text")}) {
        const HttpReply web = visitor.get("/api/chain/report?kind=5&from=2026-12-02&to=2026-12-04"
                                          "&format="
                                          + format);
        const Outcome cli
                = veltrum({"chain", "report", "--db", urlText(), "--kind", "5", "--from",
                           "2026-12-02", "--to", "2026-12-04", "--now", "2026-12-05T21:00:00",
                           "--format", QString::fromLatin1(format)});
        ASSERT_EQ(0, cli.code) << cli.err.toStdString();
        EXPECT_EQ(200, web.status) << web;
        EXPECT_EQ(cli.out.toUtf8(), web.body) << format.toStdString();
    }
    const HttpReply perOutlet = visitor.get("/api/chain/report?kind=7&from=2026-12-04&per-outlet=1"
                                            "&outlets="
                                            + QByteArray::number(office) + "&format=json");
    EXPECT_EQ(200, perOutlet.status) << perOutlet;
    EXPECT_EQ(1, QJsonDocument::fromJson(perOutlet.body)["reports"].toArray().size());
    // the command line's rules
    EXPECT_EQ(400, visitor.get("/api/chain/report?kind=1&from=2026-12-04").status);
    EXPECT_EQ(400, visitor.get("/api/chain/report?kind=5").status);
    EXPECT_EQ(400, visitor.get("/api/chain/report?kind=5&from=2026-12-04&outlets=999").status);
    EXPECT_EQ(400, visitor.get("/api/chain/report?kind=5&from=2026-12-04&format=svg").status);
    server.terminate();
    EXPECT_TRUE(server.waitForFinished(60000));
    EXPECT_EQ(0, server.exitCode());
}
