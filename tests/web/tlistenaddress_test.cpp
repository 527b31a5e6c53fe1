#include "httpclient.h"
#include "tlistenaddress.h"

#include <gtest/gtest.h>

using namespace WebLib;

TEST(ListenAddress, TheFormsOfAnAddress)
{
    const struct
    {
        const char *text;
        const char *address;
        quint16 port;
        bool loopback;
    } good[] = {
            {"127.0.0.1:8080", "127.0.0.1", 8080, true},
            {"127.0.0.1", "127.0.0.1", 8080, true},
            {":9000", "127.0.0.1", 9000, true},
            {"localhost:0", "127.0.0.1", 0, true},
            {"[::1]:8443", "::1", 8443, true},
            {"[::1]", "::1", 8080, true},
            {"0.0.0.0:443", "0.0.0.0", 443, false},
            {"192.168.1.20:8080", "192.168.1.20", 8080, false},
            {"[::]:8080", "::", 8080, false},
            {"127.0.0.2:80", "127.0.0.2", 80, true},
    };
    for (const auto &g : good) {
        TListenAddress a;
        QString error;
        ASSERT_TRUE(TListenAddress::parse(QString::fromLatin1(g.text), a, &error))
                << g.text << ": " << error.toStdString();
        EXPECT_EQ(QHostAddress(QString::fromLatin1(g.address)), a.address) << g.text;
        EXPECT_EQ(g.port, a.port) << g.text;
        EXPECT_EQ(g.loopback, a.isLoopback()) << g.text;
    }
    for (const char *bad : {"8080", "127.0.0.1:", "127.0.0.1:65536", "127.0.0.1:80x",
                            "example.com:80", "10.1:80", "[::1:80", "[::1]80", "1.2.3.4:+80"}) {
        TListenAddress a;
        QString error;
        EXPECT_FALSE(TListenAddress::parse(QString::fromLatin1(bad), a, &error)) << bad;
        EXPECT_TRUE(error.startsWith(QStringLiteral("--listen ") + QString::fromLatin1(bad)))
                << error.toStdString();
    }
}

TEST(ListenAddress, OnlyLoopbackGoesWithoutTls)
{
    TListenAddress loopback;
    EXPECT_TRUE(loopback.refusal(false, false).isEmpty());
    TListenAddress open;
    ASSERT_TRUE(TListenAddress::parse("0.0.0.0:8080", open, nullptr));
    const QString refusal = open.refusal(false, false);
    EXPECT_TRUE(refusal.contains("0.0.0.0:8080")) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains("--cert")) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains("--insecure")) << refusal.toStdString();
    EXPECT_TRUE(open.refusal(true, false).isEmpty());
    EXPECT_TRUE(open.refusal(false, true).isEmpty());
    TListenAddress v6;
    v6.address = QHostAddress(QHostAddress::LocalHostIPv6);
    EXPECT_EQ("[::1]:8080", v6.text());
    EXPECT_EQ("[::1]:9", v6.text(9));
}
