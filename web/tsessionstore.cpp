#include "tsessionstore.h"

#include "tpasswordhash.h"

namespace WebLib {

bool TSessionStore::expired(const TSession &session, qint64 nowMs) const
{
    if (!session.loggedIn())
        return nowMs - session.created >= LoginSeconds * 1000;
    return nowMs - session.lastSeen >= IdleSeconds * 1000
           || nowMs - session.created >= MaxSeconds * 1000;
}

qint64 TSessionStore::cookieSeconds(const TSession &session)
{
    return session.loggedIn() ? MaxSeconds : LoginSeconds;
}

void TSessionStore::dropExpired(qint64 nowMs)
{
    for (auto it = m_sessions.begin(); it != m_sessions.end();) {
        if (expired(*it, nowMs))
            it = m_sessions.erase(it);
        else
            ++it;
    }
}

const TSession &TSessionStore::insert(TSession session)
{
    int sameKind = 0;
    auto oldest = m_sessions.end();
    for (auto it = m_sessions.begin(); it != m_sessions.end(); ++it) {
        if (it->loggedIn() != session.loggedIn())
            continue;
        ++sameKind;
        if (oldest == m_sessions.end() || it->lastSeen < oldest->lastSeen)
            oldest = it;
    }
    if (sameKind >= MaxSessions)
        m_sessions.erase(oldest);
    const QByteArray id = session.id;
    return *m_sessions.insert(id, std::move(session));
}

const TSession &TSessionStore::open(qint64 nowMs)
{
    dropExpired(nowMs);
    TSession session;
    session.id = randomToken();
    session.csrf = randomToken();
    session.created = session.lastSeen = nowMs;
    return insert(std::move(session));
}

const TSession &TSessionStore::login(const QString &user, const QByteArray &previous, qint64 nowMs)
{
    m_sessions.remove(previous);
    dropExpired(nowMs);
    TSession session;
    session.id = randomToken();
    session.user = user;
    session.csrf = randomToken();
    session.created = session.lastSeen = nowMs;
    return insert(std::move(session));
}

const TSession *TSessionStore::find(const QByteArray &id, qint64 nowMs)
{
    if (id.isEmpty())
        return nullptr;
    const auto it = m_sessions.find(id);
    if (it == m_sessions.end())
        return nullptr;
    if (expired(*it, nowMs)) {
        m_sessions.erase(it);
        return nullptr;
    }
    it->lastSeen = nowMs;
    return &*it;
}

void TSessionStore::close(const QByteArray &id)
{
    m_sessions.remove(id);
}

void TSessionStore::closeUser(const QString &user)
{
    for (auto it = m_sessions.begin(); it != m_sessions.end();) {
        if (it->user == user)
            it = m_sessions.erase(it);
        else
            ++it;
    }
}

} // namespace WebLib
