#include "twebtcpserver.h"

#include "tconnectionguard.h"

#include <QSslSocket>

namespace WebLib {

TWebTcpServer::TWebTcpServer(const TWebLimits &limits, QObject *parent)
    : QTcpServer(parent)
    , m_limits(limits)
{ }

void TWebTcpServer::setTls(const QSslConfiguration &configuration)
{
    m_configuration = configuration;
    m_tls = true;
}

void TWebTcpServer::incomingConnection(qintptr handle)
{
    QTcpSocket *socket = m_tls ? new QSslSocket(this) : new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    if (m_open >= m_limits.maxConnections) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++m_open;
    connect(socket, &QObject::destroyed, this, [this] { --m_open; });
    // a connection that drops is closed on our side too (the HTTP server
    // deletes it then)
    connect(socket, &QAbstractSocket::errorOccurred, socket, [socket] {
        if (socket->state() != QAbstractSocket::UnconnectedState)
            socket->abort();
    });
    new TConnectionGuard(socket, m_limits, m_tls);
    if (m_tls) {
        auto *ssl = static_cast<QSslSocket *>(socket);
        ssl->setSslConfiguration(m_configuration);
        ssl->startServerEncryption();
    }
    addPendingConnection(socket);
}

} // namespace WebLib
