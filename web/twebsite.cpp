#include "twebsite.h"

#include "twebassets.h"
#include "twebtexts.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include <memory>

namespace WebLib {

namespace {

const char SessionPath[] = "/api/session";
const char LoginPath[] = "/api/login";
const char LogoutPath[] = "/api/logout";
// verifications of passwords under way at once; more logins wait for none
// of them but are told to come back
constexpr int MaxVerifying = 8;

qint64 monotonicMs()
{
    static QElapsedTimer timer;
    static const bool started = (timer.start(), true);
    Q_UNUSED(started);
    return timer.elapsed();
}

// The client's address as the back-off counts it: an IPv4 client of an
// IPv6 socket as IPv4.
QString addressKey(const QHostAddress &peer)
{
    bool v4 = false;
    const quint32 ip4 = peer.toIPv4Address(&v4);
    return v4 ? QHostAddress(ip4).toString() : peer.toString();
}

// No ".", "..", "//", backslash or control character in the path, and no
// encoded dot, slash, backslash or NUL in what was sent: the paths served
// are plain and a path that needs any of these is no path of ours.
bool isPlainPath(const QString &path, const QByteArray &raw)
{
    if (!path.startsWith(QLatin1Char('/')) || path.contains(QLatin1Char('\\'))
        || path.contains(QLatin1String("//")))
        return false;
    for (const QChar ch : path) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f)
            return false;
    }
    for (const QString &segment : path.split(QLatin1Char('/'))) {
        if (segment == QLatin1String(".") || segment == QLatin1String(".."))
            return false;
    }
    const QByteArray lower = raw.toLower();
    for (const char *encoded : {"%2e", "%2f", "%5c", "%00"}) {
        if (lower.contains(encoded))
            return false;
    }
    return true;
}

QString say(const QString &language, const char *text)
{
    return TWebTexts::text(language, text);
}

} // namespace

QString TApiCall::param(const QString &name) const
{
    for (const auto &p : params) {
        if (p.first == name)
            return p.second.isNull() ? QStringLiteral("") : p.second;
    }
    return QString();
}

struct TWebSite::Context
{
    TWebRequest request;
    QString language;
    const Route *route = nullptr;
    bool hasSession = false;
    TSession session;
};

TWebSite::TWebSite(const Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_clock(monotonicMs)
    , m_users(options.usersPath)
{
    m_verifier = poolVerifier(this);
    for (const QString &path : TWebAssets::paths())
        m_routes.append({"GET", path, true, {}, false});
    m_routes.append({"GET", QLatin1String(SessionPath), true, {}, false});
    m_routes.append({"POST", QLatin1String(LoginPath), true, {}, false});
    m_routes.append({"POST", QLatin1String(LogoutPath), false, {}, false});
    // users taken out of the file lose their sessions within seconds
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &TWebSite::reloadUsers);
    timer->start(10 * 1000);
}

TWebSite::~TWebSite() = default;

void TWebSite::setApiRoutes(const QList<TApiRoute> &routes)
{
    for (const TApiRoute &route : routes)
        m_routes.append({"GET", route.path, false, route.params, true});
}

QString TWebSite::logText(const char *source) const
{
    return TWebTexts::text(m_options.logLanguage, source);
}

QByteArray TWebSite::cookieName() const
{
    return m_options.tls ? QByteArrayLiteral("__Host-veltrum") : QByteArrayLiteral("veltrum");
}

bool TWebSite::loadUsers(QString *error)
{
    TUsersFile users(m_options.usersPath);
    if (!users.load()) {
        *error = users.error();
        return false;
    }
    if (users.names().isEmpty()) {
        *error = tr("%1 names nobody who may log in (add someone with 'veltrum serve "
                    "--add-user NAME')")
                         .arg(m_options.usersPath);
        return false;
    }
    m_users = users;
    const QFileInfo info(m_options.usersPath);
    m_usersModified = info.lastModified();
    m_usersSize = info.size();
    return true;
}

void TWebSite::reloadUsers()
{
    const QFileInfo info(m_options.usersPath);
    if (info.exists() && info.lastModified() == m_usersModified && info.size() == m_usersSize)
        return;
    m_usersModified = info.lastModified();
    m_usersSize = info.exists() ? info.size() : -1;
    TUsersFile users(m_options.usersPath);
    if (!users.load(true)) {
        Q_EMIT sigEvent(logText(QT_TRANSLATE_NOOP("TWebTexts",
                                                  "the users file could not be read again (%1); "
                                                  "the users read before stay"))
                                .arg(users.error()));
        return;
    }
    for (const QString &name : m_users.names()) {
        if (users.hash(name) != m_users.hash(name))
            m_sessions.closeUser(name);
    }
    m_users = users;
    Q_EMIT sigEvent(logText(QT_TRANSLATE_NOOP("TWebTexts", "users file read again: %1"))
                            .arg(users.names().join(QStringLiteral(", "))));
}

QString TWebSite::refusal(const TWebRequest &request, const QString &language, int *status,
                          const Route **route) const
{
    if (request.method != "GET" && request.method != "POST") {
        *status = 405;
        return say(language, QT_TRANSLATE_NOOP("TWebTexts", "Only GET and POST are answered."));
    }
    const QByteArray host = request.header("host").toLower();
    if (host.isEmpty()) {
        *status = 400;
        return say(language, QT_TRANSLATE_NOOP("TWebTexts", "The request names no host."));
    }
    if (m_options.loopback) {
        const QByteArray port = ':' + QByteArray::number(m_options.port);
        bool known = false;
        for (const char *name : {"127.0.0.1", "localhost", "[::1]"})
            known = known || host == name + port;
        if (!known) {
            *status = 421;
            return say(language,
                       QT_TRANSLATE_NOOP("TWebTexts", "This server answers only under its loopback "
                                                      "address."));
        }
    }
    if (!isPlainPath(request.path, request.rawPath)) {
        *status = 400;
        return say(language, QT_TRANSLATE_NOOP("TWebTexts", "No such path."));
    }
    const Route *found = nullptr;
    bool otherMethod = false;
    for (const Route &r : m_routes) {
        if (r.path != request.path)
            continue;
        if (r.method == request.method)
            found = &r;
        else
            otherMethod = true;
    }
    if (!found) {
        *status = otherMethod ? 405 : 404;
        return otherMethod ? say(language,
                                 QT_TRANSLATE_NOOP("TWebTexts", "Not answered with this method."))
                           : say(language, QT_TRANSLATE_NOOP("TWebTexts", "No such path."));
    }
    QStringList seen;
    for (const auto &p : request.query) {
        if (!found->params.contains(p.first)) {
            *status = 400;
            return say(language, QT_TRANSLATE_NOOP("TWebTexts", "unknown parameter '%1'"))
                    .arg(p.first);
        }
        if (seen.contains(p.first)) {
            *status = 400;
            return say(language, QT_TRANSLATE_NOOP("TWebTexts", "parameter '%1' given twice"))
                    .arg(p.first);
        }
        seen << p.first;
    }
    *route = found;
    return QString();
}

void TWebSite::handle(const TWebRequest &request, const Reply &reply)
{
    Context c;
    c.request = request;
    c.language = TWebTexts::language(request.header("accept-language"));
    int status = 0;
    const QString why = refusal(request, c.language, &status, &c.route);
    if (!why.isEmpty()) {
        TWebResponse response = TWebResponse::error(status, why);
        if (status == 405)
            response.addHeader("Allow", "GET, POST");
        reply(response);
        return;
    }
    const QByteArray id = request.cookie(cookieName());
    if (const TSession *session = m_sessions.find(id, now())) {
        c.session = *session;
        c.hasSession = true;
        // taken out of the users file since the login
        if (session->loggedIn() && !m_users.contains(session->user)) {
            m_sessions.close(id);
            c.hasSession = false;
        }
    }
    const bool loggedIn = c.hasSession && c.session.loggedIn();
    if (!c.route->open && !loggedIn) {
        reply(TWebResponse::error(
                401, say(c.language, QT_TRANSLATE_NOOP("TWebTexts", "Please log in."))));
        return;
    }
    if (request.method == "POST") {
        // the token that only the page of this session knows
        if (!c.hasSession || !sameBytes(request.header("x-csrf-token"), c.session.csrf)) {
            reply(TWebResponse::error(
                    403, say(c.language, QT_TRANSLATE_NOOP("TWebTexts",
                                                           "The page's token is missing or "
                                                           "wrong; please load the page again."))));
            return;
        }
        const QByteArray origin = request.header("origin").toLower();
        const QByteArray own
                = (m_options.tls ? "https://" : "http://") + request.header("host").toLower();
        if (!origin.isEmpty() && origin != own) {
            reply(TWebResponse::error(
                    403, say(c.language, QT_TRANSLATE_NOOP("TWebTexts", "Sent from another "
                                                                        "site."))));
            return;
        }
    }

    if (c.route->api) {
        if (!m_engine) {
            reply(TWebResponse::error(503, QStringLiteral("no engine")));
            return;
        }
        TApiCall call;
        call.path = request.path;
        call.params = request.query;
        call.language = c.language;
        call.user = c.session.user;
        m_engine(call, reply);
        return;
    }
    if (request.path == QLatin1String(SessionPath)) {
        answerSession(c, reply);
        return;
    }
    if (request.path == QLatin1String(LoginPath)) {
        answerLogin(c, reply);
        return;
    }
    if (request.path == QLatin1String(LogoutPath)) {
        answerLogout(c, reply);
        return;
    }
    TWebResponse response;
    if (!TWebAssets::find(request.path, &response.body, &response.contentType))
        response = TWebResponse::error(404, say(c.language, "No such path."));
    reply(response);
}

QByteArray TWebSite::sessionCookie(const TSession &session) const
{
    QByteArray cookie = cookieName() + '=' + session.id + "; Path=/; Max-Age="
                        + QByteArray::number(TSessionStore::cookieSeconds(session))
                        + "; HttpOnly; SameSite=Strict";
    if (m_options.tls)
        cookie += "; Secure";
    return cookie;
}

QByteArray TWebSite::clearedCookie() const
{
    QByteArray cookie = cookieName() + "=; Path=/; Max-Age=0; HttpOnly; SameSite=Strict";
    if (m_options.tls)
        cookie += "; Secure";
    return cookie;
}

QJsonObject TWebSite::sessionState(const TSession *session, const QString &language) const
{
    QJsonObject state {
            {QStringLiteral("format"), 1},
            {QStringLiteral("loggedIn"), session && session->loggedIn()},
            {QStringLiteral("user"),
             session && session->loggedIn() ? QJsonValue(session->user) : QJsonValue()},
            {QStringLiteral("csrf"),
             session ? QJsonValue(QString::fromLatin1(session->csrf)) : QJsonValue()},
            {QStringLiteral("language"), language},
            {QStringLiteral("texts"), TWebTexts::pageTexts(language)},
    };
    if (session && session->loggedIn()) {
        state.insert(QStringLiteral("chain"), m_options.chain);
        state.insert(QStringLiteral("installation"), m_options.installation);
    }
    return state;
}

void TWebSite::answerSession(Context &c, const Reply &reply)
{
    TWebResponse response;
    if (!c.hasSession) {
        c.session = m_sessions.open(now());
        c.hasSession = true;
        response.addHeader("Set-Cookie", sessionCookie(c.session));
    }
    const TWebResponse state = TWebResponse::json(
            QJsonDocument(sessionState(&c.session, c.language)).toJson(QJsonDocument::Compact));
    response.contentType = state.contentType;
    response.body = state.body;
    reply(response);
}

void TWebSite::answerLogin(Context &c, const Reply &reply)
{
    const TWebRequest &request = c.request;
    if (!request.header("content-type").toLower().startsWith("application/json")) {
        reply(TWebResponse::error(
                415, say(c.language, QT_TRANSLATE_NOOP("TWebTexts", "JSON expected."))));
        return;
    }
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(request.body, &parsed);
    const QJsonObject o = document.object();
    const bool wellFormed = parsed.error == QJsonParseError::NoError && document.isObject()
                            && o.size() == 2 && o.value(QStringLiteral("user")).isString()
                            && o.value(QStringLiteral("password")).isString();
    const QString user = o.value(QStringLiteral("user")).toString();
    const QByteArray password = o.value(QStringLiteral("password")).toString().toUtf8();
    if (!wellFormed || user.isEmpty() || user.size() > 64
        || password.size() > TUsersFile::MaxPasswordLength) {
        reply(TWebResponse::error(
                400, say(c.language, QT_TRANSLATE_NOOP("TWebTexts", "A login is {\"user\": NAME, "
                                                                    "\"password\": PASSWORD}."))));
        return;
    }
    const QString address = addressKey(request.peer);
    const qint64 wait = m_throttle.waitSeconds(user, address, now());
    if (wait > 0) {
        TWebResponse response = TWebResponse::error(
                429, say(c.language,
                         QT_TRANSLATE_NOOP("TWebTexts", "Too many wrong passwords: please wait "
                                                        "%1 s before the next attempt."))
                             .arg(wait));
        response.addHeader("Retry-After", QByteArray::number(wait));
        reply(response);
        return;
    }
    if (m_verifying >= MaxVerifying) {
        TWebResponse response = TWebResponse::error(
                503, say(c.language,
                         QT_TRANSLATE_NOOP("TWebTexts", "Busy; please try again in a moment.")));
        response.addHeader("Retry-After", "2");
        reply(response);
        return;
    }
    reloadUsers();
    const QByteArray hash = m_users.hash(user);
    const bool known = !hash.isEmpty();
    ++m_verifying;
    const QByteArray previous = c.session.id;
    const QString language = c.language;
    QPointer<TWebSite> self(this);
    m_verifier(
            known ? hash : decoyHash(), password,
            [self, known, user, address, previous, language, reply](bool matches) {
                if (!self)
                    return;
                TWebSite &site = *self;
                --site.m_verifying;
                if (!known || !matches) {
                    site.m_throttle.failed(user, address, site.now());
                    const int failures = site.m_throttle.failures(user, address);
                    Q_EMIT site.sigEvent(
                            site
                                    .logText(QT_TRANSLATE_NOOP(
                                            "TWebTexts", "wrong password for '%1' from %2 (%3 in a "
                                                         "row)"))
                                    .arg(user, address)
                                    .arg(failures));
                    reply(TWebResponse::error(
                            401, say(language, QT_TRANSLATE_NOOP("TWebTexts", "Wrong user name or "
                                                                              "password."))));
                    return;
                }
                site.m_throttle.succeeded(user, address);
                const TSession session = site.m_sessions.login(user, previous, site.now());
                Q_EMIT site.sigEvent(
                        site.logText(QT_TRANSLATE_NOOP("TWebTexts", "'%1' logged in from %2"))
                                .arg(user, address));
                TWebResponse response
                        = TWebResponse::json(QJsonDocument(site.sessionState(&session, language))
                                                     .toJson(QJsonDocument::Compact));
                response.addHeader("Set-Cookie", site.sessionCookie(session));
                reply(response);
            });
}

void TWebSite::answerLogout(Context &c, const Reply &reply)
{
    m_sessions.close(c.session.id);
    Q_EMIT sigEvent(logText(QT_TRANSLATE_NOOP("TWebTexts", "'%1' logged out")).arg(c.session.user));
    TWebResponse response = TWebResponse::json(
            QJsonDocument(sessionState(nullptr, c.language)).toJson(QJsonDocument::Compact));
    response.addHeader("Set-Cookie", clearedCookie());
    reply(response);
}

TWebSite::Verifier poolVerifier(QObject *context, int threads)
{
    auto pool = std::make_shared<QThreadPool>();
    pool->setMaxThreadCount(threads);
    return [pool, context](const QByteArray &hash, const QByteArray &password,
                           const std::function<void(bool)> &done) {
        pool->start([context, hash, password, done] {
            const bool matches = verifyPassword(hash, password);
            QMetaObject::invokeMethod(
                    context, [done, matches] { done(matches); }, Qt::QueuedConnection);
        });
    };
}

} // namespace WebLib
