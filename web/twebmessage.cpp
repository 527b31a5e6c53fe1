#include "twebmessage.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace WebLib {

QByteArray TWebRequest::header(const QByteArray &name) const
{
    QByteArray value;
    const QByteArray separator
            = name == "cookie" ? QByteArrayLiteral("; ") : QByteArrayLiteral(", ");
    for (const auto &h : headers) {
        if (h.first != name)
            continue;
        if (!value.isEmpty())
            value += separator;
        value += h.second;
    }
    return value;
}

bool TWebRequest::hasHeader(const QByteArray &name) const
{
    for (const auto &h : headers) {
        if (h.first == name)
            return true;
    }
    return false;
}

QByteArray TWebRequest::cookie(const QByteArray &name) const
{
    // "a=1; b=2": the first cookie of that name counts
    for (const QByteArray &part : header("cookie").split(';')) {
        const QByteArray item = part.trimmed();
        const qsizetype eq = item.indexOf('=');
        if (eq > 0 && item.left(eq) == name)
            return item.mid(eq + 1);
    }
    return QByteArray();
}

QByteArray TWebResponse::header(const QByteArray &name) const
{
    for (const auto &h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    }
    return QByteArray();
}

TWebResponse TWebResponse::error(int status, const QString &message)
{
    const QJsonObject o {{QStringLiteral("error"), message}};
    return json(QJsonDocument(o).toJson(QJsonDocument::Compact), status);
}

TWebResponse TWebResponse::json(const QByteArray &compactJson, int status)
{
    TWebResponse r;
    r.status = status;
    r.contentType = QByteArrayLiteral("application/json");
    r.body = compactJson;
    if (!r.body.endsWith('\n'))
        r.body += '\n';
    return r;
}

QByteArray statusText(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 411:
        return "Length Required";
    case 413:
        return "Payload Too Large";
    case 415:
        return "Unsupported Media Type";
    case 421:
        return "Misdirected Request";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        break;
    }
    return status < 400 ? "OK" : "Error";
}

QList<QPair<QByteArray, QByteArray>> securityHeaders(bool secure)
{
    QList<QPair<QByteArray, QByteArray>> h {
            {"Content-Security-Policy",
             "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
             "connect-src 'self'; form-action 'self'; base-uri 'none'; frame-ancestors 'none'"},
            {"X-Content-Type-Options", "nosniff"},
            {"X-Frame-Options", "DENY"},
            {"Referrer-Policy", "no-referrer"},
            {"Cross-Origin-Opener-Policy", "same-origin"},
            {"Cross-Origin-Resource-Policy", "same-origin"},
            {"Cache-Control", "no-store"},
    };
    if (secure)
        h.append(
                qMakePair(QByteArray("Strict-Transport-Security"), QByteArray("max-age=31536000")));
    return h;
}

QByteArray responseBytes(const TWebResponse &response, bool secure, bool close)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' '
                     + statusText(response.status) + "\r\n";
    const auto put = [&out](const QByteArray &name, const QByteArray &value) {
        out += name + ": " + value + "\r\n";
    };
    for (const auto &h : response.headers)
        put(h.first, h.second);
    for (const auto &h : securityHeaders(secure))
        put(h.first, h.second);
    if (!response.contentType.isEmpty()) {
        const bool text = response.contentType.startsWith("text/")
                          || response.contentType == "application/json"
                          || response.contentType == "image/svg+xml"
                          || response.contentType == "application/javascript";
        put("Content-Type", text ? response.contentType + "; charset=utf-8" : response.contentType);
    }
    put("Content-Length", QByteArray::number(response.body.size()));
    if (close)
        put("Connection", "close");
    out += "\r\n";
    out += response.body;
    return out;
}

} // namespace WebLib
