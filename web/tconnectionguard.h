#pragma once

#include "trequestframer.h"
#include "tweblimits.h"

#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace WebLib {

// Watches one client connection for the server's limits, ahead of the
// HTTP parser: a request too large (431, 413, 411, 400 with
// TRequestFramer), a request that does not arrive whole within
// requestSeconds (408; also a TLS handshake that does not end), a
// connection idle for idleSeconds or a client that takes no bytes of its
// answer for as long (closed), more requests sent ahead than the server
// keeps (503). A refusal is answered and the connection closed (a plain
// one first for writing only, so the answer is not lost to a reset); what
// the client sends after it is read and dropped, so the parser never sees
// it.
// A child of its socket.
class TConnectionGuard : public QObject
{
    Q_OBJECT
public:
    // Connect before the HTTP server connects the socket: the guard looks
    // at every piece of data first.
    TConnectionGuard(QTcpSocket *socket, const TWebLimits &limits, bool secure);

    static TConnectionGuard *of(QTcpSocket *socket);

    // The server took a request for an answer, or wrote one.
    void requestTaken();
    void answerWritten();
    int pending() const { return m_pending; }
    bool isRefused() const { return m_refused; }

    // Answers `status` with a short text and closes the connection.
    void refuse(int status);

private:
    void onReadyRead();
    void onBytesWritten();
    void onRequestTimeout();
    void onIdleTimeout();
    void restartIdle();
    void closeForWriting();

    QTcpSocket *m_socket;
    TWebLimits m_limits;
    bool m_secure;
    TRequestFramer m_framer;
    QTimer m_requestTimer;
    QTimer m_idleTimer;
    int m_pending = 0;
    bool m_refused = false;
    bool m_halfClosing = false;
};

} // namespace WebLib
