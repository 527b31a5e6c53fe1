#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Mail {

// How the connection to the mail server is protected.
enum class TSmtpSecurity {
    StartTls, // smtp://, upgraded with STARTTLS; a server without it is refused
    Tls, // smtps://, TLS from the first byte
    None, // plain text (only to a server on this machine when logging in)
};

struct TSmtpServer
{
    QString url; // smtp://host:port or smtps://host:port
    TSmtpSecurity security = TSmtpSecurity::StartTls;
    QString user; // empty: no login
    QString password;
    QString caFile; // certificates to trust besides the system's; may be empty
    int connectSeconds = 30;
    int timeoutSeconds = 300;
};

// How one delivery ended.
struct TSendResult
{
    enum Status {
        Sent,
        Failed, // worth trying again later: the server was away, dropped the connection or
                // answered 4xx
        Refused, // the server refused the login, the sender, a recipient or the
                 // message (5xx), or the connection's protection failed: trying again
                 // without a change is pointless
    };
    Status status = Sent;
    QString error; // what happened, with the server's answer
    long responseCode = 0; // the server's last reply code, 0 when none
};

// Sends `mime` from `from` to `recipients` (addresses without names) in
// one SMTP transaction over libcurl.
TSendResult sendMail(const TSmtpServer &server, const QByteArray &from,
                     const QList<QByteArray> &recipients, const QByteArray &mime);

} // namespace Mail
