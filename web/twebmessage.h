#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>

namespace WebLib {

// One request as the server handles it: a copy of what the HTTP parser
// read, so that an answer made later (on the report thread) needs nothing
// of the connection.
struct TWebRequest
{
    QByteArray method; // "GET", "POST", ...
    QString path; // decoded: "/api/report"
    QByteArray rawPath; // as sent, percent-encoded
    QList<QPair<QString, QString>> query; // decoded, in their order
    QList<QPair<QByteArray, QByteArray>> headers; // names in lower case
    QByteArray body;
    QHostAddress peer;
    bool secure = false; // came over TLS

    // The value of header `name` (lower case); empty when absent. Headers
    // given more than once are joined with ", " (cookies with "; ").
    QByteArray header(const QByteArray &name) const;
    bool hasHeader(const QByteArray &name) const;
    // The value of cookie `name`; empty when absent.
    QByteArray cookie(const QByteArray &name) const;
};

// One answer: status, content and the headers of this answer alone. The
// security headers every answer carries are added as it is written
// (responseBytes()).
struct TWebResponse
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;

    void addHeader(const QByteArray &name, const QByteArray &value)
    {
        headers.append({name, value});
    }
    QByteArray header(const QByteArray &name) const;

    // {"error": message} with `status`.
    static TWebResponse error(int status, const QString &message);
    static TWebResponse json(const QByteArray &compactJson, int status = 200);
};

// The reason phrase of an HTTP status ("Not Found").
QByteArray statusText(int status);

// The headers every answer carries: a content security policy that
// allows only this server's own script, style and pictures (no inline
// script, no frames around the page), no sniffing of content types, no
// referrer, no caching; under TLS also strict transport security.
QList<QPair<QByteArray, QByteArray>> securityHeaders(bool secure);

// The whole answer as it goes on the wire: status line, the answer's
// headers, the security headers, Content-Type, Content-Length and, with
// `close`, "Connection: close"; then the body.
QByteArray responseBytes(const TWebResponse &response, bool secure, bool close);

} // namespace WebLib
