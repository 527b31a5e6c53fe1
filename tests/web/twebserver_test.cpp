#include "httpclient.h"
#include "testdir.h"
#include "tusersfile.h"
#include "twebengine.h"
#include "twebservice.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSslKey>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

using namespace WebLib;

namespace {

// Waits, running the event loop, until `socket` is closed by the server;
// true when it was (within a bound far above any limit of these tests).
bool closedByServer(QTcpSocket &socket, QByteArray *received = nullptr, int seconds = 120)
{
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, [&] {
        if (received)
            *received += socket.readAll();
    });
    if (socket.state() == QAbstractSocket::ConnectedState) {
        bound.start(seconds * 1000);
        loop.exec();
    }
    if (received)
        *received += socket.readAll();
    return socket.state() != QAbstractSocket::ConnectedState;
}

bool connectTo(QTcpSocket &socket, quint16 port)
{
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    return socket.waitForConnected(30000);
}

// The server over real sockets, with an API that answers at once and
// counts its calls, and the limits made small.
class WebServer : public ::testing::Test
{
protected:
    void start(TWebLimits limits = TWebLimits(), bool tls = false)
    {
        TUsersFile users(dir.file("users"));
        users.setPassword("owner", "correct horse", THashCost::Minimal);
        ASSERT_TRUE(users.save());
        TWebService::Config config;
        config.listen.port = 0;
        config.site.usersPath = dir.file("users");
        config.site.limits = limits;
        config.routes = {{QStringLiteral("/api/today"), {}},
                         {QStringLiteral("/api/report"), {QStringLiteral("kind")}}};
        config.handler = [this](const TApiCall &call) {
            ++calls;
            return TWebResponse::json("{\"kind\":\"" + call.param("kind").toLatin1() + "\"}");
        };
        if (tls) {
            config.tls = true;
            config.tlsConfiguration = testTls();
        }
        service = std::make_unique<TWebService>(config);
        QString error;
        ASSERT_TRUE(service->start(&error)) << error.toStdString();
        port = service->port();
    }

    static QSslConfiguration testTls()
    {
        QFile cert(QStringLiteral(VELTRUM_WEB_TEST_DATA "/test-cert.pem"));
        QFile key(QStringLiteral(VELTRUM_WEB_TEST_DATA "/test-key.pem"));
        EXPECT_TRUE(cert.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly));
        QSslConfiguration c = QSslConfiguration::defaultConfiguration();
        c.setLocalCertificate(QSslCertificate(cert.readAll()));
        c.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa));
        c.setPeerVerifyMode(QSslSocket::VerifyNone);
        return c;
    }

    TestDir dir;
    std::unique_ptr<TWebService> service;
    quint16 port = 0;
    int calls = 0;
};

} // namespace

TEST_F(WebServer, EveryAnswerCarriesTheSecurityHeaders)
{
    start();
    for (const QByteArray &path :
         {QByteArray("/"), QByteArray("/assets/app.js"), QByteArray("/api/session"),
          QByteArray("/api/today"), QByteArray("/nothing")}) {
        const HttpReply r = exchange(port, getRequest(port, path));
        ASSERT_NE(0, r.status) << path.toStdString();
        const QByteArray csp = r.header("content-security-policy");
        EXPECT_TRUE(csp.contains("default-src 'none'")) << path.toStdString();
        EXPECT_TRUE(csp.contains("script-src 'self'"));
        EXPECT_FALSE(csp.contains("unsafe-inline"));
        EXPECT_TRUE(csp.contains("frame-ancestors 'none'"));
        EXPECT_EQ("nosniff", r.header("x-content-type-options"));
        EXPECT_EQ("DENY", r.header("x-frame-options"));
        EXPECT_EQ("no-referrer", r.header("referrer-policy"));
        EXPECT_EQ("no-store", r.header("cache-control"));
        EXPECT_TRUE(r.header("strict-transport-security").isEmpty()); // not without TLS
    }
    // the page has no script of its own inline: its script is a file
    const HttpReply page = exchange(port, getRequest(port, "/"));
    EXPECT_TRUE(page.body.contains("<script src=\"/assets/app.js\""));
    EXPECT_FALSE(page.body.contains("<script>"));
    EXPECT_FALSE(page.body.contains(" on"
                                    "click="));
    EXPECT_FALSE(page.body.contains("style=\""));
    EXPECT_FALSE(page.body.contains("http://"));
    EXPECT_FALSE(page.body.contains("https://"));
    EXPECT_TRUE(exchange(port, getRequest(port, "/assets/app.js"))
                        .header("content-type")
                        .startsWith("application/javascript"));
}

TEST_F(WebServer, TraversalOverTheWireFindsNothing)
{
    start();
    for (const QByteArray &target :
         {QByteArray("/../../../../etc/passwd"), QByteArray("/%2e%2e/%2e%2e/etc/passwd"),
          QByteArray("/assets/..%2f..%2f..%2fetc%2fpasswd"), QByteArray("/assets/%2E%2E/app.js"),
          QByteArray("//etc/passwd"), QByteArray("/assets/app.js%00"),
          QByteArray("/assets/..%5c..%5cetc%5cpasswd"), QByteArray("/.%2e/.%2e/etc/passwd")}) {
        const HttpReply r = exchange(port, getRequest(port, target));
        EXPECT_TRUE(r.status == 400 || r.status == 404) << target.toStdString() << ' ' << r;
        EXPECT_FALSE(r.body.contains("root:")) << target.toStdString();
    }
}

TEST_F(WebServer, OversizedHeadersAreRefusedAndTheConnectionClosed)
{
    TWebLimits limits;
    limits.maxHeaderBytes = 2048;
    start(limits);
    const HttpReply small
            = exchange(port, getRequest(port, "/api/session", {"X-Pad: " + QByteArray(1500, 'a')}));
    EXPECT_EQ(200, small.status);
    const HttpReply big
            = exchange(port, getRequest(port, "/api/session", {"X-Pad: " + QByteArray(3000, 'a')}));
    EXPECT_EQ(431, big.status);
    EXPECT_TRUE(big.closed);
    // a header that never ends is refused once it passes the limit
    QTcpSocket socket;
    ASSERT_TRUE(connectTo(socket, port));
    socket.write("GET / HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\nX-Pad: ");
    QByteArray received;
    for (int i = 0; i < 10 && socket.state() == QAbstractSocket::ConnectedState; ++i) {
        socket.write(QByteArray(1024, 'b'));
        socket.waitForBytesWritten(10000);
        received += socket.readAll();
    }
    EXPECT_TRUE(closedByServer(socket, &received));
    EXPECT_TRUE(received.startsWith("HTTP/1.1 431")) << received.left(100).toStdString();
    // a long address is a header too
    const HttpReply longPath = exchange(port, getRequest(port, "/" + QByteArray(4000, 'a')));
    EXPECT_EQ(431, longPath.status);
}

TEST_F(WebServer, OversizedBodiesAreRefusedBeforeTheyArrive)
{
    start();
    // announced a megabyte, sends nothing of it: answered at once
    QTcpSocket socket;
    ASSERT_TRUE(connectTo(socket, port));
    socket.write("POST /api/login HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port)
                 + "\r\nContent-Type: application/json\r\nContent-Length: 1048576\r\n\r\n");
    QByteArray received;
    EXPECT_TRUE(closedByServer(socket, &received));
    EXPECT_TRUE(received.startsWith("HTTP/1.1 413")) << received.left(100).toStdString();
    // a body without a length
    const HttpReply chunked = exchange(
            port, "POST /api/login HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port)
                          + "\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n");
    EXPECT_EQ(411, chunked.status);
    EXPECT_TRUE(chunked.closed);
}

TEST_F(WebServer, ASlowClientIsCutOff)
{
    TWebLimits limits;
    limits.requestSeconds = 1;
    start(limits);
    // half a request, then nothing: 408 and closed
    QTcpSocket socket;
    ASSERT_TRUE(connectTo(socket, port));
    socket.write("GET /api/session HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port)
                 + "\r\n");
    QByteArray received;
    EXPECT_TRUE(closedByServer(socket, &received));
    EXPECT_TRUE(received.startsWith("HTTP/1.1 408")) << received.left(100).toStdString();
    // a connection that never sends a byte is closed too
    QTcpSocket silent;
    ASSERT_TRUE(connectTo(silent, port));
    EXPECT_TRUE(closedByServer(silent));
    // the server still answers everyone else
    EXPECT_EQ(200, exchange(port, getRequest(port, "/api/session")).status);
}

TEST_F(WebServer, AnIdleConnectionIsClosedAfterItsAnswer)
{
    TWebLimits limits;
    limits.idleSeconds = 1;
    start(limits);
    QTcpSocket socket;
    ASSERT_TRUE(connectTo(socket, port));
    socket.write(getRequest(port, "/api/session"));
    QByteArray received;
    EXPECT_TRUE(closedByServer(socket, &received));
    EXPECT_TRUE(received.startsWith("HTTP/1.1 200")) << received.left(100).toStdString();
}

TEST_F(WebServer, ConnectionsBeyondTheLimitAreClosed)
{
    TWebLimits limits;
    limits.maxConnections = 3;
    start(limits);
    QTcpSocket held[3];
    for (QTcpSocket &s : held) {
        ASSERT_TRUE(connectTo(s, port));
        // an answer proves the server counts it
        s.write(getRequest(port, "/api/session"));
        ASSERT_TRUE(s.waitForReadyRead(30000));
        s.readAll();
    }
    QTcpSocket extra;
    ASSERT_TRUE(connectTo(extra, port));
    extra.write(getRequest(port, "/api/session"));
    QByteArray received;
    EXPECT_TRUE(closedByServer(extra, &received));
    EXPECT_TRUE(received.isEmpty());
    // once one goes, a new one is taken
    held[0].disconnectFromHost();
    if (held[0].state() != QAbstractSocket::UnconnectedState)
        held[0].waitForDisconnected(10000);
    HttpReply again;
    for (int attempt = 0; attempt < 100 && again.status == 0; ++attempt)
        again = exchange(port, getRequest(port, "/api/session"));
    EXPECT_EQ(200, again.status);
}

TEST_F(WebServer, AnswersComeFromTheEngineOncePerQuestion)
{
    start();
    HttpVisitor visitor(port);
    ASSERT_EQ(200, visitor.login("owner", "correct horse").status);
    const HttpReply r = visitor.get("/api/report?kind=5");
    EXPECT_EQ(200, r.status);
    EXPECT_EQ("{\"kind\":\"5\"}\n", r.body);
    EXPECT_EQ(1, calls);
    // asked again within the engine's memory: the same answer, no new run
    EXPECT_EQ(r.body, visitor.get("/api/report?kind=5").body);
    EXPECT_EQ(1, calls);
    visitor.get("/api/report?kind=6");
    EXPECT_EQ(2, calls);
    EXPECT_EQ(2, service->engine()->runs());
}

TEST_F(WebServer, OverTlsTheCookieIsSecureAndTransportStrict)
{
    start(TWebLimits(), true);
    HttpVisitor visitor(port, true, "__Host-veltrum");
    const HttpReply session = visitor.open();
    ASSERT_EQ(200, session.status) << session.raw.left(200).toStdString();
    EXPECT_TRUE(session.header("set-cookie").startsWith("__Host-veltrum="));
    EXPECT_TRUE(session.header("set-cookie").contains("; Secure"));
    EXPECT_EQ("max-age=31536000", session.header("strict-transport-security"));
    EXPECT_EQ(200, visitor.login("owner", "correct horse").status);
    EXPECT_EQ(200, visitor.get("/api/today").status);
    // plain HTTP to the TLS port gets nothing
    const HttpReply plain = exchange(port, getRequest(port, "/api/session"), 30);
    EXPECT_EQ(0, plain.status);
}
