#pragma once

#include <QString>

namespace Basics {
class TValue;
}

namespace ChainLib {

// Where the chain database is: a PostgreSQL server, a database on it and
// the login. Written as a URL,
//
//   postgresql://[USER[:PASSWORD]@][HOST][:PORT]/DATABASE[?PARAM=VALUE&...]
//
// (also "postgres://"). HOST is a name, an address ("[::1]" for IPv6) or,
// starting with "/" (percent-encoded as "%2F"), the directory of the
// server's Unix socket; the parameters "host", "port", "user", "password"
// and "dbname" set the same parts, so "postgresql:///chain?host=/run/pg"
// also names a socket directory. Percent escapes are decoded in every
// part. A password belongs in a file or the environment (see
// resolvePassword()), not in a URL: a URL that holds one still works, but
// text() never shows it.
struct TChainUrl
{
    QString host; // empty: the client library's default socket
    int port = 5432;
    QString database;
    QString user; // empty: the operating system's user name
    QString password;

    // Parses `text`; false with `error` telling what is wrong (the
    // password never appears in it).
    static bool parse(const QString &text, TChainUrl &url, QString *error = nullptr);

    // The database target of the statistics upload: the server ("host",
    // "host:port", a socket directory, or a whole URL, whose parts the
    // other fields then override where given), the database, and the login
    // when the installation uses one. False when no database is named.
    static bool fromTarget(const QString &server, const QString &database, const QString &user,
                           const QString &password, TChainUrl &url, QString *error = nullptr);
    // The same from the installation record's fields "dbservername",
    // "dbdatabasename", and "dbusername"/"dbpassword" when
    // "dbnointegratedsec" is set.
    static bool fromInstallation(const Basics::TValue &installation, TChainUrl &url,
                                 QString *error = nullptr);

    // The URL without the password, for messages and logs.
    QString text() const;

    // Fills in the password when none is given: the environment variable
    // VELTRUM_CHAIN_PASSWORD, else the first line of the file named by
    // `file` or, when that is empty, by VELTRUM_CHAIN_PASSWORD_FILE. Left
    // empty, the client library still looks at PGPASSWORD and ~/.pgpass.
    // False with `error` when the named file cannot be read.
    bool resolvePassword(const QString &file = QString(), QString *error = nullptr);

private:
    static bool parse(const QString &text, TChainUrl &url, QString *error, bool needsDatabase);
};

} // namespace ChainLib
