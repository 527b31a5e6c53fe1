#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace WebLib {

// One visitor of the web view: logged in as `user`, or not yet (a login
// form was fetched: the session holds the token the login must bring).
struct TSession
{
    QByteArray id; // what the cookie holds
    QString user; // empty before the login
    QByteArray csrf; // every POST of this session brings it
    qint64 created = 0;
    qint64 lastSeen = 0;

    bool loggedIn() const { return !user.isEmpty(); }
};

// The sessions of the web view, in memory (a restart logs everybody out).
// Ids and tokens are 32 random bytes each. A logged-in session ends after
// IdleSeconds without a request or MaxSeconds after the login; a session
// before the login after LoginSeconds. Times are milliseconds of a
// monotonic clock, given by the caller.
class TSessionStore
{
public:
    static constexpr qint64 IdleSeconds = 60 * 60;
    static constexpr qint64 MaxSeconds = 12 * 60 * 60;
    static constexpr qint64 LoginSeconds = 10 * 60;
    // At most this many sessions of each kind; the oldest goes first.
    static constexpr int MaxSessions = 1000;

    // A new session before the login.
    const TSession &open(qint64 nowMs);
    // A new logged-in session for `user`; the session `previous` (the one
    // the login came from) ends, so that an id known before the login is
    // worth nothing after it.
    const TSession &login(const QString &user, const QByteArray &previous, qint64 nowMs);
    // The session of cookie value `id`, its last use set to now; null when
    // there is none or it has expired (it is then removed).
    const TSession *find(const QByteArray &id, qint64 nowMs);
    void close(const QByteArray &id);
    // Ends every session of `user` (after a change of the users file).
    void closeUser(const QString &user);
    int count() const { return int(m_sessions.size()); }

    // How long a cookie for `session` may live, in seconds.
    static qint64 cookieSeconds(const TSession &session);

private:
    bool expired(const TSession &session, qint64 nowMs) const;
    const TSession &insert(TSession session);
    void dropExpired(qint64 nowMs);

    QHash<QByteArray, TSession> m_sessions;
};

} // namespace WebLib
