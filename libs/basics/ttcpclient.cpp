#include "ttcpclient.h"

#include "tcryption.h"
#include "tvalue.h"

#include <QLoggingCategory>
#include <QTcpSocket>
#include <QtEndian>

namespace Basics {

namespace {

Q_LOGGING_CATEGORY(lcTcpClient, "basics.tcpclient")

const QChar Separator(0x02);
const QChar FieldSeparator(0x03);
const QChar ValueSeparator(0x04);

} // namespace

TTcpClient::TTcpClient(const QString &host, int port)
    : m_host(host)
    , m_port(port)
{ }

void TTcpClient::setServer(const QString &host, int port)
{
    m_host = host;
    m_port = port;
    m_quietUntil = QDeadlineTimer();
}

void TTcpClient::setTimeouts(int connectMs, int replyMs)
{
    m_connectMs = connectMs;
    m_replyMs = replyMs;
}

bool TTcpClient::backingOff() const
{
    return !m_quietUntil.hasExpired();
}

bool TTcpClient::send(const QByteArray &payload, QByteArray *reply)
{
    if (m_host.isEmpty() || m_port <= 0 || m_port > 65535) {
        m_error = QStringLiteral("no server");
        return false;
    }
    if (backingOff()) {
        m_error = QStringLiteral("backing off");
        return false;
    }
    for (int i = 0; i < m_tries; ++i) {
        if (attempt(payload, reply)) {
            m_error.clear();
            return true;
        }
    }
    qCDebug(lcTcpClient) << "No tries left" << m_host << m_port << m_error;
    m_quietUntil = QDeadlineTimer(m_backoffMs);
    return false;
}

bool TTcpClient::attempt(const QByteArray &payload, QByteArray *reply)
{
    ++m_attempts;
    QTcpSocket socket;
    socket.connectToHost(m_host, quint16(m_port));
    if (!socket.waitForConnected(m_connectMs)) {
        m_error = socket.errorString();
        if (socket.error() == QAbstractSocket::SocketTimeoutError)
            qCDebug(lcTcpClient) << "timeout" << m_host << m_port;
        return false;
    }

    const QDeadlineTimer deadline(m_replyMs);
    socket.write(frame(payload));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) {
            m_error = socket.errorString();
            if (deadline.hasExpired())
                qCDebug(lcTcpClient) << "timeout" << m_host << m_port;
            return false;
        }
    }
    QByteArray answer;
    if (!readFrame(socket, &answer, int(deadline.remainingTime()))) {
        m_error = deadline.hasExpired() ? QStringLiteral("timeout") : socket.errorString();
        if (deadline.hasExpired())
            qCDebug(lcTcpClient) << "timeout" << m_host << m_port;
        return false;
    }
    socket.disconnectFromHost();
    if (reply)
        *reply = answer;
    return true;
}

QByteArray TTcpClient::frame(const QByteArray &payload)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian(quint32(payload.size()), bytes.data());
    return bytes + payload;
}

bool TTcpClient::readFrame(QAbstractSocket &socket, QByteArray *payload, int timeoutMs)
{
    const QDeadlineTimer deadline(qMax(0, timeoutMs));
    // Waits until `count` bytes are buffered.
    auto await = [&](qint64 count) {
        while (socket.bytesAvailable() < count) {
            if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
                return socket.bytesAvailable() >= count;
        }
        return true;
    };
    if (!await(4))
        return false;
    char head[4];
    socket.read(head, 4);
    const quint32 length = qFromBigEndian<quint32>(head);
    if (length > quint32(MaxFrameSize))
        return false;
    if (!await(length))
        return false;
    const QByteArray body = socket.read(length);
    if (payload)
        *payload = body;
    return true;
}

QString TTcpClient::messageText(const QString &header1, const QString &header2, const QString &kind,
                                const TValue &record)
{
    QStringList fields;
    const TValue::Fields &values = record.fields();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        fields << it.key() + ValueSeparator + it.value().text;
    return Separator + header1 + Separator + header2 + Separator + kind + Separator
           + fields.join(FieldSeparator);
}

QByteArray TTcpClient::messagePayload(const QString &text, bool plain, int millisecond)
{
    if (plain)
        return '*' + text.toUtf8();
    // A payload that begins with '*' is plain text to the collector: an
    // enciphered one whose nonce begins so (one in 256) is made again.
    const TCryption cipher;
    for (;;) {
        QByteArray payload = cipher.encipherText(QString::number(millisecond) + text);
        if (!payload.startsWith('*'))
            return payload;
    }
}

bool TTcpClient::parseMessage(const QByteArray &payload, QStringList *headers, TValue *record,
                              int *millisecond)
{
    QString text;
    int ms = -1;
    if (payload.startsWith('*')) {
        text = QString::fromUtf8(payload.mid(1));
    } else {
        text = TCryption().decipherText(payload);
        int digits = 0;
        while (digits < text.size() && text.at(digits).isDigit())
            ++digits;
        if (digits == 0)
            return false;
        ms = text.left(digits).toInt();
        text.remove(0, digits);
    }
    if (!text.startsWith(Separator))
        return false;

    // Three headers, then the fields; a field value may hold 0x02 itself.
    QStringList head;
    int pos = 1;
    for (int i = 0; i < 3; ++i) {
        const int next = text.indexOf(Separator, pos);
        if (next < 0)
            return false;
        head << text.mid(pos, next - pos);
        pos = next + 1;
    }
    TValue values;
    const QString body = text.mid(pos);
    if (!body.isEmpty()) {
        for (const QString &field : body.split(FieldSeparator)) {
            const int at = field.indexOf(ValueSeparator);
            if (at < 0)
                values.setString(field, QString());
            else
                values.setString(field.left(at), field.mid(at + 1));
        }
    }
    if (headers)
        *headers = head;
    if (record)
        *record = values;
    if (millisecond)
        *millisecond = ms;
    return true;
}

} // namespace Basics
