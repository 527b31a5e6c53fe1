#pragma once

#include "tweblimits.h"

#include <QSslConfiguration>
#include <QTcpServer>

namespace WebLib {

// The listening socket of the web view: hands each accepted connection,
// with its TConnectionGuard, to the HTTP server; over TLS it starts the
// handshake first (the server then reads the decrypted requests). Beyond
// maxConnections open at once a new connection is closed at once.
class TWebTcpServer : public QTcpServer
{
    Q_OBJECT
public:
    explicit TWebTcpServer(const TWebLimits &limits, QObject *parent = nullptr);

    // Serves over TLS with this configuration (certificate and key set).
    void setTls(const QSslConfiguration &configuration);
    bool isTls() const { return m_tls; }
    int openConnections() const { return m_open; }

protected:
    void incomingConnection(qintptr handle) override;

private:
    TWebLimits m_limits;
    QSslConfiguration m_configuration;
    bool m_tls = false;
    int m_open = 0;
};

} // namespace WebLib
