#pragma once

#include <QByteArray>
#include <QString>

namespace Basics {

// The cipher of the remote log messages. It keeps the messages unreadable
// on the wire for casual observers; it is not meant to resist an attacker
// who knows the library key.
//
// Layout of an enciphered block:
//   nonce (4 bytes, random) | RC4(key + nonce)(data + check)
// where check is the 32-bit FNV-1a hash of the data, big-endian, and the
// first 256 bytes of the RC4 key stream are dropped. The nonce gives every
// message its own key stream; the check lets the receiver detect a wrong
// key or damaged bytes. Texts are enciphered as their UTF-8 bytes.
class TCryption
{
public:
    // The library key, shared with the log collector.
    TCryption();
    // Throws TCryptError (reason 401, code 1) for an empty key or one longer
    // than 252 bytes (the key and the nonce must fit RC4's 256 bytes).
    explicit TCryption(const QByteArray &key);

    QByteArray encipher(const QByteArray &data) const;
    // Throws TCryptError: reason 402, code 2 when the block is shorter than
    // nonce and check; code 3 when the check does not match.
    QByteArray decipher(const QByteArray &block) const;

    QByteArray encipherText(const QString &text) const { return encipher(text.toUtf8()); }
    // As decipher(); also throws TCryptError (402, 4) when the bytes are no
    // valid UTF-8.
    QString decipherText(const QByteArray &block) const;

    static QByteArray defaultKey();

private:
    QByteArray crypt(const QByteArray &nonce, const QByteArray &data) const;

    QByteArray m_key;
};

} // namespace Basics
