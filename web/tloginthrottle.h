#pragma once

#include <QHash>
#include <QString>

namespace WebLib {

// Slows down and then locks out guessing of passwords, per user name and
// per client address alike: the first FreeFailures wrong passwords in a
// row cost nothing; each one after that makes the next attempt wait
// twice as long as the one before (1 s, 2 s, 4 s, ...); from
// LockoutFailures in a row on, the name or address is locked out for
// LockoutSeconds after each further failure. A successful login clears
// the counts of its name and address. Times are milliseconds of a
// monotonic clock, given by the caller, so that the rules can be checked
// without waiting.
class TLoginThrottle
{
public:
    static constexpr int FreeFailures = 3;
    static constexpr int LockoutFailures = 10;
    static constexpr qint64 LockoutSeconds = 15 * 60;
    // How many names and addresses are remembered; beyond, the ones not
    // seen the longest are forgotten first (a flood of made-up names
    // cannot fill the memory).
    static constexpr int MaxEntries = 10000;

    // Seconds until `user` from `address` may try again (rounded up); 0
    // when an attempt may be made now.
    qint64 waitSeconds(const QString &user, const QString &address, qint64 nowMs) const;
    // A wrong password (or unknown user) was given.
    void failed(const QString &user, const QString &address, qint64 nowMs);
    // The right one was given.
    void succeeded(const QString &user, const QString &address);

    // Failures in a row of a name or address (0 when none).
    int failures(const QString &user, const QString &address) const;
    // What one failure in a row more makes the next attempt wait, in
    // seconds: 0, 0, 0, 1, 2, 4, ... LockoutSeconds.
    static qint64 delayAfter(int failures);

private:
    struct Entry
    {
        int failures = 0;
        qint64 until = 0; // no attempt before this
        qint64 last = 0;
    };
    static QString userKey(const QString &user) { return QStringLiteral("u:") + user; }
    static QString addressKey(const QString &address) { return QStringLiteral("a:") + address; }
    void fail(const QString &key, qint64 nowMs);
    void forgetOldest();

    QHash<QString, Entry> m_entries;
};

} // namespace WebLib
