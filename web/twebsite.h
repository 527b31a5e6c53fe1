#pragma once

#include "tloginthrottle.h"
#include "tsessionstore.h"
#include "tusersfile.h"
#include "tweblimits.h"
#include "twebmessage.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <functional>

namespace WebLib {

// A call of the JSON API, checked and ready for the report thread: the
// route, its parameters (each one the route takes, at most once), the
// visitor's language and who asks.
struct TApiCall
{
    QString path; // "/api/report"
    QList<QPair<QString, QString>> params;
    QString language; // "de" or "en"
    QString user;

    // The value of parameter `name`; null when not given.
    QString param(const QString &name) const;
    bool has(const QString &name) const { return !param(name).isNull(); }
};

// A route of the API that the report thread answers: its path and the
// query parameters it takes.
struct TApiRoute
{
    QString path;
    QStringList params;
};

// How the web view answers a request, apart from the network: the rules
// every request passes (method, host, path, parameters, login, token of
// the session for every POST), the login with its back-off, the sessions,
// the page's files, and the hand-over of API calls to the report thread.
// Lives on the network thread; nothing here blocks (the password hashes
// are checked on a thread pool).
class TWebSite : public QObject
{
    Q_OBJECT
public:
    using Reply = std::function<void(const TWebResponse &)>;
    // Answers an API call, later, by calling the reply on this object's
    // thread.
    using Engine = std::function<void(const TApiCall &, const Reply &)>;
    // Checks a password against a hash and calls back with the result on
    // this object's thread.
    using Verifier = std::function<void(const QByteArray &hash, const QByteArray &password,
                                        const std::function<void(bool)> &done)>;
    using Clock = std::function<qint64()>; // monotonic milliseconds

    struct Options
    {
        TWebLimits limits;
        bool tls = false;
        // the server listens on loopback: only requests naming a loopback
        // host are taken (a page elsewhere cannot reach it through a name
        // of its own, DNS rebinding)
        bool loopback = true;
        quint16 port = 0;
        QString usersPath;
        bool chain = false; // a chain database is there (--db)
        QString installation; // the installation's name, for the page's head
        // the language of the server's log (the program's): each visitor's
        // own language is chosen for every request
        QString logLanguage = QStringLiteral("en");
    };

    explicit TWebSite(const Options &options, QObject *parent = nullptr);
    ~TWebSite() override;

    void setEngine(Engine engine) { m_engine = std::move(engine); }
    void setVerifier(Verifier verifier) { m_verifier = std::move(verifier); }
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setApiRoutes(const QList<TApiRoute> &routes);
    void setPort(quint16 port) { m_options.port = port; }

    // Reads the users file; false with `error` when it cannot be read, is
    // not understood or names nobody.
    bool loadUsers(QString *error);
    // Reads the users file again when it changed since; the sessions of
    // users taken out or given a new password end.
    void reloadUsers();

    // Answers `request`, at once or later, by calling `reply` once, on
    // this object's thread.
    void handle(const TWebRequest &request, const Reply &reply);

    // The routes: every path with its method, and whether it answers
    // without a login.
    struct Route
    {
        QByteArray method;
        QString path;
        bool open = false;
        QStringList params;
        bool api = false; // answered by the engine
    };
    const QList<Route> &routes() const { return m_routes; }

    // The cookie of the session: "__Host-veltrum" over TLS (the browser
    // keeps it to this host and to TLS), "veltrum" without.
    QByteArray cookieName() const;

Q_SIGNALS:
    // Something the server's log should hold: logins, wrong passwords,
    // lock-outs, logouts.
    void sigEvent(const QString &text);

private:
    struct Context;
    qint64 now() const { return m_clock(); }
    QString logText(const char *source) const;
    QString refusal(const TWebRequest &request, const QString &language, int *status,
                    const Route **route) const;
    void answerSession(Context &context, const Reply &reply);
    void answerLogin(Context &context, const Reply &reply);
    void answerLogout(Context &context, const Reply &reply);
    QByteArray sessionCookie(const TSession &session) const;
    QByteArray clearedCookie() const;
    QJsonObject sessionState(const TSession *session, const QString &language) const;

    Options m_options;
    QList<Route> m_routes;
    Engine m_engine;
    Verifier m_verifier;
    Clock m_clock;
    TUsersFile m_users;
    QDateTime m_usersModified;
    qint64 m_usersSize = -1;
    TLoginThrottle m_throttle;
    TSessionStore m_sessions;
    int m_verifying = 0;
};

// A verifier that checks on a pool of `threads` threads, answering on the
// thread of `context`.
TWebSite::Verifier poolVerifier(QObject *context, int threads = 2);

} // namespace WebLib
