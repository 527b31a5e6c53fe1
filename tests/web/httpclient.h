#pragma once

#include "qstringprint.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <ostream>

class QSslConfiguration;


// One answer of the server, as it came over the wire.
struct HttpReply
{
    int status = 0; // 0: no answer at all
    QList<QPair<QByteArray, QByteArray>> headers; // names in lower case
    QByteArray body;
    bool closed = false; // the server closed the connection after it
    QByteArray raw;

    QByteArray header(const QByteArray &name) const;
    QList<QByteArray> headerValues(const QByteArray &name) const;
};

inline std::ostream &operator<<(std::ostream &os, const HttpReply &reply)
{
    return os << "HTTP " << reply.status << ": " << reply.body.left(300).toStdString();
}

// Sends `raw` to 127.0.0.1:`port` and reads the answer: up to its
// Content-Length, or until the server closes. Runs the event loop while it
// waits (the server may answer from this thread), at most `seconds` (a
// bound against a hanging test, not a measure). With `tls` the
// connection is encrypted, the server's certificate taken as it is.
HttpReply exchange(quint16 port, const QByteArray &raw, int seconds = 120, bool tls = false);

// "GET path HTTP/1.1" with a Host of 127.0.0.1:port and `headers` (each
// "Name: value").
QByteArray getRequest(quint16 port, const QByteArray &path, const QList<QByteArray> &headers = {});
QByteArray postRequest(quint16 port, const QByteArray &path, const QByteArray &body,
                       const QList<QByteArray> &headers = {});

// A visitor with a cookie jar of one session cookie and the page's token.
class HttpVisitor
{
public:
    explicit HttpVisitor(quint16 port, bool tls = false, QByteArray cookieName = "veltrum");

    // GET /api/session: a session before the login and its token.
    HttpReply open();
    // open(), then POST /api/login.
    HttpReply login(const QString &user, const QString &password);
    HttpReply get(const QByteArray &path, const QList<QByteArray> &headers = {});
    HttpReply post(const QByteArray &path, const QByteArray &body,
                   const QList<QByteArray> &headers = {});

    QByteArray cookie() const { return m_cookie; }
    QByteArray csrf() const { return m_csrf; }
    void setCookie(const QByteArray &cookie) { m_cookie = cookie; }
    void setCsrf(const QByteArray &csrf) { m_csrf = csrf; }

private:
    void take(const HttpReply &reply);
    QList<QByteArray> withCookie(QList<QByteArray> headers) const;

    quint16 m_port;
    bool m_tls;
    QByteArray m_cookieName;
    QByteArray m_cookie;
    QByteArray m_csrf;
};
