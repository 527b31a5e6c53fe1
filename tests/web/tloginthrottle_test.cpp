#include "httpclient.h"
#include "tloginthrottle.h"

#include <gtest/gtest.h>

using namespace WebLib;

namespace {

constexpr qint64 Second = 1000;

} // namespace

TEST(LoginThrottle, TheFirstMistakesCostNothingThenTheWaitDoubles)
{
    TLoginThrottle throttle;
    qint64 now = 1000 * Second;
    const QString ip = QStringLiteral("10.0.0.7");
    for (int i = 1; i <= TLoginThrottle::FreeFailures; ++i) {
        throttle.failed("owner", ip, now);
        EXPECT_EQ(0, throttle.waitSeconds("owner", ip, now)) << i;
    }
    // 4th failure: 1 s, 5th: 2 s, 6th: 4 s ...
    qint64 expected = 1;
    for (int i = TLoginThrottle::FreeFailures + 1; i < TLoginThrottle::LockoutFailures; ++i) {
        throttle.failed("owner", ip, now);
        EXPECT_EQ(expected, throttle.waitSeconds("owner", ip, now)) << i;
        EXPECT_EQ(1, throttle.waitSeconds("owner", ip, now + expected * Second - 1));
        EXPECT_EQ(0, throttle.waitSeconds("owner", ip, now + expected * Second));
        now += expected * Second;
        expected *= 2;
    }
}

TEST(LoginThrottle, TenMistakesInARowLockOutForAQuarterOfAnHour)
{
    TLoginThrottle throttle;
    qint64 now = 0;
    for (int i = 0; i < TLoginThrottle::LockoutFailures; ++i) {
        now += TLoginThrottle::LockoutSeconds * Second; // each attempt once allowed
        throttle.failed("owner", "10.0.0.7", now);
    }
    EXPECT_EQ(TLoginThrottle::LockoutSeconds, throttle.waitSeconds("owner", "10.0.0.7", now));
    EXPECT_EQ(15 * 60, TLoginThrottle::LockoutSeconds);
    // and every further mistake locks out again, as long
    now += TLoginThrottle::LockoutSeconds * Second;
    EXPECT_EQ(0, throttle.waitSeconds("owner", "10.0.0.7", now));
    throttle.failed("owner", "10.0.0.7", now);
    EXPECT_EQ(TLoginThrottle::LockoutSeconds, throttle.waitSeconds("owner", "10.0.0.7", now));
}

TEST(LoginThrottle, AnAddressTryingManyNamesIsSlowedToo)
{
    TLoginThrottle throttle;
    const qint64 now = 0;
    for (int i = 0; i < TLoginThrottle::FreeFailures + 2; ++i)
        throttle.failed(QStringLiteral("guess%1").arg(i), "192.0.2.1", now);
    // a name never tried from there, same address: waits
    EXPECT_EQ(2, throttle.waitSeconds("owner", "192.0.2.1", now));
    // the name from elsewhere does not
    EXPECT_EQ(0, throttle.waitSeconds("owner", "192.0.2.2", now));
}

TEST(LoginThrottle, ANameTriedFromManyAddressesIsSlowedToo)
{
    TLoginThrottle throttle;
    const qint64 now = 0;
    for (int i = 0; i < TLoginThrottle::FreeFailures + 3; ++i)
        throttle.failed("owner", QStringLiteral("198.51.100.%1").arg(i), now);
    EXPECT_EQ(4, throttle.waitSeconds("owner", "203.0.113.9", now));
    EXPECT_EQ(0, throttle.waitSeconds("anna", "203.0.113.9", now));
}

TEST(LoginThrottle, TheRightPasswordClearsNameAndAddress)
{
    TLoginThrottle throttle;
    for (int i = 0; i < 6; ++i)
        throttle.failed("owner", "10.0.0.7", 0);
    EXPECT_EQ(6, throttle.failures("owner", "10.0.0.7"));
    throttle.succeeded("owner", "10.0.0.7");
    EXPECT_EQ(0, throttle.failures("owner", "10.0.0.7"));
    EXPECT_EQ(0, throttle.waitSeconds("owner", "10.0.0.7", 0));
    // the count starts afresh: the next mistake is free again
    throttle.failed("owner", "10.0.0.7", 0);
    EXPECT_EQ(0, throttle.waitSeconds("owner", "10.0.0.7", 0));
}

TEST(LoginThrottle, AFloodOfMadeUpNamesDoesNotGrowWithoutEnd)
{
    TLoginThrottle throttle;
    for (int i = 0; i < TLoginThrottle::MaxEntries + 500; ++i)
        throttle.failed(QStringLiteral("n%1").arg(i), "10.0.0.7", i);
    // the flooding address is remembered (its entry is the newest) and locked
    EXPECT_EQ(TLoginThrottle::LockoutSeconds,
              throttle.waitSeconds("owner", "10.0.0.7", TLoginThrottle::MaxEntries + 500));
    // the oldest names were forgotten
    EXPECT_EQ(0, throttle.failures("n0", "10.9.9.9"));
}

TEST(LoginThrottle, DelaysInOrder)
{
    EXPECT_EQ(0, TLoginThrottle::delayAfter(0));
    EXPECT_EQ(0, TLoginThrottle::delayAfter(3));
    EXPECT_EQ(1, TLoginThrottle::delayAfter(4));
    EXPECT_EQ(32, TLoginThrottle::delayAfter(9));
    EXPECT_EQ(TLoginThrottle::LockoutSeconds, TLoginThrottle::delayAfter(10));
    EXPECT_EQ(TLoginThrottle::LockoutSeconds, TLoginThrottle::delayAfter(1000));
}
