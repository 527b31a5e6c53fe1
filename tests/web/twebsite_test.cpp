#include "httpclient.h"
#include "testdir.h"
#include "tusersfile.h"
#include "twebapi.h"
#include "twebsite.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

using namespace WebLib;

namespace {

constexpr qint64 Second = 1000;

// The rules of the site, without sockets: the password check and the
// API answer at once, the clock is the test's.
class WebSite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TUsersFile users(dir.file("users"));
        users.setPassword("owner", "correct horse", THashCost::Minimal);
        users.setPassword("anna", "battery staple", THashCost::Minimal);
        ASSERT_TRUE(users.save());
        site = makeSite(false);
    }

    std::unique_ptr<TWebSite> makeSite(bool tls)
    {
        TWebSite::Options options;
        options.usersPath = dir.file("users");
        options.port = 8080;
        options.tls = tls;
        auto s = std::make_unique<TWebSite>(options);
        s->setClock([this] { return now; });
        s->setVerifier([](const QByteArray &hash, const QByteArray &password,
                          const std::function<void(bool)> &done) {
            done(verifyPassword(hash, password));
        });
        s->setApiRoutes(TWebApi::routes());
        s->setEngine([this](const TApiCall &call, const TWebSite::Reply &reply) {
            lastCall = call;
            reply(TWebResponse::json("{\"answered\":\"" + call.path.toLatin1() + "\"}"));
        });
        QString error;
        EXPECT_TRUE(s->loadUsers(&error)) << error.toStdString();
        return s;
    }

    static TWebRequest request(const QByteArray &method, const QByteArray &target,
                               const QList<QByteArray> &headers = {},
                               const QByteArray &body = QByteArray())
    {
        TWebRequest r;
        r.method = method;
        const QUrl url = QUrl::fromEncoded("http://127.0.0.1:8080" + target);
        r.path = url.path(QUrl::FullyDecoded);
        r.rawPath = url.path(QUrl::FullyEncoded).toLatin1();
        for (const auto &item : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
            r.query.append({item.first, item.second});
        r.headers.append({QByteArray("host"), QByteArray("127.0.0.1:8080")});
        for (const QByteArray &h : headers) {
            const qsizetype colon = h.indexOf(':');
            const QByteArray name = h.left(colon).trimmed().toLower();
            if (name == "host")
                r.headers.removeFirst();
            r.headers.append({name, h.mid(colon + 1).trimmed()});
        }
        r.body = body;
        r.peer = QHostAddress(QStringLiteral("127.0.0.1"));
        return r;
    }

    TWebResponse answer(const TWebRequest &r, TWebSite *on = nullptr)
    {
        TWebResponse got;
        bool called = false;
        (on ? on : site.get())->handle(r, [&](const TWebResponse &response) {
            got = response;
            called = true;
        });
        EXPECT_TRUE(called) << r.path.toStdString();
        return got;
    }

    // A visitor: its cookie and token.
    struct Visitor
    {
        QByteArray cookie;
        QByteArray csrf;
        QString address = QStringLiteral("127.0.0.1");
    };

    static QJsonObject json(const TWebResponse &r)
    {
        return QJsonDocument::fromJson(r.body).object();
    }

    static QByteArray cookieOf(const TWebResponse &r)
    {
        const QByteArray set = r.header("Set-Cookie");
        return set.mid(set.indexOf('=') + 1).split(';').first();
    }

    Visitor open()
    {
        const TWebResponse r = answer(request("GET", "/api/session"));
        EXPECT_EQ(200, r.status);
        return {cookieOf(r), json(r).value("csrf").toString().toLatin1()};
    }

    // Logs in from a fresh login form (a form's session lives ten minutes),
    // or from the visitor's own with `fresh` false.
    TWebResponse login(Visitor &v, const QString &user, const QString &password, bool fresh = true)
    {
        if (fresh) {
            const Visitor form = open();
            v.cookie = form.cookie;
            v.csrf = form.csrf;
        }
        const QByteArray body = QJsonDocument(QJsonObject {{"user", user}, {"password", password}})
                                        .toJson(QJsonDocument::Compact);
        TWebRequest r = request("POST", "/api/login",
                                {"Cookie: veltrum=" + v.cookie, "X-CSRF-Token: " + v.csrf,
                                 "Content-Type: application/json"},
                                body);
        r.peer = QHostAddress(v.address);
        const TWebResponse response = answer(r);
        if (response.status == 200) {
            v.cookie = cookieOf(response);
            v.csrf = json(response).value("csrf").toString().toLatin1();
        }
        return response;
    }

    Visitor loggedIn(const QString &user = "owner", const QString &password = "correct horse")
    {
        Visitor v = open();
        EXPECT_EQ(200, login(v, user, password).status);
        return v;
    }

    TWebResponse get(const Visitor &v, const QByteArray &target)
    {
        return answer(request("GET", target, {"Cookie: veltrum=" + v.cookie}));
    }

    TestDir dir;
    qint64 now = 1000 * Second;
    std::unique_ptr<TWebSite> site;
    TApiCall lastCall;
};

} // namespace

TEST_F(WebSite, OnlyTheLoginPageAnswersWithoutALogin)
{
    QStringList open;
    for (const TWebSite::Route &route : site->routes()) {
        if (route.open) {
            open << route.method + ' ' + route.path;
            continue;
        }
        // without a cookie, with a made-up one, with the session of the login form
        const Visitor form = this->open();
        for (const QByteArray &cookie : {QByteArray(), QByteArray("Cookie: veltrum=forged"),
                                         "Cookie: veltrum=" + form.cookie}) {
            QList<QByteArray> headers;
            if (!cookie.isEmpty())
                headers << cookie;
            if (route.method == "POST")
                headers << "X-CSRF-Token: " + form.csrf;
            const TWebResponse r = answer(request(route.method, route.path.toLatin1(), headers));
            EXPECT_EQ(401, r.status) << route.path.toStdString() << ' ' << cookie.toStdString();
            EXPECT_TRUE(r.header("Set-Cookie").isEmpty());
        }
    }
    EXPECT_EQ(QStringList({"GET /", "GET /assets/app.js", "GET /assets/app.css",
                           "GET /assets/icon.svg", "GET /api/session", "POST /api/login"}),
              open);
    // and every route of the API is among the closed ones
    for (const TApiRoute &api : TWebApi::routes()) {
        bool closed = false;
        for (const TWebSite::Route &route : site->routes())
            closed = closed || (route.path == api.path && !route.open);
        EXPECT_TRUE(closed) << api.path.toStdString();
    }
}

TEST_F(WebSite, ALoggedInVisitorReachesTheApi)
{
    const Visitor v = loggedIn();
    for (const TApiRoute &api : TWebApi::routes()) {
        const TWebResponse r = get(v, api.path.toLatin1());
        EXPECT_EQ(200, r.status) << api.path.toStdString();
        EXPECT_EQ(api.path, json(r).value("answered").toString());
        EXPECT_EQ("owner", lastCall.user);
    }
    const TWebResponse page = get(v, "/");
    EXPECT_EQ(200, page.status);
    EXPECT_EQ("text/html", page.contentType);
    EXPECT_TRUE(page.body.contains("/assets/app.js"));
}

TEST_F(WebSite, PathsOutsideTheServedFilesAreRefused)
{
    const Visitor v = loggedIn();
    for (const char *path : {"/../etc/passwd",
                             "/assets/../../etc/passwd",
                             "/%2e%2e/%2e%2e/etc/passwd",
                             "/assets/%2e%2e/%2e%2e/etc/passwd",
                             "/assets/..%2f..%2fetc%2fpasswd",
                             "/assets/%2E%2E%2Fapp.js",
                             "/assets/.%2fapp.js",
                             "/assets//app.js",
                             "/assets/app.js%00.png",
                             "/assets/..\\..\\etc\\passwd",
                             "/assets/%5c..%5capp.js",
                             "/./assets/app.js",
                             "/assets/",
                             "/assets",
                             "/index.html",
                             "/etc/passwd",
                             "/assets/app.js/",
                             "/api/",
                             "/api/today/",
                             "/API/today"}) {
        const TWebResponse r = get(v, path);
        EXPECT_TRUE(r.status == 400 || r.status == 404) << path << ": " << r.status;
        EXPECT_EQ("application/json", r.contentType) << path;
        EXPECT_FALSE(r.body.contains("root:")) << path;
    }
}

TEST_F(WebSite, ALoopbackServerAnswersOnlyUnderLoopbackNames)
{
    const Visitor v = loggedIn();
    for (const char *host : {"127.0.0.1:8080", "localhost:8080", "[::1]:8080", "LOCALHOST:8080"}) {
        const TWebResponse r = answer(request(
                "GET", "/api/today", {"Host: " + QByteArray(host), "Cookie: veltrum=" + v.cookie}));
        EXPECT_EQ(200, r.status) << host;
    }
    for (const char *host : {"evil.example:8080", "127.0.0.1:9999", "127.0.0.1", "10.0.0.1:8080"}) {
        const TWebResponse r = answer(request(
                "GET", "/api/today", {"Host: " + QByteArray(host), "Cookie: veltrum=" + v.cookie}));
        EXPECT_EQ(421, r.status) << host;
    }
    TWebRequest noHost = request("GET", "/");
    noHost.headers.clear();
    EXPECT_EQ(400, answer(noHost).status);
}

TEST_F(WebSite, OnlyGetAndPostAndEachOnItsRoutes)
{
    const Visitor v = loggedIn();
    for (const char *method : {"PUT", "DELETE", "HEAD", "OPTIONS", "TRACE", "PATCH"}) {
        const TWebResponse r
                = answer(request(method, "/api/today", {"Cookie: veltrum=" + v.cookie}));
        EXPECT_EQ(405, r.status) << method;
        EXPECT_EQ("GET, POST", r.header("Allow"));
    }
    EXPECT_EQ(405, answer(request("POST", "/api/today",
                                  {"Cookie: veltrum=" + v.cookie, "X-CSRF-Token: " + v.csrf}))
                           .status);
    EXPECT_EQ(405, get(v, "/api/login").status);
}

TEST_F(WebSite, ParametersAreTheRoutesOwnEachOnce)
{
    const Visitor v = loggedIn();
    TWebResponse r = get(v, "/api/report?kind=5&from=2026-12-01&colour=red");
    EXPECT_EQ(400, r.status);
    EXPECT_TRUE(json(r).value("error").toString().contains("colour"));
    r = get(v, "/api/report?kind=5&kind=6");
    EXPECT_EQ(400, r.status);
    EXPECT_TRUE(json(r).value("error").toString().contains("kind"));
    EXPECT_EQ(400, get(v, "/api/today?x=1").status);
    EXPECT_EQ(400, get(v, "/api/report?output=/tmp/x").status);
    EXPECT_EQ(400, get(v, "/api/report?data=/").status);
    r = get(v, "/api/report?kind=5&from=2026-12-01&to=2026-12-02&format=pdf");
    EXPECT_EQ(200, r.status);
    EXPECT_EQ(4, lastCall.params.size());
    EXPECT_EQ("2026-12-02", lastCall.param("to"));
}

TEST_F(WebSite, TheLoginNeedsTheTokenOfItsOwnForm)
{
    Visitor v = open();
    Visitor other = open();
    const QByteArray body = R"({"user":"owner","password":"correct horse"})";
    const auto post = [&](const QList<QByteArray> &headers) {
        return answer(request("POST", "/api/login", headers, body));
    };
    // no token, a made-up one, the token of another form
    EXPECT_EQ(403, post({"Cookie: veltrum=" + v.cookie, "Content-Type: application/json"}).status);
    EXPECT_EQ(403, post({"Cookie: veltrum=" + v.cookie, "X-CSRF-Token: x",
                         "Content-Type: application/json"})
                           .status);
    EXPECT_EQ(403, post({"Cookie: veltrum=" + v.cookie, "X-CSRF-Token: " + other.csrf,
                         "Content-Type: application/json"})
                           .status);
    // the token without its cookie
    EXPECT_EQ(403, post({"X-CSRF-Token: " + v.csrf, "Content-Type: application/json"}).status);
    // sent from another site
    EXPECT_EQ(403, post({"Cookie: veltrum=" + v.cookie, "X-CSRF-Token: " + v.csrf,
                         "Content-Type: application/json", "Origin: http://evil.example"})
                           .status);
    // as a form, not JSON
    EXPECT_EQ(415, post({"Cookie: veltrum=" + v.cookie, "X-CSRF-Token: " + v.csrf,
                         "Content-Type: application/x-www-form-urlencoded"})
                           .status);
    // none of these counted as a wrong password
    EXPECT_EQ(200, post({"Cookie: veltrum=" + v.cookie, "X-CSRF-Token: " + v.csrf,
                         "Content-Type: application/json", "Origin: http://127.0.0.1:8080"})
                           .status);
}

TEST_F(WebSite, ALoginIsOneObjectOfUserAndPassword)
{
    Visitor v = open();
    for (const QByteArray &body :
         {QByteArray("user=owner&password=x"), QByteArray("[]"), QByteArray("{\"user\":\"owner\"}"),
          QByteArray(R"({"user":"owner","password":"correct horse","admin":true})"),
          QByteArray(R"({"user":1,"password":"correct horse"})"),
          QByteArray(R"({"user":"","password":"correct horse"})"),
          "{\"user\":\"" + QByteArray(65, 'a') + "\",\"password\":\"x\"}"}) {
        const TWebResponse r
                = answer(request("POST", "/api/login",
                                 {"Cookie: veltrum=" + v.cookie, "X-CSRF-Token: " + v.csrf,
                                  "Content-Type: application/json"},
                                 body));
        EXPECT_EQ(400, r.status) << body.toStdString();
    }
}

TEST_F(WebSite, ACookieOfAnotherOrAnEndedSessionIsWorthNothing)
{
    Visitor owner = loggedIn();
    Visitor anna = loggedIn("anna", "battery staple");
    // anna's token with the owner's cookie
    EXPECT_EQ(403,
              answer(request("POST", "/api/logout",
                             {"Cookie: veltrum=" + owner.cookie, "X-CSRF-Token: " + anna.csrf}))
                      .status);
    EXPECT_EQ(200, get(owner, "/api/today").status);

    // the id of the login form does not become the session (fixation)
    Visitor form = open();
    const QByteArray before = form.cookie;
    ASSERT_EQ(200, login(form, "owner", "correct horse", false).status);
    EXPECT_NE(before, form.cookie);
    EXPECT_EQ(401, answer(request("GET", "/api/today", {"Cookie: veltrum=" + before})).status);

    // after the logout the cookie is worth nothing
    const TWebResponse out
            = answer(request("POST", "/api/logout",
                             {"Cookie: veltrum=" + owner.cookie, "X-CSRF-Token: " + owner.csrf}));
    EXPECT_EQ(200, out.status);
    EXPECT_TRUE(out.header("Set-Cookie").contains("Max-Age=0"));
    EXPECT_EQ(401, get(owner, "/api/today").status);
    EXPECT_EQ(200, get(anna, "/api/today").status);
    // nor after its time
    now += 2 * 60 * 60 * Second;
    EXPECT_EQ(401, get(anna, "/api/today").status);
}

TEST_F(WebSite, CookiesAreForThisSiteAndItsScriptsCannotReadThem)
{
    const TWebResponse r = answer(request("GET", "/api/session"));
    const QByteArray cookie = r.header("Set-Cookie");
    EXPECT_TRUE(cookie.startsWith("veltrum=")) << cookie.toStdString();
    EXPECT_TRUE(cookie.contains("; HttpOnly"));
    EXPECT_TRUE(cookie.contains("; SameSite=Strict"));
    EXPECT_TRUE(cookie.contains("; Path=/"));
    EXPECT_TRUE(cookie.contains("; Max-Age=600"));
    EXPECT_FALSE(cookie.contains("Secure"));
    Visitor v = open();
    login(v, "owner", "correct horse");

    auto tls = makeSite(true);
    const TWebResponse secure = answer(request("GET", "/api/session"), tls.get());
    const QByteArray secureCookie = secure.header("Set-Cookie");
    EXPECT_TRUE(secureCookie.startsWith("__Host-veltrum=")) << secureCookie.toStdString();
    EXPECT_TRUE(secureCookie.contains("; Secure"));
    EXPECT_TRUE(secureCookie.contains("; HttpOnly"));
    EXPECT_TRUE(secureCookie.contains("; SameSite=Strict"));
    // the plain cookie name means nothing there
    EXPECT_EQ(401, answer(request("GET", "/api/today", {"Cookie: veltrum=" + v.cookie}), tls.get())
                           .status);
}

TEST_F(WebSite, WrongPasswordsAreSlowedThenLockedOut)
{
    Visitor v = open();
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(401, login(v, "owner", "wrong").status) << i;
    EXPECT_EQ(401, login(v, "owner", "wrong").status); // the 4th: a second's wait from now
    TWebResponse r = login(v, "owner", "correct horse");
    EXPECT_EQ(429, r.status);
    EXPECT_EQ("1", r.header("Retry-After"));
    now += Second;
    // the right password, once the wait is over
    r = login(v, "owner", "correct horse");
    EXPECT_EQ(200, r.status);

    // ten in a row: locked out for a quarter of an hour, whatever is typed
    Visitor w = open();
    for (int i = 0; i < 10; ++i) {
        now += 15 * 60 * Second;
        EXPECT_EQ(401, login(w, "owner", "wrong").status) << i;
    }
    r = login(w, "owner", "correct horse");
    EXPECT_EQ(429, r.status);
    EXPECT_EQ("900", r.header("Retry-After"));
    // from another address too (per user) ...
    Visitor elsewhere = open();
    elsewhere.address = "192.0.2.44";
    EXPECT_EQ(429, login(elsewhere, "owner", "correct horse").status);
    // ... and another user from the same address (per address)
    EXPECT_EQ(429, login(w, "anna", "battery staple").status);
    // anna from elsewhere is not concerned
    EXPECT_EQ(200, login(elsewhere, "anna", "battery staple").status);
    now += 900 * Second;
    EXPECT_EQ(200, login(w, "owner", "correct horse").status);
}

TEST_F(WebSite, AnUnknownUserLooksLikeAWrongPassword)
{
    Visitor v = open();
    const TWebResponse unknown = login(v, "nobody", "correct horse");
    const TWebResponse wrong = login(v, "owner", "not it");
    EXPECT_EQ(401, unknown.status);
    EXPECT_EQ(unknown.status, wrong.status);
    EXPECT_EQ(unknown.body, wrong.body);
}

TEST_F(WebSite, AUserTakenOutOfTheFileLosesTheSession)
{
    Visitor owner = loggedIn();
    Visitor anna = loggedIn("anna", "battery staple");
    TUsersFile users(dir.file("users"));
    ASSERT_TRUE(users.load());
    users.remove("owner");
    ASSERT_TRUE(users.setPassword("anna", "new password", THashCost::Minimal));
    ASSERT_TRUE(users.save());
    site->reloadUsers();
    EXPECT_EQ(401, get(owner, "/api/today").status);
    // a new password ends the sessions made with the old one
    EXPECT_EQ(401, get(anna, "/api/today").status);
    Visitor again = open();
    EXPECT_EQ(401, login(again, "owner", "correct horse").status);
    EXPECT_EQ(200, login(again, "anna", "new password").status);
}

TEST_F(WebSite, TheSessionTellsTheLoginFormItsTokenAndTexts)
{
    const TWebResponse r
            = answer(request("GET", "/api/session", {"Accept-Language: de-CH,de;q=0.9,en;q=0.8"}));
    const QJsonObject o = json(r);
    EXPECT_FALSE(o.value("loggedIn").toBool());
    EXPECT_EQ(43, o.value("csrf").toString().size());
    EXPECT_EQ("de", o.value("language").toString());
    EXPECT_EQ("Heute", o.value("texts").toObject().value("navToday").toString());
    // nothing about the installation before the login
    EXPECT_FALSE(o.contains("installation"));
    const TWebResponse english
            = answer(request("GET", "/api/session", {"Accept-Language: fr, en;q=0.5"}));
    EXPECT_EQ("en", json(english).value("language").toString());
    EXPECT_EQ("Today", json(english).value("texts").toObject().value("navToday").toString());
}
