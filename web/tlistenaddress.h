#pragma once

#include <QCoreApplication>
#include <QHostAddress>
#include <QString>

namespace WebLib {

// Where the server listens (--listen ADDR:PORT) and whether it may:
// loopback by default; any other address only with TLS, or when the
// owner says so with --insecure.
struct TListenAddress
{
    Q_DECLARE_TR_FUNCTIONS(TListenAddress)
public:
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 8080;

    static constexpr quint16 DefaultPort = 8080;

    // "127.0.0.1:8080", "[::1]:8080", "0.0.0.0:443", "localhost:8080", or
    // an address alone (the default port) or ":PORT" (loopback); port 0
    // picks a free one. False with `error` for anything else (host names
    // other than localhost are not looked up).
    static bool parse(const QString &text, TListenAddress &out, QString *error);

    bool isLoopback() const { return address.isLoopback(); }
    // Why the server must not listen here as asked; empty when it may.
    QString refusal(bool tls, bool insecure) const;
    // "127.0.0.1:8080", "[::1]:8080"
    QString text(quint16 actualPort = 0) const;
};

} // namespace WebLib
