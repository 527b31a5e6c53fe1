#include "tmailmessage.h"

#include <QLocale>
#include <QRegularExpression>
#include <QUuid>

namespace Mail {

namespace {

bool isPlain(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() > 126)
            return false;
    }
    return true;
}

// Base64 in lines of 76 characters.
QByteArray base64Lines(const QByteArray &bytes)
{
    const QByteArray encoded = bytes.toBase64();
    QByteArray lines;
    lines.reserve(encoded.size() + encoded.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < encoded.size(); i += 76)
        lines += encoded.mid(i, 76) + "\r\n";
    return lines;
}

// An address header: each "Name <a@b>" with its name encoded.
QByteArray addressHeader(const QStringList &addresses)
{
    QList<QByteArray> parts;
    static const QRegularExpression named(QStringLiteral("^\\s*(.*\\S)\\s*<([^>]*)>\\s*$"));
    for (const QString &address : addresses) {
        const QRegularExpressionMatch m = named.match(address);
        if (m.hasMatch()) {
            QString name = m.captured(1);
            if (name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"'))
                && name.size() > 1)
                name = name.mid(1, name.size() - 2);
            const QByteArray shown = isPlain(name) ? '"' + name.toLatin1().replace('"', "'") + '"'
                                                   : headerText(name);
            parts << shown + " <" + mailAddress(address) + '>';
        } else {
            parts << mailAddress(address);
        }
    }
    return parts.join(", ");
}

// The file name parameter: ASCII as it is, anything else as RFC 2047 word
// (what mail programs read in practice).
QByteArray fileNameParameter(const QString &name)
{
    QString cleaned = name;
    cleaned.replace(QLatin1Char('"'), QLatin1Char('\''))
            .replace(QLatin1Char('\\'), QLatin1Char('_'));
    return isPlain(cleaned) ? '"' + cleaned.toLatin1() + '"' : '"' + headerText(cleaned) + '"';
}

} // namespace

QByteArray mailAddress(const QString &text)
{
    // a line break would smuggle commands into the conversation
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127)
            return QByteArray();
    }
    QString address = text.trimmed();
    const int open = address.lastIndexOf(QLatin1Char('<'));
    if (open >= 0 && address.endsWith(QLatin1Char('>')))
        address = address.mid(open + 1, address.size() - open - 2).trimmed();
    static const QRegularExpression valid(
            QStringLiteral("^[^\\s<>()\\[\\],;:\"@]+@[^\\s<>()\\[\\],;:\"@]+$"));
    if (!valid.match(address).hasMatch() || !isPlain(address))
        return QByteArray();
    return address.toLatin1();
}

QByteArray contentTypeOf(const QString &fileName)
{
    const QString suffix = fileName.section(QLatin1Char('.'), -1).toLower();
    if (suffix == QLatin1String("pdf"))
        return "application/pdf";
    if (suffix == QLatin1String("csv"))
        return "text/csv; charset=UTF-8";
    if (suffix == QLatin1String("json"))
        return "application/json";
    if (suffix == QLatin1String("png"))
        return "image/png";
    if (suffix == QLatin1String("svg"))
        return "image/svg+xml";
    if (suffix == QLatin1String("txt"))
        return "text/plain; charset=UTF-8";
    if (suffix == QLatin1String("xlsx"))
        return "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";
    return "application/octet-stream";
}

QByteArray headerText(const QString &text)
{
    if (isPlain(text))
        return text.toLatin1();
    // words of at most 30 bytes of text each, so that no line grows past 78
    QList<QByteArray> words;
    QByteArray chunk;
    for (const QChar c : text) {
        const QByteArray bytes = QString(c).toUtf8();
        if (chunk.size() + bytes.size() > 30) {
            words << "=?UTF-8?B?" + chunk.toBase64() + "?=";
            chunk.clear();
        }
        chunk += bytes;
    }
    if (!chunk.isEmpty())
        words << "=?UTF-8?B?" + chunk.toBase64() + "?=";
    return words.join("\r\n ");
}

QByteArray TMailMessage::toMime() const
{
    const QByteArray boundary = "veltrum-" + QUuid::createUuid().toByteArray(QUuid::Id128);
    const QDateTime when = date.isValid() ? date : QDateTime::currentDateTime();
    const QByteArray id = messageId.isEmpty()
                                  ? QUuid::createUuid().toByteArray(QUuid::Id128) + "@veltrum"
                                  : messageId;

    QByteArray mime;
    mime += "From: " + addressHeader({from}) + "\r\n";
    mime += "To: " + addressHeader(to) + "\r\n";
    mime += "Subject: " + headerText(subject) + "\r\n";
    const int offset = when.offsetFromUtc() / 60;
    mime += "Date: "
            + QLocale::c().toString(when, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss ")).toLatin1()
            + QStringLiteral("%1%2%3")
                      .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                      .arg(qAbs(offset) / 60, 2, 10, QLatin1Char('0'))
                      .arg(qAbs(offset) % 60, 2, 10, QLatin1Char('0'))
                      .toLatin1()
            + "\r\n";
    mime += "Message-ID: <" + id + ">\r\n";
    mime += "MIME-Version: 1.0\r\n";
    mime += "Content-Type: multipart/mixed;\r\n boundary=\"" + boundary + "\"\r\n\r\n";

    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    mime += "--" + boundary + "\r\n";
    mime += "Content-Type: text/plain; charset=UTF-8\r\n";
    mime += "Content-Transfer-Encoding: base64\r\n\r\n";
    mime += base64Lines(body.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8());
    for (const TAttachment &attachment : attachments) {
        const QByteArray name = fileNameParameter(attachment.fileName);
        mime += "--" + boundary + "\r\n";
        mime += "Content-Type: "
                + (attachment.contentType.isEmpty() ? contentTypeOf(attachment.fileName)
                                                    : attachment.contentType)
                + ";\r\n name=" + name + "\r\n";
        mime += "Content-Disposition: attachment;\r\n filename=" + name + "\r\n";
        mime += "Content-Transfer-Encoding: base64\r\n\r\n";
        mime += base64Lines(attachment.bytes);
    }
    mime += "--" + boundary + "--\r\n";
    return mime;
}

} // namespace Mail
