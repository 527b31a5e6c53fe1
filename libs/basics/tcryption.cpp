#include "tcryption.h"

#include "terror.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QtEndian>

#include <array>

namespace Basics {

namespace {

constexpr int NonceSize = 4;
constexpr int CheckSize = 4;
constexpr int MaxKeySize = 256 - NonceSize;
constexpr int Dropped = 256;

quint32 fnv1a(const QByteArray &data)
{
    quint32 hash = 2166136261u;
    for (const char c : data) {
        hash ^= quint8(c);
        hash *= 16777619u;
    }
    return hash;
}

class Rc4
{
public:
    explicit Rc4(const QByteArray &key)
    {
        for (int i = 0; i < 256; ++i)
            m_s[i] = quint8(i);
        quint8 j = 0;
        for (int i = 0; i < 256; ++i) {
            j = quint8(j + m_s[i] + quint8(key[i % key.size()]));
            std::swap(m_s[i], m_s[j]);
        }
        for (int i = 0; i < Dropped; ++i)
            next();
    }

    quint8 next()
    {
        m_i = quint8(m_i + 1);
        m_j = quint8(m_j + m_s[m_i]);
        std::swap(m_s[m_i], m_s[m_j]);
        return m_s[quint8(m_s[m_i] + m_s[m_j])];
    }

private:
    std::array<quint8, 256> m_s;
    quint8 m_i = 0;
    quint8 m_j = 0;
};

} // namespace

TCryption::TCryption()
    : m_key(defaultKey())
{ }

TCryption::TCryption(const QByteArray &key)
    : m_key(key)
{
    if (key.isEmpty() || key.size() > MaxKeySize)
        throw TCryptError(T_SOURCE, 401, 1);
}

QByteArray TCryption::defaultKey()
{
    return QByteArrayLiteral("Veltrum/Korval log 4.1");
}

QByteArray TCryption::crypt(const QByteArray &nonce, const QByteArray &data) const
{
    Rc4 stream(m_key + nonce);
    QByteArray out(data.size(), Qt::Uninitialized);
    for (int i = 0; i < data.size(); ++i)
        out[i] = char(quint8(data[i]) ^ stream.next());
    return out;
}

QByteArray TCryption::encipher(const QByteArray &data) const
{
    QByteArray nonce(NonceSize, Qt::Uninitialized);
    qToBigEndian(QRandomGenerator::global()->generate(), nonce.data());
    QByteArray check(CheckSize, Qt::Uninitialized);
    qToBigEndian(fnv1a(data), check.data());
    return nonce + crypt(nonce, data + check);
}

QByteArray TCryption::decipher(const QByteArray &block) const
{
    if (block.size() < NonceSize + CheckSize)
        throw TCryptError(T_SOURCE, 402, 2);
    const QByteArray plain = crypt(block.left(NonceSize), block.mid(NonceSize));
    const QByteArray data = plain.left(plain.size() - CheckSize);
    if (qFromBigEndian<quint32>(plain.constData() + data.size()) != fnv1a(data))
        throw TCryptError(T_SOURCE, 402, 3);
    return data;
}

QString TCryption::decipherText(const QByteArray &block) const
{
    const QByteArray data = decipher(block);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(data);
    if (decoder.hasError())
        throw TCryptError(T_SOURCE, 402, 4);
    return text;
}

} // namespace Basics
