#include "httpclient.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSslSocket>
#include <QTimer>

namespace {

// Parses what arrived; true when the answer is complete.
bool parse(const QByteArray &raw, HttpReply &reply)
{
    const qsizetype end = raw.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QList<QByteArray> lines = raw.left(end).split('\n');
    const QList<QByteArray> status = lines.first().trimmed().split(' ');
    reply.status = status.value(1).toInt();
    reply.headers.clear();
    qint64 length = -1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        reply.headers.append({name, value});
        if (name == "content-length")
            length = value.toLongLong();
    }
    reply.body = raw.mid(end + 4);
    return length >= 0 && reply.body.size() >= length;
}

} // namespace

QByteArray HttpReply::header(const QByteArray &name) const
{
    for (const auto &h : headers) {
        if (h.first == name)
            return h.second;
    }
    return QByteArray();
}

QList<QByteArray> HttpReply::headerValues(const QByteArray &name) const
{
    QList<QByteArray> values;
    for (const auto &h : headers) {
        if (h.first == name)
            values << h.second;
    }
    return values;
}

HttpReply exchange(quint16 port, const QByteArray &raw, int seconds, bool tls)
{
    HttpReply reply;
    QSslSocket socket;
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    bool complete = false;
    QObject::connect(&socket, &QSslSocket::readyRead, &loop, [&] {
        reply.raw += socket.readAll();
        if (parse(reply.raw, reply)) {
            complete = true;
            loop.quit();
        }
    });
    QObject::connect(&socket, &QSslSocket::disconnected, &loop, [&] {
        reply.raw += socket.readAll();
        parse(reply.raw, reply);
        reply.closed = true;
        loop.quit();
    });
    QObject::connect(&socket, &QSslSocket::errorOccurred, &loop, [&] {
        if (socket.state() != QAbstractSocket::ConnectedState)
            loop.quit();
    });
    if (tls) {
        socket.setPeerVerifyMode(QSslSocket::VerifyNone);
        QObject::connect(&socket, &QSslSocket::encrypted, &loop, [&] { socket.write(raw); });
        socket.connectToHostEncrypted(QStringLiteral("127.0.0.1"), port);
    } else {
        QObject::connect(&socket, &QSslSocket::connected, &loop, [&] { socket.write(raw); });
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    }
    bound.start(seconds * 1000);
    loop.exec();
    if (complete) {
        // closed right after the answer?
        if (socket.state() == QAbstractSocket::ConnectedState)
            socket.waitForDisconnected(reply.header("connection") == "close" ? 5000 : 0);
        reply.closed = reply.closed || socket.state() != QAbstractSocket::ConnectedState;
    }
    return reply;
}

QByteArray getRequest(quint16 port, const QByteArray &path, const QList<QByteArray> &headers)
{
    QByteArray raw
            = "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\n";
    for (const QByteArray &h : headers)
        raw += h + "\r\n";
    return raw + "\r\n";
}

QByteArray postRequest(quint16 port, const QByteArray &path, const QByteArray &body,
                       const QList<QByteArray> &headers)
{
    QByteArray raw = "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port)
                     + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n";
    for (const QByteArray &h : headers)
        raw += h + "\r\n";
    return raw + "\r\n" + body;
}

HttpVisitor::HttpVisitor(quint16 port, bool tls, QByteArray cookieName)
    : m_port(port)
    , m_tls(tls)
    , m_cookieName(std::move(cookieName))
{ }

void HttpVisitor::take(const HttpReply &reply)
{
    for (const QByteArray &set : reply.headerValues("set-cookie")) {
        const QByteArray pair = set.split(';').first();
        if (pair.startsWith(m_cookieName + '='))
            m_cookie = pair.mid(m_cookieName.size() + 1);
    }
    const QJsonObject o = QJsonDocument::fromJson(reply.body).object();
    if (o.value(QStringLiteral("csrf")).isString())
        m_csrf = o.value(QStringLiteral("csrf")).toString().toLatin1();
}

QList<QByteArray> HttpVisitor::withCookie(QList<QByteArray> headers) const
{
    if (!m_cookie.isEmpty())
        headers << "Cookie: " + m_cookieName + '=' + m_cookie;
    return headers;
}

HttpReply HttpVisitor::open()
{
    return get("/api/session");
}

HttpReply HttpVisitor::login(const QString &user, const QString &password)
{
    open();
    const QByteArray body = QJsonDocument(QJsonObject {{QStringLiteral("user"), user},
                                                       {QStringLiteral("password"), password}})
                                    .toJson(QJsonDocument::Compact);
    return post("/api/login", body, {"Content-Type: application/json", "X-CSRF-Token: " + m_csrf});
}

HttpReply HttpVisitor::get(const QByteArray &path, const QList<QByteArray> &headers)
{
    const HttpReply reply
            = exchange(m_port, getRequest(m_port, path, withCookie(headers)), 120, m_tls);
    take(reply);
    return reply;
}

HttpReply HttpVisitor::post(const QByteArray &path, const QByteArray &body,
                            const QList<QByteArray> &headers)
{
    const HttpReply reply
            = exchange(m_port, postRequest(m_port, path, body, withCookie(headers)), 120, m_tls);
    take(reply);
    return reply;
}
