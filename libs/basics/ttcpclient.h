#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

class QAbstractSocket;

namespace Basics {

class TValue;

// Blocking TCP client for the messages to the log collector. One message
// per connection: connect, send one frame, wait for one frame as the
// acknowledgement, disconnect.
//
// Frame: the payload's length as 4 bytes big-endian, then the payload. The
// collector answers every message with one frame (any content).
//
// The client never holds its caller up for long: connecting may take the
// connect time-out (300 ms), sending and the reply together the reply
// time-out (500 ms). After a message that could not be delivered the
// server is left alone for the back-off time (10 s): sends during that time
// fail at once without touching the network, so a dead collector costs
// almost nothing. Time-outs and giving up are written to the debug output
// (category "basics.tcpclient") as "timeout" and "No tries left".
//
// Not thread-safe: callers serialise the use of one client. It can be used
// from any thread and needs no event loop.
class TTcpClient
{
public:
    static constexpr int DefaultConnectTimeout = 300;
    static constexpr int DefaultReplyTimeout = 500;
    static constexpr int DefaultBackoff = 10000;
    // Frames above this size are refused by readFrame().
    static constexpr int MaxFrameSize = 16 * 1024 * 1024;

    TTcpClient() = default;
    TTcpClient(const QString &host, int port);

    QString host() const { return m_host; }
    int port() const { return m_port; }
    // Sets the server and ends a back-off.
    void setServer(const QString &host, int port);

    // Time-outs and back-off in milliseconds.
    void setTimeouts(int connectMs, int replyMs);
    void setBackoff(int ms) { m_backoffMs = ms; }
    // Connection attempts per message (at least 1, default 1).
    void setTries(int tries) { m_tries = qMax(1, tries); }
    int tries() const { return m_tries; }

    // Sends one payload framed and waits for the framed reply, which is
    // stored in `reply` when given. False when the message was not
    // acknowledged, when no server is set or while backing off; the reason
    // is in errorText().
    bool send(const QByteArray &payload, QByteArray *reply = nullptr);

    // True while failed deliveries keep the client away from the server.
    bool backingOff() const;
    // Connections attempted so far.
    int attempts() const { return m_attempts; }
    QString errorText() const { return m_error; }

    static QByteArray frame(const QByteArray &payload);
    // Reads one frame from a connected socket, waiting at most `timeoutMs`
    // in all. False on time-out, closed connection or a length above
    // MaxFrameSize.
    static bool readFrame(QAbstractSocket &socket, QByteArray *payload, int timeoutMs);

    // Message text: 0x02, header 1, 0x02, header 2, 0x02, the kind, 0x02,
    // then the record's fields in name order as name 0x04 value, joined by
    // 0x03.
    static QString messageText(const QString &header1, const QString &header2, const QString &kind,
                               const TValue &record);
    // Wire form of a message text: "*" + the text for a plain message;
    // otherwise the millisecond (0-999, decimal) + the text, enciphered by
    // TCryption with the library key. Texts travel as UTF-8.
    static QByteArray messagePayload(const QString &text, bool plain, int millisecond);
    // The collector's side: splits a payload into the three headers (header
    // 1, header 2, kind) and the record, and gives the millisecond (-1 for
    // a plain message). False when the text is no message; throws
    // TCryptError when an enciphered payload cannot be deciphered.
    static bool parseMessage(const QByteArray &payload, QStringList *headers, TValue *record,
                             int *millisecond = nullptr);

private:
    bool attempt(const QByteArray &payload, QByteArray *reply);

    QString m_host;
    int m_port = 0;
    int m_connectMs = DefaultConnectTimeout;
    int m_replyMs = DefaultReplyTimeout;
    int m_backoffMs = DefaultBackoff;
    int m_tries = 1;
    int m_attempts = 0;
    QDeadlineTimer m_quietUntil; // expired: the server may be tried
    QString m_error;
};

} // namespace Basics
