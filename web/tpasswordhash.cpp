#include "tpasswordhash.h"

#include <sodium.h>

namespace WebLib {

namespace {

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

QByteArray hashPassword(const QByteArray &password, THashCost cost)
{
    if (!sodiumReady())
        return QByteArray();
    const bool minimal = cost == THashCost::Minimal;
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(
                out, password.constData(), quint64(password.size()),
                minimal ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE,
                minimal ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE,
                crypto_pwhash_ALG_ARGON2ID13)
        != 0)
        return QByteArray();
    return QByteArray(out);
}

bool verifyPassword(const QByteArray &hash, const QByteArray &password)
{
    if (!sodiumReady() || !isPasswordHash(hash))
        return false;
    return crypto_pwhash_str_verify(hash.constData(), password.constData(),
                                    quint64(password.size()))
           == 0;
}

bool isPasswordHash(const QByteArray &hash)
{
    return hash.startsWith("$argon2id$") && hash.size() < crypto_pwhash_STRBYTES
           && !hash.contains('\0');
}

const QByteArray &decoyHash()
{
    static const QByteArray hash = hashPassword(randomToken(24));
    return hash;
}

QByteArray randomToken(int bytes)
{
    sodiumReady();
    QByteArray raw(bytes, Qt::Uninitialized);
    randombytes_buf(raw.data(), size_t(raw.size()));
    return raw.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    return sodium_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}

} // namespace WebLib
