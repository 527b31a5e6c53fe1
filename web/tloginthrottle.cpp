#include "tloginthrottle.h"

#include <algorithm>

namespace WebLib {

qint64 TLoginThrottle::delayAfter(int failures)
{
    if (failures <= FreeFailures)
        return 0;
    if (failures >= LockoutFailures)
        return LockoutSeconds;
    // 4 failures: 1 s, 5: 2 s, ... 9: 32 s
    return std::min<qint64>(qint64(1) << (failures - FreeFailures - 1), LockoutSeconds);
}

qint64 TLoginThrottle::waitSeconds(const QString &user, const QString &address, qint64 nowMs) const
{
    qint64 until = 0;
    for (const QString &key : {userKey(user), addressKey(address)}) {
        const auto it = m_entries.constFind(key);
        if (it != m_entries.cend())
            until = std::max(until, it->until);
    }
    if (until <= nowMs)
        return 0;
    return (until - nowMs + 999) / 1000;
}

int TLoginThrottle::failures(const QString &user, const QString &address) const
{
    int most = 0;
    for (const QString &key : {userKey(user), addressKey(address)})
        most = std::max(most, m_entries.value(key).failures);
    return most;
}

void TLoginThrottle::fail(const QString &key, qint64 nowMs)
{
    if (!m_entries.contains(key) && m_entries.size() >= MaxEntries)
        forgetOldest();
    Entry &entry = m_entries[key];
    entry.failures = std::min(entry.failures + 1, LockoutFailures);
    entry.until = nowMs + delayAfter(entry.failures) * 1000;
    entry.last = nowMs;
}

void TLoginThrottle::failed(const QString &user, const QString &address, qint64 nowMs)
{
    fail(userKey(user), nowMs);
    fail(addressKey(address), nowMs);
}

void TLoginThrottle::succeeded(const QString &user, const QString &address)
{
    m_entries.remove(userKey(user));
    m_entries.remove(addressKey(address));
}

void TLoginThrottle::forgetOldest()
{
    // the one seen the longest ago goes (a locked address floods in vain:
    // its own entry is the newest)
    auto oldest = m_entries.end();
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (oldest == m_entries.end() || it->last < oldest->last)
            oldest = it;
    }
    if (oldest != m_entries.end())
        m_entries.erase(oldest);
}

} // namespace WebLib
