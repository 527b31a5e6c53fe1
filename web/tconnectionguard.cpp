#include "tconnectionguard.h"

#include "twebmessage.h"

#include <QTcpSocket>

#include <sys/socket.h>

namespace WebLib {

TConnectionGuard::TConnectionGuard(QTcpSocket *socket, const TWebLimits &limits, bool secure)
    : QObject(socket)
    , m_socket(socket)
    , m_limits(limits)
    , m_secure(secure)
    , m_framer(limits)
{
    setObjectName(QStringLiteral("connectionGuard"));
    m_requestTimer.setSingleShot(true);
    m_idleTimer.setSingleShot(true);
    connect(&m_requestTimer, &QTimer::timeout, this, &TConnectionGuard::onRequestTimeout);
    connect(&m_idleTimer, &QTimer::timeout, this, &TConnectionGuard::onIdleTimeout);
    connect(socket, &QTcpSocket::readyRead, this, &TConnectionGuard::onReadyRead);
    connect(socket, &QTcpSocket::bytesWritten, this, &TConnectionGuard::onBytesWritten);
    // the first request (and a TLS handshake before it) has its time too
    m_requestTimer.start(m_limits.requestSeconds * 1000);
}

TConnectionGuard *TConnectionGuard::of(QTcpSocket *socket)
{
    return socket ? socket->findChild<TConnectionGuard *>(QStringLiteral("connectionGuard"),
                                                          Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void TConnectionGuard::onReadyRead()
{
    if (m_refused) {
        // nothing more reaches the parser
        if (m_socket->isTransactionStarted())
            m_socket->rollbackTransaction();
        m_socket->readAll();
        return;
    }
    restartIdle();
    const QByteArray bytes = m_socket->peek(m_socket->bytesAvailable());
    switch (m_framer.feed(bytes)) {
    case TRequestFramer::Verdict::Ok:
        break;
    case TRequestFramer::Verdict::HeaderTooLarge:
        refuse(431);
        return;
    case TRequestFramer::Verdict::BodyTooLarge:
        refuse(413);
        return;
    case TRequestFramer::Verdict::NoLength:
        refuse(411);
        return;
    case TRequestFramer::Verdict::BadFraming:
        refuse(400);
        return;
    }
    if (m_framer.inRequest()) {
        if (!m_requestTimer.isActive())
            m_requestTimer.start(m_limits.requestSeconds * 1000);
    } else {
        m_requestTimer.stop();
    }
}

void TConnectionGuard::onBytesWritten()
{
    if (m_refused) {
        if (m_halfClosing && m_socket->bytesToWrite() == 0)
            closeForWriting();
        return;
    }
    restartIdle();
}

void TConnectionGuard::closeForWriting()
{
    m_halfClosing = false;
    const qintptr fd = m_socket->socketDescriptor();
    if (fd < 0 || ::shutdown(static_cast<int>(fd), SHUT_WR) != 0)
        m_socket->disconnectFromHost();
    // the client reads the answer to its end and closes; what it still
    // sends is dropped, and the idle limit ends a client that never closes
}

void TConnectionGuard::restartIdle()
{
    m_idleTimer.start(m_limits.idleSeconds * 1000);
}

void TConnectionGuard::requestTaken()
{
    ++m_pending;
    if (m_pending > m_limits.maxPendingPerConnection)
        refuse(503);
}

void TConnectionGuard::answerWritten()
{
    if (m_pending > 0)
        --m_pending;
    restartIdle();
}

void TConnectionGuard::onRequestTimeout()
{
    if (m_refused)
        return;
    if (m_framer.inRequest()) {
        refuse(408);
        return;
    }
    // a connection opened without a request (a browser opens some ahead)
    if (m_pending == 0 && m_framer.completed() == 0)
        m_socket->disconnectFromHost();
}

void TConnectionGuard::onIdleTimeout()
{
    if (m_refused || m_socket->bytesToWrite() > 0) {
        // the client takes nothing of what it is sent
        m_socket->abort();
        return;
    }
    if (m_pending > 0) {
        // its answer is being made
        restartIdle();
        return;
    }
    m_socket->disconnectFromHost();
}

void TConnectionGuard::refuse(int status)
{
    if (m_refused)
        return;
    m_refused = true;
    m_requestTimer.stop();
    restartIdle();
    if (m_socket->isTransactionStarted())
        m_socket->rollbackTransaction();
    m_socket->readAll();
    const TWebResponse response
            = TWebResponse::error(status, QString::fromLatin1(statusText(status)));
    m_socket->write(responseBytes(response, m_secure, true));
    if (m_secure) {
        m_socket->disconnectFromHost();
        return;
    }
    // Closing a socket with unread bytes makes the system reset the
    // connection, and a reset can throw away the answer before the client
    // has read it. So the plain connection is only closed for writing once
    // the answer is out, and the rest of the request is read and dropped.
    m_halfClosing = true;
    if (m_socket->bytesToWrite() == 0)
        closeForWriting();
}

} // namespace WebLib
