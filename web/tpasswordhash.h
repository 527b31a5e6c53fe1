#pragma once

#include <QByteArray>

namespace WebLib {

// How much work a password hash costs. Interactive is what the users file
// gets (argon2id, 2 passes over 64 MiB: a few tenths of a second); Minimal
// serves tests that hash many passwords.
enum class THashCost { Interactive, Minimal };

// The password's argon2id hash in libsodium's string form
// ("$argon2id$v=19$m=65536,t=2,p=1$salt$hash"), with a fresh random salt;
// empty when the hash could not be made (out of memory).
QByteArray hashPassword(const QByteArray &password, THashCost cost = THashCost::Interactive);

// True when `password` matches `hash` (a string of hashPassword()). Takes
// as long as the hash costs; safe on any thread.
bool verifyPassword(const QByteArray &hash, const QByteArray &password);

// True when `hash` is an argon2id hash string libsodium can verify against.
bool isPasswordHash(const QByteArray &hash);

// A hash of a password nobody knows, with the users file's cost: an
// unknown user's login is checked against it, so that it takes as long as
// a known user's.
const QByteArray &decoyHash();

// `bytes` random bytes, base64url without padding (libsodium's generator).
QByteArray randomToken(int bytes = 32);

// Compares in a time that does not depend on where the bytes differ.
bool sameBytes(const QByteArray &a, const QByteArray &b);

} // namespace WebLib
