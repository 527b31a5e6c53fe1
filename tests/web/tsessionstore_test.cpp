#include "httpclient.h"
#include "tsessionstore.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace WebLib;

namespace {

constexpr qint64 Second = 1000;

} // namespace

TEST(SessionStore, IdsAndTokensAreLongRandomAndNeverTheSame)
{
    TSessionStore store;
    QSet<QByteArray> seen;
    for (int i = 0; i < 200; ++i) {
        const TSession &s = store.open(0);
        EXPECT_EQ(43, s.id.size()); // 32 bytes, base64url
        EXPECT_EQ(43, s.csrf.size());
        EXPECT_NE(s.id, s.csrf);
        EXPECT_FALSE(seen.contains(s.id));
        EXPECT_FALSE(seen.contains(s.csrf));
        seen << s.id << s.csrf;
        for (char c : s.id)
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_');
    }
}

TEST(SessionStore, ALoginGivesANewIdAndEndsTheOneBefore)
{
    TSessionStore store;
    const QByteArray before = store.open(0).id;
    const TSession after = store.login("owner", before, Second);
    EXPECT_NE(before, after.id);
    EXPECT_EQ(nullptr, store.find(before, 2 * Second));
    const TSession *found = store.find(after.id, 2 * Second);
    ASSERT_NE(nullptr, found);
    EXPECT_EQ("owner", found->user);
    EXPECT_TRUE(found->loggedIn());
}

TEST(SessionStore, SessionsEndWhenIdleOrOld)
{
    TSessionStore store;
    const QByteArray id = store.login("owner", QByteArray(), 0).id;
    // used every 50 minutes: alive until twelve hours after the login
    qint64 now = 0;
    while (now + 50 * 60 * Second < TSessionStore::MaxSeconds * Second) {
        now += 50 * 60 * Second;
        EXPECT_NE(nullptr, store.find(id, now)) << now;
    }
    EXPECT_EQ(nullptr, store.find(id, TSessionStore::MaxSeconds * Second));

    const QByteArray idle = store.login("owner", QByteArray(), 0).id;
    EXPECT_NE(nullptr, store.find(idle, TSessionStore::IdleSeconds * Second - 1));
    EXPECT_EQ(nullptr,
              store.find(idle, (2 * TSessionStore::IdleSeconds) * Second - 1)); // idle an hour

    const QByteArray form = store.open(0).id;
    EXPECT_NE(nullptr, store.find(form, TSessionStore::LoginSeconds * Second - 1));
    EXPECT_EQ(nullptr, store.find(form, TSessionStore::LoginSeconds * Second));
}

TEST(SessionStore, UnknownEmptyAndClosedIdsFindNothing)
{
    TSessionStore store;
    const TSession s = store.login("owner", QByteArray(), 0);
    EXPECT_EQ(nullptr, store.find(QByteArray(), 0));
    EXPECT_EQ(nullptr, store.find("made-up", 0));
    EXPECT_EQ(nullptr, store.find(s.csrf, 0)); // the token is no id
    store.close(s.id);
    EXPECT_EQ(nullptr, store.find(s.id, 0));
}

TEST(SessionStore, AUsersSessionsEndTogether)
{
    TSessionStore store;
    const QByteArray a = store.login("owner", QByteArray(), 0).id;
    const QByteArray b = store.login("owner", QByteArray(), 0).id;
    const QByteArray c = store.login("anna", QByteArray(), 0).id;
    store.closeUser("owner");
    EXPECT_EQ(nullptr, store.find(a, 0));
    EXPECT_EQ(nullptr, store.find(b, 0));
    EXPECT_NE(nullptr, store.find(c, 0));
}

TEST(SessionStore, LoginFormsCannotCrowdOutLoggedInSessions)
{
    TSessionStore store;
    const QByteArray owner = store.login("owner", QByteArray(), 0).id;
    QByteArray first;
    for (int i = 0; i < TSessionStore::MaxSessions + 10; ++i) {
        const QByteArray id = store.open(i).id;
        if (i == 0)
            first = id;
    }
    EXPECT_NE(nullptr, store.find(owner, 100));
    EXPECT_EQ(nullptr, store.find(first, 100)); // the oldest form went
    EXPECT_EQ(TSessionStore::MaxSessions + 1, store.count());
}
