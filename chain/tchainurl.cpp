#include "tchainurl.h"

#include "tvalue.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>
#include <QUrlQuery>

namespace ChainLib {

namespace {

// The texts of this file, translated in the context "TChainUrl".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TChainUrl)
};

bool setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

bool parsePort(const QString &text, int &port)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > 65535)
        return false;
    port = value;
    return true;
}

QString decoded(const QString &text)
{
    return QUrl::fromPercentEncoding(text.toUtf8());
}

} // namespace

bool TChainUrl::parse(const QString &text, TChainUrl &url, QString *error)
{
    return parse(text, url, error, true);
}

bool TChainUrl::parse(const QString &text, TChainUrl &url, QString *error, bool needsDatabase)
{
    url = TChainUrl();
    QString rest = text.trimmed();
    bool schemeFound = false;
    for (const QLatin1String scheme :
         {QLatin1String("postgresql://"), QLatin1String("postgres://")}) {
        if (rest.startsWith(scheme, Qt::CaseInsensitive)) {
            rest = rest.mid(scheme.size());
            schemeFound = true;
            break;
        }
    }
    if (!schemeFound)
        return setError(error,
                        Text::tr("not a PostgreSQL URL (postgresql://USER@HOST:PORT/DATABASE)"));

    QString query;
    const int question = rest.indexOf(QLatin1Char('?'));
    if (question >= 0) {
        query = rest.mid(question + 1);
        rest.truncate(question);
    }
    QString authority = rest;
    const int slash = rest.indexOf(QLatin1Char('/'));
    if (slash >= 0) {
        authority = rest.left(slash);
        url.database = decoded(rest.mid(slash + 1));
    }

    // the login: everything before the last "@"
    const int at = authority.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString login = authority.left(at);
        authority = authority.mid(at + 1);
        const int colon = login.indexOf(QLatin1Char(':'));
        url.user = decoded(colon >= 0 ? login.left(colon) : login);
        if (colon >= 0)
            url.password = decoded(login.mid(colon + 1));
    }

    // the host and port: "[v6]:port", "name:port", "%2Fsocket%2Fdir:port"
    QString portText;
    if (authority.startsWith(QLatin1Char('['))) {
        const int close = authority.indexOf(QLatin1Char(']'));
        if (close < 0)
            return setError(error, Text::tr("an IPv6 address without its closing \"]\""));
        url.host = authority.mid(1, close - 1);
        const QString after = authority.mid(close + 1);
        if (!after.isEmpty()) {
            if (!after.startsWith(QLatin1Char(':')))
                return setError(error, Text::tr("unexpected text after the IPv6 address"));
            portText = after.mid(1);
        }
    } else {
        const int colon = authority.lastIndexOf(QLatin1Char(':'));
        url.host = decoded(colon >= 0 ? authority.left(colon) : authority);
        if (colon >= 0)
            portText = authority.mid(colon + 1);
    }
    if (!portText.isEmpty() && !parsePort(portText, url.port))
        return setError(error, Text::tr("bad port \"%1\" (1 to 65535)").arg(portText));

    const QUrlQuery parameters(query);
    for (const auto &item : parameters.queryItems(QUrl::FullyDecoded)) {
        const QString &name = item.first;
        const QString &value = item.second;
        if (name == QLatin1String("host")) {
            url.host = value;
        } else if (name == QLatin1String("port")) {
            if (!parsePort(value, url.port))
                return setError(error, Text::tr("bad port \"%1\" (1 to 65535)").arg(value));
        } else if (name == QLatin1String("user")) {
            url.user = value;
        } else if (name == QLatin1String("password")) {
            url.password = value;
        } else if (name == QLatin1String("dbname")) {
            url.database = value;
        } else {
            return setError(error, Text::tr("unknown parameter \"%1\" (host, port, user, password, "
                                            "dbname)")
                                           .arg(name));
        }
    }
    if (needsDatabase && url.database.isEmpty())
        return setError(error,
                        Text::tr("no database named (postgresql://USER@HOST:PORT/DATABASE)"));
    return true;
}

bool TChainUrl::fromTarget(const QString &server, const QString &database, const QString &user,
                           const QString &password, TChainUrl &url, QString *error)
{
    url = TChainUrl();
    const QString target = server.trimmed();
    if (target.contains(QLatin1String("://"))) {
        // a whole URL; the other fields override its parts where given
        QString problem;
        if (!parse(target, url, &problem, false))
            return setError(error, problem);
    } else if (!target.isEmpty()) {
        // "host", "host:port", "/socket/dir" or "/socket/dir:port"
        const int colon = target.lastIndexOf(QLatin1Char(':'));
        const bool bracketed = target.startsWith(QLatin1Char('['));
        if (colon > 0 && !(bracketed && target.endsWith(QLatin1Char(']')))
            && target.count(QLatin1Char(':')) == 1) {
            if (!parsePort(target.mid(colon + 1), url.port))
                return setError(
                        error, Text::tr("bad port \"%1\" (1 to 65535)").arg(target.mid(colon + 1)));
            url.host = target.left(colon);
        } else {
            url.host = target;
        }
        if (url.host.startsWith(QLatin1Char('[')) && url.host.endsWith(QLatin1Char(']')))
            url.host = url.host.mid(1, url.host.size() - 2);
    }
    if (!database.trimmed().isEmpty())
        url.database = database.trimmed();
    if (!user.isEmpty())
        url.user = user;
    if (!password.isEmpty())
        url.password = password;
    if (url.database.isEmpty())
        return setError(error, Text::tr("no database named"));
    return true;
}

bool TChainUrl::fromInstallation(const Basics::TValue &installation, TChainUrl &url, QString *error)
{
    const bool login = installation.getBool(QStringLiteral("dbnointegratedsec"));
    return fromTarget(installation.getString(QStringLiteral("dbservername")),
                      installation.getString(QStringLiteral("dbdatabasename")),
                      login ? installation.getString(QStringLiteral("dbusername")) : QString(),
                      login ? installation.getString(QStringLiteral("dbpassword")) : QString(), url,
                      error);
}

QString TChainUrl::text() const
{
    const auto encode = [](const QString &part) {
        return QString::fromLatin1(QUrl::toPercentEncoding(part));
    };
    QString text = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        text += encode(user) + QLatin1Char('@');
    const bool socket = host.startsWith(QLatin1Char('/'));
    if (!socket) {
        if (host.contains(QLatin1Char(':')))
            text += QLatin1Char('[') + host + QLatin1Char(']');
        else
            text += encode(host);
        if (port != 5432)
            text += QLatin1Char(':') + QString::number(port);
    }
    text += QLatin1Char('/') + encode(database);
    // a socket directory reads best as a parameter
    if (socket) {
        text += QStringLiteral("?host=") + host;
        if (port != 5432)
            text += QStringLiteral("&port=") + QString::number(port);
    }
    return text;
}

bool TChainUrl::resolvePassword(const QString &file, QString *error)
{
    if (!password.isEmpty())
        return true;
    const QString fromEnvironment = qEnvironmentVariable("VELTRUM_CHAIN_PASSWORD");
    if (!fromEnvironment.isEmpty() && file.isEmpty()) {
        password = fromEnvironment;
        return true;
    }
    const QString name
            = file.isEmpty() ? qEnvironmentVariable("VELTRUM_CHAIN_PASSWORD_FILE") : file;
    if (name.isEmpty())
        return true;
    QFile in(name);
    if (!in.open(QIODevice::ReadOnly))
        return setError(
                error,
                Text::tr("cannot read the password file %1: %2").arg(name, in.errorString()));
    QByteArray line = in.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    password = QString::fromUtf8(line);
    return true;
}

} // namespace ChainLib
