#include "tlistenaddress.h"

namespace WebLib {

bool TListenAddress::parse(const QString &text, TListenAddress &out, QString *error)
{
    const auto bad = [&](const QString &why) {
        if (error)
            *error = tr("--listen %1: %2").arg(text, why);
        return false;
    };
    QString host = text;
    QString portText;
    if (text.startsWith(QLatin1Char('['))) {
        // [v6]:port
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0)
            return bad(tr("no ']' after the IPv6 address"));
        host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':')))
                return bad(tr("':PORT' expected after ']'"));
            portText = rest.mid(1);
        }
    } else if (text.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        host = text.left(colon);
        portText = text.mid(colon + 1);
    }
    TListenAddress result;
    if (host.isEmpty() || host == QLatin1String("localhost")) {
        result.address = QHostAddress(QHostAddress::LocalHost);
    } else if (!result.address.setAddress(host)
               // "8080" or "10.1" would pass for IPv4 addresses
               || (!host.contains(QLatin1Char(':')) && host.count(QLatin1Char('.')) != 3)) {
        return bad(tr("'%1' is no IP address (ADDR:PORT, e.g. 127.0.0.1:8080)").arg(host));
    }
    result.port = DefaultPort;
    if (!portText.isNull() || text.endsWith(QLatin1Char(':'))) {
        bool ok = false;
        const uint port = portText.toUInt(&ok);
        if (!ok || port > 65535 || portText.startsWith(QLatin1Char('+')))
            return bad(tr("'%1' is no port (0 to 65535)").arg(portText));
        result.port = quint16(port);
    }
    out = result;
    return true;
}

QString TListenAddress::refusal(bool tls, bool insecure) const
{
    if (isLoopback() || tls || insecure)
        return QString();
    return tr("%1 can be reached from other machines: give --cert and --key to serve it over "
              "TLS, or --insecure to send passwords and figures unencrypted")
            .arg(text());
}

QString TListenAddress::text(quint16 actualPort) const
{
    const quint16 shown = actualPort ? actualPort : port;
    if (address.protocol() == QAbstractSocket::IPv6Protocol)
        return QStringLiteral("[%1]:%2").arg(address.toString()).arg(shown);
    return QStringLiteral("%1:%2").arg(address.toString()).arg(shown);
}

} // namespace WebLib
