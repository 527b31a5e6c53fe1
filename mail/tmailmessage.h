#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace Mail {

// A file that goes along with a mail.
struct TAttachment
{
    QString fileName; // as the recipient sees it: "waiter-report-2026-11.pdf"
    QByteArray contentType; // "application/pdf"
    QByteArray bytes;
};

// A mail with a text and attachments, written as a MIME message
// (multipart/mixed, UTF-8 text, attachments in base64, CRLF line ends).
struct TMailMessage
{
    QString from; // "Trattoria <office@example.com>" or "office@example.com"
    QStringList to;
    QString subject;
    QString text;
    QList<TAttachment> attachments;
    QDateTime date; // invalid: now
    QByteArray messageId; // empty: made up

    QByteArray toMime() const;
};

// The address part of "Name <a@b>" (or "a@b" as it is); empty when it holds
// no "@" or characters that an address cannot hold.
QByteArray mailAddress(const QString &text);
// The content type of a file name's extension: pdf, csv, json, png, svg,
// txt; application/octet-stream otherwise.
QByteArray contentTypeOf(const QString &fileName);
// A header's text: itself when it is plain ASCII, else an RFC 2047 word
// "=?UTF-8?B?...?=".
QByteArray headerText(const QString &text);

} // namespace Mail
