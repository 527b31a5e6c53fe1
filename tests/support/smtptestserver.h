#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>

#include <memory>

// A mail server on loopback for one test (smtpserver.py, on Debian's
// python3-aiosmtpd): started on a free port the system chooses, stopped
// with the object. It writes what it took into its folder.
class SmtpTestServer
{
public:
    struct Options
    {
        QString security = QStringLiteral("none"); // none, starttls, tls
        QString user; // a login is required when set
        QString password;
        QString mode = QStringLiteral("ok"); // ok, refuse (451), reject (554), drop
    };

    // Empty when the server can run here; else why not (for GTEST_SKIP).
    static QString unavailable();

    // `dir` holds the certificate and what the server takes.
    explicit SmtpTestServer(const QString &dir);
    ~SmtpTestServer();

    // False with the server's output when it did not come up.
    bool start(const Options &options, QString *error);
    void stop();

    int port() const { return m_port; }
    QString url() const; // smtp://127.0.0.1:PORT, smtps:// for tls
    // The self-signed certificate of 127.0.0.1 the server shows.
    QString certificate() const;
    // The messages taken, in order: {"mailFrom", "rcptTos", "from", "to",
    // "subject", "text", "attachments": [{"filename", "contentType", "size",
    // "sha256", "head"}], "login"}.
    QList<QJsonObject> messages() const;
    // DATA commands seen (taken, refused or dropped).
    int attempts() const;

private:
    QString m_dir;
    QString m_security;
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
};
