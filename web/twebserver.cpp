#include "twebserver.h"

#include "tconnectionguard.h"
#include "twebmessage.h"
#include "twebsite.h"

#include <QHttpServerRequest>
#include <QSslSocket>
#include <QTcpSocket>
#include <QUrlQuery>

namespace WebLib {

namespace {

QByteArray methodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Post:
        return "POST";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    case QHttpServerRequest::Method::Put:
        return "PUT";
    case QHttpServerRequest::Method::Delete:
        return "DELETE";
    case QHttpServerRequest::Method::Options:
        return "OPTIONS";
    case QHttpServerRequest::Method::Patch:
        return "PATCH";
    case QHttpServerRequest::Method::Connect:
        return "CONNECT";
    case QHttpServerRequest::Method::Trace:
        return "TRACE";
    default:
        break;
    }
    return "UNKNOWN";
}

} // namespace

TWebServer::TWebServer(TWebSite *site, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_site(site)
{ }

bool TWebServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    TConnectionGuard *guard = TConnectionGuard::of(socket);
    if (!guard || guard->isRefused())
        return true;
    guard->requestTaken();
    if (guard->isRefused())
        return true;

    TWebRequest copy;
    copy.method = methodName(request.method());
    const QUrl url = request.url();
    copy.path = url.path(QUrl::FullyDecoded);
    copy.rawPath = url.path(QUrl::FullyEncoded).toLatin1();
    for (const auto &item : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
        copy.query.append({item.first, item.second});
    for (const auto &header : request.headers())
        copy.headers.append({header.first.toLower(), header.second});
    copy.body = request.body();
    copy.peer = request.remoteAddress();
    copy.secure = qobject_cast<QSslSocket *>(socket) != nullptr;

    const quint64 id = m_nextId++;
    if (!m_answers.contains(socket)) {
        // the socket's answers go with it
        connect(socket, &QObject::destroyed, this, [this, socket] { m_answers.remove(socket); });
    }
    Answer answer;
    answer.id = id;
    answer.close = copy.header("connection").toLower().contains("close");
    m_answers[socket].append(answer);
    QPointer<QTcpSocket> alive(socket);
    QPointer<TWebServer> self(this);
    m_site->handle(copy, [self, alive, id](const TWebResponse &response) {
        if (self && alive)
            self->complete(alive, id, response);
    });
    return true;
}

void TWebServer::missingHandler(const QHttpServerRequest &, QTcpSocket *socket)
{
    // handleRequest() takes every request; a socket that got here anyway
    // is closed
    socket->disconnectFromHost();
}

void TWebServer::complete(QTcpSocket *socket, quint64 id, const TWebResponse &response)
{
    auto it = m_answers.find(socket);
    if (it == m_answers.end())
        return;
    for (Answer &answer : *it) {
        if (answer.id != id)
            continue;
        answer.ready = true;
        answer.bytes = responseBytes(response, qobject_cast<QSslSocket *>(socket) != nullptr,
                                     answer.close);
        break;
    }
    flush(socket);
}

void TWebServer::flush(QTcpSocket *socket)
{
    auto it = m_answers.find(socket);
    if (it == m_answers.end())
        return;
    TConnectionGuard *guard = TConnectionGuard::of(socket);
    while (!it->isEmpty() && it->first().ready) {
        const Answer answer = it->takeFirst();
        if (guard && guard->isRefused())
            continue;
        socket->write(answer.bytes);
        if (guard)
            guard->answerWritten();
        if (answer.close) {
            it->clear();
            socket->disconnectFromHost();
            return;
        }
    }
}

} // namespace WebLib
